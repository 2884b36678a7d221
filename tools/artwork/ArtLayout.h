#pragma once
// Where things sit on the 780 x 530 main window, in 1x pixels, and the shared colours. The
// buttons, pages and banner are placed there by the program; the skin leaves room for them.

#include <QColor>
#include <QRect>
#include <QRectF>
#include <QSize>

namespace layout {

inline constexpr QSize kSkinSize{780, 530};

// The program's own colour behind the menu buttons; the column must match it exactly.
inline const QColor kMenuColor{181, 209, 72};
inline const QColor kBandEven{247, 243, 222};
inline const QColor kBandOdd{255, 255, 239};

inline constexpr QRect kLogo{40, 50, 140, 80};          // (40,50)-(180,130), a link
inline constexpr QSize kMenuButton{106, 47};
inline constexpr int kMenuButtonX = 65;
inline constexpr int kMenuButtonY[] = {153, 214, 275, 336, 397};

inline constexpr QRect kTitle{215, 100, 154, 31};
inline constexpr QRect kBanner{215, 395, 485, 90};

inline constexpr QSize kTab{78, 63};
inline constexpr int kTabX = 702;
inline constexpr int kTabY[] = {99, 162, 225, 288};

inline constexpr QSize kWindowButton{13, 13};
inline constexpr QPoint kMinimiseButton{742, 4};
inline constexpr QPoint kCloseButton{757, 4};

// The notebook: a green menu column and a white sheet joined by rings, on a green cover.
inline constexpr QRectF kColumn{22, 30, 176, 474};
inline constexpr QRectF kSheet{204, 30, 504, 474};
inline constexpr qreal kTitleRuleY = 128;               // 2 px rule under the titles, y 128..129

} // namespace layout

// The three frames of a button strip, left to right.
enum class FrameState { Normal, Hover, Pressed };

// `c` lightened towards white (amount > 0) or darkened towards black (amount < 0), amount in [-1, 1].
inline QColor Tint(const QColor& c, double amount)
{
    const auto mix = [amount](int v) {
        return amount >= 0 ? int(v + (255 - v) * amount + 0.5) : int(v * (1 + amount) + 0.5);
    };
    return QColor(mix(c.red()), mix(c.green()), mix(c.blue()), c.alpha());
}
