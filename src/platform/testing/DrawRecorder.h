#pragma once
// For tests: a recorder that keeps each text the paint contexts draw, with its position and colour.

#include "platform/testing/TestObserver.h"

#include <string>
#include <vector>

using DrawnText = layer::DrawnText;

// Keeps every text drawn while it lives. Recorders nest; the newest one records.
class CDrawRecorder : private uitest::TextSink {
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

private:
    void Add(const DrawnText& text) override { m_entries.push_back(text); }

    std::vector<DrawnText> m_entries;
    uitest::TextSink* m_previous;
};
