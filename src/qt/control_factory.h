// Builds the widget of one template control, placed and styled as the template says.
// Events are connected by the dialog, which knows the handler.
#pragma once

#include <QLabel>
#include <QPushButton>
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
// Sets the widget's geometry from the template and the units.
void PlaceControl(QWidget& widget, const ui::ControlTemplate& control, const DialogUnits& units);

// The size a label's, a button's, a check box's or a radio button's text needs; an empty
// size for other controls and for controls without text.
QSize TextNeeds(const QWidget& widget);
// A text button's room for its text, without the style's least button width.
QSize PushButtonTextNeeds(const QPushButton& button);

}  // namespace telvane::qt
