// Message boxes with the program's captions, buttons and icons.
#include <QApplication>
#include <QMessageBox>

#include "qt/qt_ui.h"
#include "qt/text.h"

namespace telvane::qt {
namespace {

QMessageBox::Icon ToQtIcon(ui::Icon icon) {
  switch (icon) {
    case ui::Icon::Information: return QMessageBox::Information;
    case ui::Icon::Question: return QMessageBox::Question;
    case ui::Icon::Warning: return QMessageBox::Warning;
    case ui::Icon::Stop: return QMessageBox::Critical;
    case ui::Icon::None: break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(ui::Buttons buttons) {
  switch (buttons) {
    case ui::Buttons::Ok: return QMessageBox::Ok;
    case ui::Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case ui::Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case ui::Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case ui::Buttons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

// The answer of a box closed without a button: Cancel where there is one, else the
// box's only way out (No, OK).
int ClosedAnswer(ui::Buttons buttons) {
  switch (buttons) {
    case ui::Buttons::Ok: return ui::kIdOk;
    case ui::Buttons::YesNo: return ui::kIdNo;
    case ui::Buttons::OkCancel:
    case ui::Buttons::YesNoCancel:
    case ui::Buttons::RetryCancel: break;
  }
  return ui::kIdCancel;
}

int ToAnswer(QMessageBox::StandardButton button, ui::Buttons buttons) {
  switch (button) {
    case QMessageBox::Ok: return ui::kIdOk;
    case QMessageBox::Cancel: return ui::kIdCancel;
    case QMessageBox::Yes: return ui::kIdYes;
    case QMessageBox::No: return ui::kIdNo;
    case QMessageBox::Retry: return ui::kIdRetry;
    default: return ClosedAnswer(buttons);
  }
}

}  // namespace

int QtUi::ShowMessage(const ui::MessageRequest& message) {
  // Owned by the window that has the focus, as the program's boxes are.
  QMessageBox box(ToQtIcon(message.icon), ToQt(ui::CaptionText(message.caption)),
                  ToQt(message.text), ToQtButtons(message.buttons), QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  return ToAnswer(clicked != nullptr ? box.standardButton(clicked) : QMessageBox::NoButton,
                  message.buttons);
}

}  // namespace telvane::qt
