#include "platform/host/ControlCover.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace layer {
namespace {

bool PaintsWholeRect(const QWidget* w)
{
    return qobject_cast<const QComboBox*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QPushButton*>(w);
}

} // namespace

const QRegion& ControlCover::Of(const QWidget* client)
{
    std::vector<QRect> rects;
    for (const QObject* child : client->children()) {
        const auto* w = qobject_cast<const QWidget*>(child);
        if (w && PaintsWholeRect(w) && !w->isWindow() && w->isVisible()) {
            rects.push_back(w->geometry());
        }
    }
    // Uniting a page's thirty rectangles costs more than comparing them: the region is kept.
    if (rects != m_rects) {
        m_rects = std::move(rects);
        m_region = QRegion();
        for (const QRect& r : m_rects) {
            m_region += r;
        }
    }
    return m_region;
}

bool ControlCover::Covers(const QWidget* client, const QRegion& region)
{
    Of(client);
    return std::all_of(region.begin(), region.end(), [this](const QRect& part) {
        return std::any_of(m_rects.begin(), m_rects.end(), [&part](const QRect& control) { return control.contains(part); });
    });
}

} // namespace layer
