#include "ui/SkinBitmapDC.h"

CSkinBitmapDC::CSkinBitmapDC(CDC& like, int bitmapId)
{
    CreateCompatibleDC(&like);
    BITMAP info{};
    if (bitmapId <= 0 || !m_bitmap.LoadBitmap(static_cast<UINT>(bitmapId)) || !m_bitmap.GetBitmap(&info)) {
        return;
    }
    m_size = CSize(info.bmWidth, info.bmHeight);
    m_pOldBitmap = SelectObject(&m_bitmap);
}

CSkinBitmapDC::~CSkinBitmapDC()
{
    if (m_pOldBitmap) {
        SelectObject(m_pOldBitmap);
    }
    m_bitmap.DeleteObject();
    DeleteDC();
}
