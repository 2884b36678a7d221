#pragma once
// For tests: a recorder that keeps each text the paint contexts draw, with its position and colour.

#include "platform/core/Types.h"

#include <string>
#include <vector>

// One text drawn by TextOut or DrawText while a recorder was attached.
struct DrawnText {
    std::string text;
    int x = 0;       // left of the text, in the context's coordinates (a window's client area)
    int y = 0;       // top of the text
    COLORREF color = 0;
    int fontHeight = 0; // character height in pixels (12 for 9 points at 96 dpi)
    int weight = 0;     // 400 normal, 700 bold
    std::string face;   // the installed font family that drew it
    HWND window = nullptr; // the window painted
};

// For tests: keeps every text drawn while it lives. Recorders nest; the newest one records.
class CDrawRecorder {
public:
    CDrawRecorder();
    ~CDrawRecorder();
    CDrawRecorder(const CDrawRecorder&) = delete;
    CDrawRecorder& operator=(const CDrawRecorder&) = delete;

    const std::vector<DrawnText>& Entries() const { return m_entries; }
    std::vector<DrawnText> EntriesFor(HWND window) const;
    // The last entry with exactly this text, or null.
    const DrawnText* FindLast(const std::string& text) const;
    void Clear() { m_entries.clear(); }

    // Called by the contexts; they describe a text only while a recorder is attached.
    static bool Recording();
    static void Record(DrawnText entry);

private:
    std::vector<DrawnText> m_entries;
    CDrawRecorder* m_previous;
};
