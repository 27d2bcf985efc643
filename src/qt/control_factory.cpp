#include "qt/control_factory.h"

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>

#include "qt/dialog_units.h"
#include "qt/edit_validator.h"
#include "qt/list_view.h"
#include "qt/text.h"
#include "qt/up_down.h"

namespace telvane::qt {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;

constexpr int kLineUnits = 8;  // a text line's height in dialog units

QWidget* CreateStatic(const ControlTemplate& control, QWidget* parent) {
  auto* label = new ClickableLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setText(LabelText(control.text));
  Qt::Alignment alignment = Qt::AlignLeft;
  if (HasStyle(control, "SS_CENTER") || HasStyle(control, "CTEXT")) alignment = Qt::AlignHCenter;
  if (HasStyle(control, "SS_RIGHT") || HasStyle(control, "RTEXT")) alignment = Qt::AlignRight;
  label->setAlignment(alignment | Qt::AlignTop);
  // A label one line high shows its text on that line (the dialog widens for it).
  label->setWordWrap(!HasStyle(control, "SS_LEFTNOWORDWRAP") && !HasStyle(control, "SS_SIMPLE") &&
                     control.height >= 2 * kLineUnits);
  if (HasStyle(control, "SS_SUNKEN") || HasStyle(control, "WS_BORDER")) {
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  }
  if (HasStyle(control, "SS_NOTIFY")) label->setCursor(Qt::PointingHandCursor);
  return label;
}

QWidget* CreatePicture(const ControlTemplate& control, QWidget* parent) {
  auto* label = new ClickableLabel(parent);
  label->setAlignment(Qt::AlignCenter);
  if (HasStyle(control, "SS_BLACKFRAME") || HasStyle(control, "SS_ETCHEDFRAME") ||
      HasStyle(control, "SS_SUNKEN") || HasStyle(control, "WS_BORDER")) {
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
  }
  return label;
}

QWidget* CreateEdit(const ControlTemplate& control, QWidget* parent) {
  const bool readOnly = HasStyle(control, "ES_READONLY");
  if (HasStyle(control, "ES_MULTILINE")) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setReadOnly(readOnly);
    edit->setTabChangesFocus(true);
    edit->setLineWrapMode(HasStyle(control, "ES_AUTOHSCROLL") ? QPlainTextEdit::NoWrap
                                                              : QPlainTextEdit::WidgetWidth);
    edit->setPlainText(ToQt(control.text));
    return edit;
  }
  auto* edit = new QLineEdit(ToQt(control.text), parent);
  edit->setReadOnly(readOnly);
  if (HasStyle(control, "ES_PASSWORD")) edit->setEchoMode(QLineEdit::Password);
  edit->setValidator(new EditValidator(HasStyle(control, "ES_NUMBER"), edit));
  if (HasStyle(control, "ES_CENTER")) edit->setAlignment(Qt::AlignHCenter);
  if (HasStyle(control, "ES_RIGHT")) edit->setAlignment(Qt::AlignRight);
  return edit;
}

QWidget* CreateButton(const ControlTemplate& control, QWidget* parent) {
  auto* button = new QPushButton(parent);
  if (control.kind != ControlKind::BitmapButton) button->setText(ToQt(control.text));
  // Enter is handled by the dialog as the window system does; no Qt auto-default.
  button->setAutoDefault(false);
  button->setDefault(HasStyle(control, "BS_DEFPUSHBUTTON"));
  return button;
}

QWidget* CreateListBox(const ControlTemplate& control, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setProperty("telvaneSorted", HasStyle(control, "LBS_SORT"));
  return list;
}

QWidget* CreateComboBox(const ControlTemplate& control, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setEditable(!HasStyle(control, "CBS_DROPDOWNLIST"));
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setProperty("telvaneSorted", HasStyle(control, "CBS_SORT"));
  combo->setMaxVisibleItems(12);
  return combo;
}

QWidget* CreateDateTime(const ControlTemplate& control, QWidget* parent) {
  auto* edit = new QDateTimeEdit(parent);
  if (HasStyle(control, "DTS_SHORTDATEFORMAT") || HasStyle(control, "DTS_LONGDATEFORMAT")) {
    edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    edit->setCalendarPopup(true);
  } else {
    edit->setDisplayFormat(QStringLiteral("HH:mm:ss"));
  }
  edit->setDateTime(QDateTime(QDate(2001, 1, 1), QTime(0, 0)));
  return edit;
}

QWidget* CreateWidget(const ControlTemplate& control, QWidget* parent) {
  switch (control.kind) {
    case ControlKind::Static: return CreateStatic(control, parent);
    case ControlKind::Picture: return CreatePicture(control, parent);
    case ControlKind::Edit: return CreateEdit(control, parent);
    case ControlKind::PushButton:
    case ControlKind::BitmapButton: return CreateButton(control, parent);
    case ControlKind::CheckBox: return new QCheckBox(ToQt(control.text), parent);
    case ControlKind::RadioButton: return new QRadioButton(ToQt(control.text), parent);
    case ControlKind::GroupBox: return new QGroupBox(ToQt(control.text), parent);
    case ControlKind::ListView: {
      auto* list = new ListView(control.id, HasStyle(control, "LVS_SINGLESEL"), parent);
      if (HasStyle(control, "LVS_EDITLABELS")) list->AllowFirstCellEdit();
      return list;
    }
    case ControlKind::ListBox: return CreateListBox(control, parent);
    case ControlKind::ComboBox: return CreateComboBox(control, parent);
    case ControlKind::UpDown: return new UpDown(parent);
    case ControlKind::Progress: {
      auto* bar = new QProgressBar(parent);
      bar->setRange(0, 100);
      bar->setValue(0);
      // The percentage marks the bar as one even while it is empty.
      bar->setTextVisible(true);
      bar->setAlignment(Qt::AlignCenter);
      return bar;
    }
    case ControlKind::Calendar: {
      auto* calendar = new QCalendarWidget(parent);
      calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
      calendar->setSelectedDate(QDate(2001, 1, 1));
      return calendar;
    }
    case ControlKind::TimePicker: return CreateDateTime(control, parent);
  }
  return new QWidget(parent);
}

}  // namespace

bool HasStyle(const ControlTemplate& control, std::string_view style) {
  return std::ranges::find(control.styles, style) != control.styles.end();
}

void ClickableLabel::SetClicked(std::function<void()> clicked) { clicked_ = std::move(clicked); }

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool inside = rect().contains(event->position().toPoint());
  if (clicked_ && event->button() == Qt::LeftButton && inside) {
    clicked_();
    return;
  }
  QLabel::mouseReleaseEvent(event);
}

QString LabelText(std::string_view text) {
  QString shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;  // "&&" keeps one, "&x" shows x
    shown += QChar(static_cast<unsigned char>(text[i]));
  }
  return shown;
}

void PlaceControl(QWidget& widget, const ControlTemplate& control, const DialogUnits& units) {
  QRect geometry = units.ToPixels(control.x, control.y, control.width, control.height);
  if (control.kind == ControlKind::ComboBox) {
    // The template height includes the dropped-down list; the field is one line high.
    geometry.setHeight(std::min(geometry.height(), widget.sizeHint().height()));
  }
  widget.setGeometry(geometry);
}

QSize TextNeeds(const QWidget& widget) {
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    if (label->text().isEmpty()) return {};
    if (!label->wordWrap()) return label->sizeHint();
    // A wrapping label needs its longest word, and its lines' height at its width.
    return {label->minimumSizeHint().width(), label->heightForWidth(label->width())};
  }
  if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
    if (button->text().isEmpty()) return {};
    return PushButtonTextNeeds(*button);
  }
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
    if (button->text().isEmpty()) return {};
    return button->sizeHint();
  }
  return {};
}

QSize PushButtonTextNeeds(const QPushButton& button) {
  // The style's size hint makes every text button at least 80 pixels wide and pads it
  // generously; the text itself needs its line, the button's frame and, across, its margins.
  const QStyle& style = *button.style();
  const int frame = style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
  const int margin = style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button);
  const QString text = QString(button.text()).remove(QLatin1Char('&'));
  return {button.fontMetrics().horizontalAdvance(text) + 2 * (frame + margin),
          button.fontMetrics().height() + 2 * (frame + 1)};
}

QWidget* CreateControl(const ControlTemplate& control, const DialogUnits& units, QWidget* parent) {
  QWidget* widget = CreateWidget(control, parent);
  PlaceControl(*widget, control, units);
  if (control.id != -1) widget->setObjectName(QStringLiteral("control%1").arg(control.id));
  if (HasStyle(control, "WS_DISABLED")) widget->setEnabled(false);
  if (HasStyle(control, "NOT WS_VISIBLE")) widget->setVisible(false);
  const bool labelLike =
      control.kind == ControlKind::Static || control.kind == ControlKind::Picture ||
      control.kind == ControlKind::GroupBox || control.kind == ControlKind::Progress;
  if (labelLike) widget->setFocusPolicy(Qt::NoFocus);
  return widget;
}

}  // namespace telvane::qt
