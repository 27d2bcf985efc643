// Windows that hold lists grow with their frame: the list takes the extra room, controls
// right of it or below it keep their distance to that edge, the others stay in place.
#pragma once

#include <QRect>
#include <QWidget>
#include <vector>

namespace telvane::qt {

// The list windows: the phone book, the SMS lists, the organizer, the predefined texts and
// the groups. Every other template is a dialog of fixed size.
bool IsListWindow(int templateId);

class WindowResizer {
 public:
  // `controls` at their template places on a client area of `baseSize`; `list` the one
  // that takes the extra room.
  WindowResizer(const std::vector<QWidget*>& controls, const QWidget& list, QSize baseSize);

  // Places every control for a client area of `size` (never smaller than the base size).
  void Resize(QSize size) const;

 private:
  struct Anchor {
    QWidget* widget = nullptr;
    QRect base;
    bool growX = false, growY = false, moveX = false, moveY = false;
  };
  std::vector<Anchor> anchors_;
  QSize baseSize_;
};

}  // namespace telvane::qt
