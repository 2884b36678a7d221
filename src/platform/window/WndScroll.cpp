// CWnd's vertical scroll bar and the scrolling of its client area.

#include "platform/window/Wnd.h"

#include "platform/host/WindowRegistry.h"
#include "platform/window/HostWidgets.h"

#include <QScrollBar>

#include <algorithm>

using layer::Find;
using layer::WindowRecord;

int CWnd::GetScrollPos(int nBar) const
{
    WindowRecord* rec = Find(m_hWnd);
    return rec && nBar == SB_VERT ? rec->scrollPos : 0;
}

int CWnd::SetScrollPos(int nBar, int nPos, BOOL)
{
    WindowRecord* rec = Find(m_hWnd);
    if (!rec || nBar != SB_VERT) {
        return 0;
    }
    const int previous = rec->scrollPos;
    rec->scrollPos = std::clamp(nPos, rec->scrollMin, std::max(rec->scrollMin, rec->scrollMax));
    if (rec->vscroll) {
        const QSignalBlocker block(rec->vscroll);
        rec->vscroll->setValue(rec->scrollPos);
    }
    return previous;
}

void CWnd::GetScrollRange(int nBar, int* minPos, int* maxPos) const
{
    WindowRecord* rec = Find(m_hWnd);
    const bool vertical = rec && nBar == SB_VERT;
    *minPos = vertical ? rec->scrollMin : 0;
    *maxPos = vertical ? rec->scrollMax : 0;
}

void CWnd::SetScrollRange(int nBar, int minPos, int maxPos, BOOL)
{
    WindowRecord* rec = Find(m_hWnd);
    if (!rec || nBar != SB_VERT) {
        return;
    }
    rec->scrollMin = minPos;
    rec->scrollMax = std::max(minPos, maxPos);
    if (rec->vscroll) {
        const QSignalBlocker block(rec->vscroll);
        rec->vscroll->setRange(rec->scrollMin, rec->scrollMax);
        if (auto* frame = dynamic_cast<layer::FrameHost*>(rec->outer.data())) {
            frame->ShowScrollBar(rec->scrollMax > rec->scrollMin); // an empty range hides the bar
        }
    }
    SetScrollPos(nBar, rec->scrollPos);
}

void CWnd::ScrollWindow(int xAmount, int yAmount)
{
    if (WindowRecord* rec = Find(m_hWnd); rec && rec->client) {
        rec->client->scroll(xAmount, yAmount);
    }
}
