#pragma once
// A memory context holding one bitmap resource for the length of a paint: made compatible with a
// context, the resource loaded and selected into it. On destruction the previous bitmap is selected
// back, then the bitmap and the context are deleted, so no drawing object outlives the paint.

#include "platform/gdi/DC.h"

class CSkinBitmapDC : public CDC {
public:
    CSkinBitmapDC(CDC& like, int bitmapId);
    ~CSkinBitmapDC() override;

    // False when the resource could not be loaded: the context then holds no picture to copy.
    bool IsLoaded() const { return m_pOldBitmap != nullptr; }
    int Width() const { return m_size.cx; }
    int Height() const { return m_size.cy; }

private:
    CBitmap m_bitmap;
    CSize m_size;
    CBitmap* m_pOldBitmap = nullptr;
};
