#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

class Picture;

// The coordinate plane Image10, the large letter cell: light cyan with black axes crossing at
// its centre, ticks from −4 to 4 every 50 px across and 49 px up (the scale of Function mode).
namespace plane {

inline constexpr int kWidth = 491;
inline constexpr int kHeight = 484;
// Where the plane stands on the client surface, and its centre, rounded halves to even: the
// origin of templates, previews and graphs (942, 328).
inline constexpr QPoint kAt(697, 86);
inline constexpr QRect kRect(kAt, QSize(kWidth, kHeight));
inline constexpr QPoint kOrigin(942, 328);
static_assert(kOrigin.x() == kAt.x() + kWidth / 2 && kOrigin.y() == kAt.y() + kHeight / 2);
inline const QColor kCyan{128, 255, 255};

QImage paintPicture();

Picture& image10();

// Clears the cell: the plane repaints when pending events are next processed, so every stroke
// drawn over it vanishes, and the picture itself comes out unchanged. The seed (the clicked point
// of a hotspot, else the picture's corner) changes nothing of what is drawn.
void reset(QPoint seed = QPoint(0, 0));

// Hides the plane and shows it again: the same wipe.
void wipe();

// How many times the plane was cleared (by reset or wipe) so far: a drawing made after the n-th
// clearing is on the plane while this still says n.
int clearings();

}  // namespace plane
