#include "qt/text_fit.h"

#include <algorithm>

namespace telvane::qt {

namespace {

bool Free(const QRect& grown, const QWidget& control, QSize clientSize,
          const std::vector<QWidget*>& controls) {
  if (!QRect(QPoint(0, 0), clientSize).contains(grown)) return false;
  const QRect area = control.geometry();
  for (const QWidget* other : controls) {
    if (other == &control) continue;
    const QRect place = other->geometry();
    const bool surrounds = place.contains(area);
    if (surrounds ? !place.contains(grown) : place.intersects(grown)) return false;
  }
  return true;
}

}  // namespace

std::optional<QRect> GrownInPlace(const QWidget& control, QSize needs, QSize clientSize,
                                  const std::vector<QWidget*>& controls) {
  const QRect area = control.geometry();
  const int extraWidth = std::max(0, needs.width() - area.width());
  const int extraHeight = std::max(0, needs.height() - area.height());
  // Rightwards and downwards first, then about the middle, then leftwards and upwards.
  for (const int left : {0, extraWidth / 2, extraWidth}) {
    for (const int up : {0, extraHeight / 2, extraHeight}) {
      const QRect grown = area.adjusted(-left, -up, extraWidth - left, extraHeight - up);
      if (Free(grown, control, clientSize, controls)) return grown;
    }
  }
  return std::nullopt;
}

}  // namespace telvane::qt
