#include "qt/window_resizer.h"

#include <algorithm>

namespace telvane::qt {

bool IsListWindow(int templateId) {
  // Phone book, SMS list (normal and tall), organizer, predefined texts, groups, net
  // information.
  constexpr int kListWindows[] = {105, 120, 152, 108, 143, 148, 109};
  return std::ranges::find(kListWindows, templateId) != std::end(kListWindows);
}

WindowResizer::WindowResizer(const std::vector<QWidget*>& controls, const QWidget& list,
                             QSize baseSize)
    : baseSize_(baseSize) {
  const QRect area = list.geometry();
  for (QWidget* widget : controls) {
    Anchor anchor{.widget = widget, .base = widget->geometry()};
    const QRect& r = anchor.base;
    // Spanning the list's whole width (or height): the list itself, a list in its place,
    // a frame around it. Beyond its right (or bottom) edge: keeps its distance to the edge.
    anchor.growX = r.left() <= area.left() && r.right() >= area.right();
    anchor.growY = r.top() <= area.top() && r.bottom() >= area.bottom();
    anchor.moveX = !anchor.growX && r.left() > area.right();
    anchor.moveY = !anchor.growY && r.top() > area.bottom();
    anchors_.push_back(anchor);
  }
}

void WindowResizer::Resize(QSize size) const {
  const int dx = std::max(0, size.width() - baseSize_.width());
  const int dy = std::max(0, size.height() - baseSize_.height());
  for (const Anchor& anchor : anchors_) {
    QRect r = anchor.base;
    if (anchor.growX) r.setWidth(r.width() + dx);
    if (anchor.growY) r.setHeight(r.height() + dy);
    if (anchor.moveX) r.translate(dx, 0);
    if (anchor.moveY) r.translate(0, dy);
    anchor.widget->setGeometry(r);
  }
}

}  // namespace telvane::qt
