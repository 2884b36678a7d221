#pragma once
// The part of a window's client area that its visible controls cover and paint in full themselves
// (drop-downs, edits, lists, push buttons). The window's own invalidations leave it out, as they leave
// child windows alone, and a repaint under a control that repaints itself is no uncover of the window.

#include <QRect>
#include <QRegion>

#include <vector>

class QWidget;

namespace layer {

class ControlCover {
public:
    // The covered region of `client` now; worked out again only when its controls moved, came or went.
    const QRegion& Of(const QWidget* client);
    // Whether each rectangle of `region` lies inside one control of `client`.
    bool Covers(const QWidget* client, const QRegion& region);

private:
    std::vector<QRect> m_rects; // the controls' rectangles, in the client's order of children
    QRegion m_region;
};

} // namespace layer
