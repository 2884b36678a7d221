#include "platform/testing/DrawRecorder.h"

#include <algorithm>
#include <iterator>

CDrawRecorder::CDrawRecorder() : m_previous(uitest::AttachTextSink(this)) {}

CDrawRecorder::~CDrawRecorder() { uitest::DetachTextSink(m_previous); }

std::vector<DrawnText> CDrawRecorder::EntriesFor(HWND window) const
{
    std::vector<DrawnText> out;
    std::copy_if(m_entries.begin(), m_entries.end(), std::back_inserter(out),
                 [window](const DrawnText& e) { return e.window == window; });
    return out;
}

const DrawnText* CDrawRecorder::FindLast(const std::string& text) const
{
    for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it) {
        if (it->text == text) {
            return &*it;
        }
    }
    return nullptr;
}
