// Texts, states, ranges, bitmaps and dates of single controls.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCharFormat>
#include <algorithm>

#include "qt/bitmaps.h"
#include "qt/control_factory.h"
#include "qt/edit_validator.h"
#include "qt/qt_dialog.h"
#include "qt/text.h"
#include "qt/up_down.h"

namespace telvane::qt {

using ui::ControlKind;

namespace {

// Multi-line edits hold "\r\n" line ends in the program's text, "\n" in the widget.
QString ToWidgetLines(std::string_view text) {
  QString lines = ToQt(text);
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return lines;
}

std::string FromWidgetLines(const QString& text) {
  QString lines = text;
  lines.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return FromQt(lines);
}

}  // namespace

void QtDialog::SetText(int id, std::string_view text) {
  Control* control = Find(id);
  if (control == nullptr) return;
  QWidget* widget = control->widget;
  switch (control->kind) {
    case ControlKind::Static:
    case ControlKind::Picture:
      control->text = std::string(text);
      static_cast<QLabel*>(widget)->setText(LabelText(text));
      break;
    case ControlKind::Edit:
      if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        line->setText(ToQt(text));
      } else if (auto* lines = qobject_cast<QPlainTextEdit*>(widget)) {
        control->settingText = true;  // the limit is for the user's typing
        lines->setPlainText(ToWidgetLines(text));
        control->settingText = false;
      }
      break;
    case ControlKind::PushButton:
    case ControlKind::BitmapButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
      static_cast<QAbstractButton*>(widget)->setText(ToQt(text));
      break;
    case ControlKind::GroupBox: static_cast<QGroupBox*>(widget)->setTitle(ToQt(text)); break;
    case ControlKind::ComboBox: {
      auto* combo = static_cast<QComboBox*>(widget);
      if (combo->isEditable()) {
        combo->setEditText(ToQt(text));
      } else {
        const QSignalBlocker blocker(combo);
        combo->setCurrentIndex(combo->findText(ToQt(text), Qt::MatchExactly));
      }
      break;
    }
    case ControlKind::UpDown: {
      bool isNumber = false;
      const int position = ToQt(text).trimmed().toInt(&isNumber);
      if (isNumber) SetPos(id, position);
      break;
    }
    case ControlKind::TimePicker:
    case ControlKind::ListView:
    case ControlKind::ListBox:
    case ControlKind::Progress:
    case ControlKind::Calendar: break;
  }
}

std::string QtDialog::Text(int id) const {
  const Control* control = Find(id);
  if (control == nullptr) return {};
  QWidget* widget = control->widget;
  switch (control->kind) {
    case ControlKind::Static:
    case ControlKind::Picture: return control->text;
    case ControlKind::Edit:
      if (auto* line = qobject_cast<QLineEdit*>(widget)) return FromQt(line->text());
      if (auto* lines = qobject_cast<QPlainTextEdit*>(widget)) {
        return FromWidgetLines(lines->toPlainText());
      }
      return {};
    case ControlKind::PushButton:
    case ControlKind::BitmapButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: return FromQt(static_cast<QAbstractButton*>(widget)->text());
    case ControlKind::GroupBox: return FromQt(static_cast<QGroupBox*>(widget)->title());
    case ControlKind::ComboBox: return FromQt(static_cast<QComboBox*>(widget)->currentText());
    case ControlKind::ListBox: {
      const QListWidgetItem* item = static_cast<QListWidget*>(widget)->currentItem();
      return item != nullptr ? FromQt(item->text()) : std::string();
    }
    case ControlKind::UpDown: return std::to_string(Pos(id));
    case ControlKind::TimePicker: return FromQt(static_cast<QDateTimeEdit*>(widget)->text());
    case ControlKind::ListView:
    case ControlKind::Progress:
    case ControlKind::Calendar: return {};
  }
  return {};
}

void QtDialog::Enable(int id, bool enabled) {
  if (const Control* control = Find(id)) control->widget->setEnabled(enabled);
}

bool QtDialog::IsEnabled(int id) const {
  const Control* control = Find(id);
  // The control's own state, whatever the window's.
  return control != nullptr && control->widget->isEnabledTo(window_);
}

void QtDialog::Show(int id, bool visible) {
  if (const Control* control = Find(id)) control->widget->setVisible(visible);
}

void QtDialog::SetFocus(int id) {
  if (const Control* control = Find(id)) control->widget->setFocus(Qt::OtherFocusReason);
}

void QtDialog::SetTextLimit(int id, int maxCharacters) {
  Control* control = Find(id);
  if (control == nullptr || control->kind != ControlKind::Edit) return;
  const int limit = std::max(0, maxCharacters);
  control->textLimit = limit;
  if (auto* line = qobject_cast<QLineEdit*>(control->widget)) {
    // A validator, not the maximum length: text the program sets stays whole.
    for (QValidator* validator : line->findChildren<QValidator*>()) {
      if (auto* editValidator = dynamic_cast<EditValidator*>(validator)) {
        editValidator->SetLimit(limit);
      }
    }
  }
}

void QtDialog::SetChecked(int id, bool checked) {
  const Control* control = Find(id);
  if (control == nullptr) return;
  auto* button = qobject_cast<QAbstractButton*>(control->widget);
  if (button == nullptr || !button->isCheckable()) return;
  QButtonGroup* group = button->group();
  // An exclusive group refuses to clear its checked button; the program may.
  const bool lift = group != nullptr && !checked && group->exclusive();
  if (lift) group->setExclusive(false);
  button->setChecked(checked);
  if (lift) group->setExclusive(true);
}

bool QtDialog::IsChecked(int id) const {
  const Control* control = Find(id);
  if (control == nullptr) return false;
  const auto* button = qobject_cast<QAbstractButton*>(control->widget);
  return button != nullptr && button->isCheckable() && button->isChecked();
}

void QtDialog::SetRange(int id, int low, int high) {
  const Control* control = Find(id);
  if (control == nullptr) return;
  if (control->kind == ControlKind::UpDown) {
    dynamic_cast<UpDown*>(control->widget)->SetRange(low, high);
  } else if (control->kind == ControlKind::Progress) {
    static_cast<QProgressBar*>(control->widget)->setRange(std::min(low, high), std::max(low, high));
  }
}

void QtDialog::SetPos(int id, int position) {
  const Control* control = Find(id);
  if (control == nullptr) return;
  if (control->kind == ControlKind::UpDown) {
    dynamic_cast<UpDown*>(control->widget)->SetPos(position);
  } else if (control->kind == ControlKind::Progress) {
    auto* bar = static_cast<QProgressBar*>(control->widget);
    bar->setValue(std::clamp(position, bar->minimum(), bar->maximum()));
  }
}

int QtDialog::Pos(int id) const {
  const Control* control = Find(id);
  if (control == nullptr) return 0;
  if (control->kind == ControlKind::UpDown) return dynamic_cast<UpDown*>(control->widget)->Pos();
  if (control->kind == ControlKind::Progress) {
    return static_cast<QProgressBar*>(control->widget)->value();
  }
  return 0;
}

void QtDialog::SetBitmap(int id, int bitmapId) {
  Control* control = Find(id);
  if (control == nullptr) return;
  const QPixmap pixmap = DrawBitmap(bitmapId);
  if (auto* button = qobject_cast<QPushButton*>(control->widget)) {
    button->setIcon(QIcon(pixmap));
    button->setIconSize(pixmap.size().boundedTo(button->size() - QSize(4, 4)));
  } else if (auto* label = qobject_cast<QLabel*>(control->widget)) {
    label->setPixmap(pixmap);
  } else {
    return;
  }
  control->bitmap = bitmapId;
}

int QtDialog::Bitmap(int id) const {
  const Control* control = Find(id);
  return control != nullptr ? control->bitmap : 0;
}

void QtDialog::SetDate(int id, ui::Date date) {
  const Control* control = Find(id);
  if (control == nullptr) return;
  const QDate value(date.year, date.month, date.day);
  if (!value.isValid()) return;
  const QSignalBlocker blocker(control->widget);
  if (auto* calendar = qobject_cast<QCalendarWidget*>(control->widget)) {
    calendar->setSelectedDate(value);
  } else if (auto* picker = qobject_cast<QDateTimeEdit*>(control->widget)) {
    picker->setDate(value);
  }
}

void QtDialog::SetBoldDay(int id, std::optional<ui::Date> day) {
  Control* control = Find(id);
  auto* calendar = control ? qobject_cast<QCalendarWidget*>(control->widget) : nullptr;
  if (calendar == nullptr) return;
  if (control->boldDay) {
    const ui::Date old = *control->boldDay;
    calendar->setDateTextFormat(QDate(old.year, old.month, old.day), QTextCharFormat());
  }
  control->boldDay.reset();
  if (!day || !QDate(day->year, day->month, day->day).isValid()) return;
  QTextCharFormat bold;
  bold.setFontWeight(QFont::Bold);
  calendar->setDateTextFormat(QDate(day->year, day->month, day->day), bold);
  control->boldDay = day;
}

std::optional<ui::Date> QtDialog::BoldDay(int id) const {
  const Control* control = Find(id);
  return control ? control->boldDay : std::nullopt;
}

ui::Date QtDialog::GetDate(int id) const {
  const Control* control = Find(id);
  QDate value;
  if (control == nullptr) return {};
  if (auto* calendar = qobject_cast<QCalendarWidget*>(control->widget)) {
    value = calendar->selectedDate();
  } else if (auto* picker = qobject_cast<QDateTimeEdit*>(control->widget)) {
    value = picker->date();
  }
  if (!value.isValid()) return {};
  return {value.year(), value.month(), value.day()};
}

void QtDialog::SetTime(int id, ui::Time time) {
  const Control* control = Find(id);
  if (control == nullptr) return;
  auto* picker = qobject_cast<QDateTimeEdit*>(control->widget);
  const QTime value(time.hour, time.minute, time.second);
  if (picker == nullptr || !value.isValid()) return;
  const QSignalBlocker blocker(picker);
  picker->setTime(value);
}

ui::Time QtDialog::GetTime(int id) const {
  const Control* control = Find(id);
  if (control == nullptr) return {};
  const auto* picker = qobject_cast<QDateTimeEdit*>(control->widget);
  if (picker == nullptr) return {};
  const QTime value = picker->time();
  return {value.hour(), value.minute(), value.second()};
}

}  // namespace telvane::qt
