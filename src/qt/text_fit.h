// Growing one control in place so that its text fits, where the dialog has room for it.
#pragma once

#include <QRect>
#include <QWidget>
#include <optional>
#include <vector>

namespace telvane::qt {

// `control`'s geometry grown to `needs` (rightwards and downwards where it can, else about
// its middle, else leftwards and upwards) when that room is free:
// inside the client area of `clientSize`, inside every control that surrounds it (a group
// box, a frame), clear of every other control of `controls`. nullopt when it is not.
std::optional<QRect> GrownInPlace(const QWidget& control, QSize needs, QSize clientSize,
                                  const std::vector<QWidget*>& controls);

}  // namespace telvane::qt
