// Construction, the window as a whole, event dispatch, menus and timers.
#include "qt/qt_dialog.h"

#include <QButtonGroup>
#include <QCursor>
#include <QFont>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>
#include <exception>

#include "qt/bitmaps.h"
#include "qt/control_factory.h"
#include "qt/list_view.h"
#include "qt/qt_link_waiter.h"
#include "qt/text.h"
#include "qt/text_fit.h"
#include "qt/up_down.h"
#include "qt/window_resizer.h"

namespace telvane::qt {

using ui::ControlKind;

QtDialog::QtDialog(const ui::DialogTemplate& dialogTemplate, const ui::MenuTemplate* menu,
                   ui::DialogHandler& handler, DialogContext context)
    : templateId_(dialogTemplate.id),
      handler_(handler),
      context_(context),
      connections_(std::make_unique<QObject>()),
      window_(new DialogWindow(*this)) {
  window_->setWindowTitle(ToQt(dialogTemplate.caption));
  window_->setWindowIcon(ProgramIcon());
  window_->setFont(DialogFont(dialogTemplate));
  units_ = std::make_unique<DialogUnits>(window_->font());

  // The controls sit on a client area below the menu bar.
  client_ = new QWidget(window_);
  BuildControls(dialogTemplate, *client_);
  const QSize clientSize(units_->X(dialogTemplate.width), units_->Y(dialogTemplate.height));
  int menuHeight = 0;
  if (menu != nullptr) {
    QMenuBar* bar = BuildMenuBar(
        *menu, *window_, menuActions_, [this](int command) { Command(command); }, *connections_);
    menuHeight = bar->sizeHint().height();
    bar->setGeometry(0, 0, clientSize.width(), menuHeight);
    menuBar_ = bar;
  }
  client_->setGeometry(QRect(QPoint(0, menuHeight), clientSize));
  SetUpSizing(clientSize);
}

void QtDialog::SetUpSizing(QSize clientSize) {
  const QSize windowSize = clientSize + QSize(0, client_->y());
  QWidget* list = nullptr;
  if (IsListWindow(templateId_)) {
    // The largest list takes the extra room.
    auto area = [](const QWidget* widget) { return widget->width() * widget->height(); };
    for (const Control& control : controls_) {
      const bool isList =
          control.kind == ControlKind::ListView || control.kind == ControlKind::ListBox;
      if (isList && (list == nullptr || area(control.widget) > area(list))) list = control.widget;
    }
  }
  if (list == nullptr) {
    window_->setFixedSize(windowSize);
    return;
  }
  std::vector<QWidget*> widgets;
  for (const Control& control : controls_) widgets.push_back(control.widget);
  resizer_ = std::make_unique<WindowResizer>(widgets, *list, clientSize);
  window_->setMinimumSize(windowSize);
  window_->resize(windowSize);
}

void QtDialog::ResizeWindow(QSize size) {
  if (resizer_ != nullptr) window_->resize(size.expandedTo(window_->minimumSize()));
}

void QtDialog::WindowResized() {
  if (resizer_ == nullptr) return;
  const QSize clientSize(window_->width(), window_->height() - client_->y());
  if (menuBar_ != nullptr) menuBar_->resize(window_->width(), menuBar_->height());
  client_->resize(clientSize);
  resizer_->Resize(clientSize);
}

QtDialog::~QtDialog() {
  for (auto& [id, timer] : timers_) timer->stop();
  timers_.clear();
  connections_.reset();  // no handler call from here on (the timers go with it)
  // The callbacks held by the controls themselves point here too.
  for (const Control& control : controls_) {
    if (auto* list = dynamic_cast<ListView*>(control.widget)) list->SetEventSink({});
    if (auto* upDown = dynamic_cast<UpDown*>(control.widget)) {
      upDown->SetMoved({});
      upDown->SetBuddy({}, {});
    }
    if (auto* label = dynamic_cast<ClickableLabel*>(control.widget)) label->SetClicked({});
  }
  window_->Detach();
  window_->hide();
  if (window_->Dispatching()) {
    window_->deleteLater();
  } else {
    delete window_;
  }
}

void QtDialog::BuildControls(const ui::DialogTemplate& dialogTemplate, QWidget& client) {
  controls_.reserve(dialogTemplate.controls.size());
  for (const ui::ControlTemplate& item : dialogTemplate.controls) {
    Control control;
    control.kind = item.kind;
    control.id = item.id;
    control.widget = CreateControl(item, *units_, &client);
    control.text = item.text;
    control.defaultButton =
        item.kind == ControlKind::PushButton && HasStyle(item, "BS_DEFPUSHBUTTON");
    control.notify = HasStyle(item, "SS_NOTIFY");
    controls_.push_back(control);
  }
  FitUnitsToTexts(dialogTemplate);
  // Group boxes are frames behind the controls they surround.
  for (const Control& control : controls_) {
    if (control.kind == ControlKind::GroupBox) control.widget->lower();
  }
  GroupRadioButtons(dialogTemplate);
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    Control& control = controls_[i];
    Connect(control);
    if (control.kind == ControlKind::UpDown && i > 0) {
      ConnectUpDownBuddy(controls_[i - 1], *dynamic_cast<UpDown*>(control.widget));
    }
  }
}

// Texts are measured in the font actually used. A text that needs more room than its
// template gives grows its control where the dialog has free room; otherwise the whole
// dialog grows in that direction, so no control comes to overlap another.
void QtDialog::FitUnitsToTexts(const ui::DialogTemplate& dialogTemplate) {
  std::vector<QWidget*> widgets;
  for (const Control& control : controls_) widgets.push_back(control.widget);
  for (QWidget* widget : widgets) {
    if (!GrowToText(*widget, dialogTemplate, widgets)) {
      units_->StretchToFit(TextNeeds(*widget), widget->size());
    }
  }
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    PlaceControl(*controls_[i].widget, dialogTemplate.controls[i], *units_);
  }
  for (QWidget* widget : widgets) GrowToText(*widget, dialogTemplate, widgets);
}

bool QtDialog::GrowToText(QWidget& widget, const ui::DialogTemplate& dialogTemplate,
                          const std::vector<QWidget*>& widgets) const {
  const QSize needs = TextNeeds(widget);
  if (needs.isEmpty()) return true;
  if (needs.width() <= widget.width() && needs.height() <= widget.height()) return true;
  const QSize client(units_->X(dialogTemplate.width), units_->Y(dialogTemplate.height));
  const std::optional<QRect> grown = GrownInPlace(widget, needs, client, widgets);
  if (grown) widget.setGeometry(*grown);
  return grown.has_value();
}

// A radio button with WS_GROUP starts a group that runs to the next WS_GROUP control or
// the next control that is not a radio button.
void QtDialog::GroupRadioButtons(const ui::DialogTemplate& dialogTemplate) {
  QButtonGroup* group = nullptr;
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const ui::ControlTemplate& item = dialogTemplate.controls[i];
    if (item.kind != ControlKind::RadioButton) {
      group = nullptr;
      continue;
    }
    if (group == nullptr || HasStyle(item, "WS_GROUP")) {
      group = new QButtonGroup(window_);
      group->setExclusive(true);
      radioGroups_.push_back(group);
    }
    auto* radio = static_cast<QRadioButton*>(controls_[i].widget);
    radio->setAutoExclusive(false);
    group->addButton(radio);
  }
}

template <typename Call>
void QtDialog::Dispatch(Call&& call) {
  const QPointer<DialogWindow> window(window_);
  window->EnterDispatch();
  try {
    call();
  } catch (const std::exception& error) {
    // Nothing may unwind through Qt's event loop; the window stays usable.
    std::fprintf(stderr, "telvane: a window handler failed: %s\n", error.what());
  }
  if (window) window->LeaveDispatch();
}

void QtDialog::Command(int commandId) {
  Dispatch([this, commandId] { handler_.OnCommand(*this, commandId); });
}

void QtDialog::Event(const ui::ControlEvent& event) {
  Dispatch([this, event] { handler_.OnEvent(*this, event); });
}

void QtDialog::CloseBoxPressed() {
  Dispatch([this] { handler_.OnClose(*this); });
}

void QtDialog::HelpKeyPressed() {
  Dispatch([this] { handler_.OnHelp(*this); });
}

void QtDialog::EscapePressed() { Command(ui::kIdCancel); }

void QtDialog::EnterPressed() {
  // Enter presses the focused button, else the default button, else sends OK.
  if (auto* focused = qobject_cast<QPushButton*>(window_->focusWidget())) {
    if (focused->isEnabled()) focused->click();
    return;
  }
  for (const Control& control : controls_) {
    if (!control.defaultButton) continue;
    if (control.widget->isEnabled()) Command(control.id);
    return;
  }
  Command(ui::kIdOk);
}

void QtDialog::FilesDropped(const std::vector<std::string>& paths) {
  Dispatch([this, paths] { handler_.OnDropFiles(*this, paths); });
}

int QtDialog::Exec() {
  Dispatch([this] { handler_.OnInit(*this); });
  if (!ended_) window_->exec();
  return result_;
}

void QtDialog::Open() {
  Dispatch([this] { handler_.OnInit(*this); });
  if (!ended_) window_->show();
}

void QtDialog::Activate() {
  window_->raise();
  window_->activateWindow();
}

void QtDialog::End(int result) {
  if (ended_) return;
  ended_ = true;
  result_ = result;
  for (auto& [id, timer] : timers_) timer->stop();
  window_->Finish(result);
}

void QtDialog::SetCaption(std::string_view text) { window_->setWindowTitle(ToQt(text)); }

std::string QtDialog::Caption() const { return FromQt(window_->windowTitle()); }

void QtDialog::EnableWindow(bool enabled) { window_->setEnabled(enabled); }

bool QtDialog::IsWindowEnabled() const { return window_->isEnabled(); }

ui::Rect QtDialog::WindowRect() const {
  const QRect frame = window_->frameGeometry();
  return {frame.x(), frame.y(), frame.width(), frame.height()};
}

void QtDialog::MoveWindow(int x, int y) { window_->move(x, y); }

void QtDialog::AcceptFiles(bool accept) { window_->setAcceptDrops(accept); }

QWidget* QtDialog::ControlWidget(int id) const {
  const Control* control = Find(id);
  return control != nullptr ? control->widget : nullptr;
}

const QtDialog::Control* QtDialog::Find(int id) const {
  if (id == -1) return nullptr;
  for (const Control& control : controls_) {
    if (control.id == id) return &control;
  }
  return nullptr;
}

QtDialog::Control* QtDialog::Find(int id) {
  return const_cast<Control*>(std::as_const(*this).Find(id));
}

bool QtDialog::HasControl(int id) const { return Find(id) != nullptr; }

void QtDialog::AddTooltip(int id, int stringId) {
  const Control* control = Find(id);
  if (control == nullptr || context_.resources == nullptr) return;
  control->widget->setToolTip(ToQt(context_.resources->String(stringId, context_.languageId)));
}

void QtDialog::SetTooltipText(int id, std::string_view text) {
  if (const Control* control = Find(id)) control->widget->setToolTip(ToQt(text));
}

void QtDialog::SetFontSize(int id, int points) {
  const Control* control = Find(id);
  if (control == nullptr || points <= 0) return;
  QFont font = control->widget->font();
  font.setPointSize(points);
  control->widget->setFont(font);
}

void QtDialog::EnableMenuItem(int commandId, bool enabled) {
  const auto [first, last] = menuActions_.equal_range(commandId);
  for (auto it = first; it != last; ++it) it->second->setEnabled(enabled);
}

bool QtDialog::IsMenuItemEnabled(int commandId) const {
  const auto it = menuActions_.find(commandId);
  return it != menuActions_.end() && it->second->isEnabled();
}

void QtDialog::CheckMenuItem(int commandId, bool checked) {
  const auto [first, last] = menuActions_.equal_range(commandId);
  for (auto it = first; it != last; ++it) {
    it->second->setCheckable(true);
    it->second->setChecked(checked);
  }
}

void QtDialog::ShowPopupMenu(int menuId) {
  if (context_.resources == nullptr) return;
  const ui::MenuTemplate* menu = context_.resources->Menu(menuId, context_.languageId);
  if (menu == nullptr || menu->items.empty()) return;
  // The first pop-up of the menu; a menu of plain entries is shown as it is.
  const std::vector<ui::MenuItem>& items =
      menu->items.front().children.empty() ? menu->items : menu->items.front().children;
  ShowPopupMenu(ui::MenuTemplate{menuId, items});
}

void QtDialog::ShowPopupMenu(const ui::MenuTemplate& menu) {
  if (menu.items.empty()) return;
  auto* popup = new QMenu(window_);
  popup->setAttribute(Qt::WA_DeleteOnClose);
  popup->setObjectName(QStringLiteral("popup%1").arg(menu.id));
  CommandActions actions;  // pop-up entries are not addressed by EnableMenuItem
  FillMenu(
      *popup, menu.items, actions, [this](int command) { Command(command); }, *connections_);
  popup->popup(QCursor::pos());
}

void QtDialog::SetTimer(int timerId, int milliseconds) {
  QTimer*& timer = timers_[timerId];
  if (timer == nullptr) {
    timer = new QTimer(connections_.get());
    QObject::connect(timer, &QTimer::timeout, connections_.get(), [this, timerId] {
      if (InsideLinkWait()) return;
      Dispatch([this, timerId] { handler_.OnTimer(*this, timerId); });
    });
  }
  timer->start(std::max(0, milliseconds));
}

void QtDialog::KillTimer(int timerId) {
  const auto it = timers_.find(timerId);
  if (it == timers_.end()) return;
  it->second->stop();
  it->second->deleteLater();
  timers_.erase(it);
}

}  // namespace telvane::qt
