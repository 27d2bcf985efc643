// Builds the widget of one template control, placed and styled as the template says.
// Events are connected by the dialog, which knows the handler.
#pragma once

#include <QLabel>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>

#include "ui/resources.h"

namespace telvane::qt {

class DialogUnits;

bool HasStyle(const ui::ControlTemplate& control, std::string_view style);

// A label that reports clicks (a static text with SS_NOTIFY).
class ClickableLabel : public QLabel {
 public:
  using QLabel::QLabel;
  void SetClicked(std::function<void()> clicked);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::function<void()> clicked_;
};

// A label shows "&" marks as the window system does: "&&" as "&", a single "&" hidden.
QString LabelText(std::string_view text);

// The widget for `control`, a child of `parent`, geometry from the dialog units.
QWidget* CreateControl(const ui::ControlTemplate& control, const DialogUnits& units,
                       QWidget* parent);

}  // namespace telvane::qt
