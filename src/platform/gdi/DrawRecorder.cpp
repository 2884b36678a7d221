#include "platform/gdi/DrawRecorder.h"

#include <algorithm>
#include <iterator>

namespace {
CDrawRecorder* g_recorder = nullptr;
}

CDrawRecorder::CDrawRecorder() : m_previous(g_recorder) { g_recorder = this; }

CDrawRecorder::~CDrawRecorder() { g_recorder = m_previous; }

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

bool CDrawRecorder::Recording() { return g_recorder != nullptr; }

void CDrawRecorder::Record(DrawnText entry)
{
    if (g_recorder) {
        g_recorder->m_entries.push_back(std::move(entry));
    }
}
