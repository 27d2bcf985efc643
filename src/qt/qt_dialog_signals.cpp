// The controls' signals as the handler's commands and events.
#include <QAbstractButton>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <algorithm>
#include <iterator>
#include <utility>

#include "qt/control_factory.h"
#include "qt/list_view.h"
#include "qt/qt_dialog.h"
#include "qt/text.h"
#include "qt/up_down.h"

namespace telvane::qt {

using ui::ControlKind;

void QtDialog::Connect(Control& control) {
  using Connector = void (QtDialog::*)(Control&);
  // Group boxes and progress bars send nothing.
  static constexpr std::pair<ControlKind, Connector> kConnectors[] = {
      {ControlKind::PushButton, &QtDialog::ConnectButton},
      {ControlKind::BitmapButton, &QtDialog::ConnectButton},
      {ControlKind::CheckBox, &QtDialog::ConnectButton},
      {ControlKind::RadioButton, &QtDialog::ConnectButton},
      {ControlKind::Static, &QtDialog::ConnectLabel},
      {ControlKind::Picture, &QtDialog::ConnectLabel},
      {ControlKind::Edit, &QtDialog::ConnectEdit},
      {ControlKind::ListView, &QtDialog::ConnectListView},
      {ControlKind::ListBox, &QtDialog::ConnectListBox},
      {ControlKind::ComboBox, &QtDialog::ConnectComboBox},
      {ControlKind::UpDown, &QtDialog::ConnectUpDown},
      {ControlKind::Calendar, &QtDialog::ConnectCalendar},
      {ControlKind::TimePicker, &QtDialog::ConnectTimePicker},
  };
  const auto entry =
      std::ranges::find(kConnectors, control.kind, &std::pair<ControlKind, Connector>::first);
  if (entry != std::end(kConnectors)) (this->*entry->second)(control);
}

std::function<void()> QtDialog::Changed(int id) {
  return [this, id] { Event({ui::EventKind::Changed, id}); };
}

void QtDialog::ConnectButton(Control& control) {
  QObject::connect(static_cast<QAbstractButton*>(control.widget), &QAbstractButton::clicked,
                   connections_.get(), [this, id = control.id] { Command(id); });
}

// A label that is addressed and has SS_NOTIFY reports clicks as commands.
void QtDialog::ConnectLabel(Control& control) {
  if (control.id == -1 || !control.notify) return;
  static_cast<ClickableLabel*>(control.widget)->SetClicked([this, id = control.id] {
    Command(id);
  });
}

void QtDialog::ConnectEdit(Control& control) {
  const int id = control.id;
  const auto changed = Changed(id);
  if (auto* line = qobject_cast<QLineEdit*>(control.widget)) {
    QObject::connect(line, &QLineEdit::textChanged, connections_.get(), changed);
    return;
  }
  auto* text = qobject_cast<QPlainTextEdit*>(control.widget);
  if (text == nullptr) return;
  QObject::connect(text, &QPlainTextEdit::textChanged, connections_.get(),
                   [this, id, text, changed] {
                     const Control* self = Find(id);
                     if (self != nullptr && self->textLimit > 0 && !self->settingText) {
                       const QString content = text->toPlainText();
                       if (content.size() > self->textLimit) {
                         // Over the limit (typed or pasted): keep what fits.
                         const QSignalBlocker blocker(text);
                         text->setPlainText(content.left(self->textLimit));
                         text->moveCursor(QTextCursor::End);
                       }
                     }
                     changed();
                   });
}

void QtDialog::ConnectListView(Control& control) {
  dynamic_cast<ListView*>(control.widget)->SetEventSink([this](const ui::ControlEvent& event) {
    Event(event);
  });
}

void QtDialog::ConnectListBox(Control& control) {
  QObject* context = connections_.get();
  const int id = control.id;
  auto* list = static_cast<QListWidget*>(control.widget);
  QObject::connect(list, &QListWidget::currentRowChanged, context, [this, id](int row) {
    Event({ui::EventKind::SelectionChanged, id, row});
  });
  QObject::connect(list, &QListWidget::itemDoubleClicked, context,
                   [this, id, list](QListWidgetItem* item) {
                     Event({ui::EventKind::DoubleClicked, id, list->row(item)});
                   });
  // A list box with a pop-up menu hears the right mouse button like a list view.
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(list, &QListWidget::customContextMenuRequested, context,
                   [this, id, list](const QPoint& where) {
                     QListWidgetItem* item = list->itemAt(where);
                     Event({ui::EventKind::RightClicked, id, item ? list->row(item) : -1});
                   });
}

void QtDialog::ConnectComboBox(Control& control) {
  const int id = control.id;
  auto* combo = static_cast<QComboBox*>(control.widget);
  QObject::connect(combo, &QComboBox::activated, connections_.get(), [this, id](int row) {
    Event({ui::EventKind::SelectionChanged, id, row});
  });
  if (QLineEdit* line = combo->lineEdit()) {
    QObject::connect(line, &QLineEdit::textEdited, connections_.get(), Changed(id));
  }
}

void QtDialog::ConnectUpDown(Control& control) {
  dynamic_cast<UpDown*>(control.widget)->SetMoved(Changed(control.id));
}

void QtDialog::ConnectCalendar(Control& control) {
  QObject::connect(static_cast<QCalendarWidget*>(control.widget),
                   &QCalendarWidget::selectionChanged, connections_.get(), Changed(control.id));
}

void QtDialog::ConnectTimePicker(Control& control) {
  QObject::connect(static_cast<QDateTimeEdit*>(control.widget), &QDateTimeEdit::dateTimeChanged,
                   connections_.get(), Changed(control.id));
}

void QtDialog::ConnectUpDownBuddy(const Control& buddy, UpDown& upDown) {
  const int buddyId = buddy.id;
  upDown.SetBuddy([this, buddyId] { return ToQt(Text(buddyId)); },
                  [this, buddyId](const QString& text) { SetText(buddyId, FromQt(text)); });
  upDown.TakeArrowKeysOf(*buddy.widget);
  // The buddy's geometry decides the up-down's when the template gives it no width.
  if (upDown.width() <= 0) {
    const QRect area = buddy.widget->geometry();
    upDown.setGeometry(area.right() + 1, area.top(), units_->X(10), area.height());
  }
}

}  // namespace telvane::qt
