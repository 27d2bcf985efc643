// Drives the whole program on the Qt backend from outside: a stepper that looks at the top
// modal window, and clicks and menu commands given from events of their own.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

#include "qt/qt_link_waiter.h"

namespace telvane::testing {

// Calls `step` every few milliseconds with the top modal window until it returns true.
// Past a minute the test fails and the windows are closed one by one, so a step that
// waits for something that never comes ends the run instead of hanging it.
class Stepper {
 public:
  explicit Stepper(std::function<bool(QWidget*)> step) : step_(std::move(step)) {
    clock_.start();
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* top = QApplication::activeModalWidget();
      if (clock_.elapsed() > 60000) {
        if (!expired_) ADD_FAILURE() << "the program did not reach the expected window in time";
        expired_ = true;
        if (top) top->close();
        return;
      }
      // A step's clicks bypass the input an exchange holds back: none during a wait.
      if (qt::InsideLinkWait()) return;
      if (top && step_(top)) timer_.stop();
    });
    timer_.start(5);
  }

 private:
  std::function<bool(QWidget*)> step_;
  QTimer timer_;
  QElapsedTimer clock_;
  bool expired_ = false;
};

// One step of a walk through the program's windows: true when it has done its part.
using Step = std::function<bool(QWidget* top)>;

// Takes the top modal windows through `steps` in order while `run` runs the program;
// message boxes are accepted on the way and their texts kept in `messages`. Returns how
// many steps were done.
inline std::size_t RunThroughSteps(const std::vector<Step>& steps, QStringList& messages,
                                   const std::function<void()>& run) {
  std::size_t next = 0;
  Stepper stepper([&](QWidget* top) {
    if (auto* box = qobject_cast<QMessageBox*>(top)) {
      messages << box->text();
      box->accept();
      return false;
    }
    if (steps[next](top)) ++next;
    return next == steps.size();
  });
  run();
  return next;
}

// A step that closes `window` (set by an earlier step) once it is on top and enabled again.
inline Step CloseWhenEnabled(QWidget* const& window) {
  return [&window](QWidget* top) {
    if (top != window || !top->isEnabled()) return false;
    top->close();
    return true;
  };
}

inline QString LabelText(QWidget* window, int id) {
  const auto* label = window->findChild<QLabel*>(QStringLiteral("control%1").arg(id));
  return label ? label->text() : QString();
}

// The main window once it shows the phone's maker.
inline bool IsReadyMainWindow(QWidget* top) { return !LabelText(top, 1066).isEmpty(); }

// Clicked from an event of its own: the command runs nested loops of its own, and a timer
// is not called again while its slot is still running.
inline void ClickLater(QWidget* window, int id) {
  QTimer::singleShot(0, window, [window, id] {
    auto* button = window->findChild<QAbstractButton*>(QStringLiteral("control%1").arg(id));
    ASSERT_NE(button, nullptr) << "no button " << id;
    QTest::mouseClick(button, Qt::LeftButton);
  });
}

// A step that waits for the ready main window, keeps it in `mainWindow` and presses its
// button `button`.
inline Step PressOnReadyMainWindow(QWidget*& mainWindow, int button) {
  return [&mainWindow, button](QWidget* top) {
    if (!IsReadyMainWindow(top) || !top->isEnabled()) return false;
    mainWindow = top;
    ClickLater(top, button);
    return true;
  };
}

// Chooses the menu command whose text is `text` (with its "&"), from an event of its own.
inline void ChooseMenuLater(QWidget* window, const QString& text) {
  QTimer::singleShot(0, window, [window, text] {
    for (QAction* action : window->findChildren<QAction*>()) {
      if (action->text() == text) {
        action->trigger();
        return;
      }
    }
    ADD_FAILURE() << "no menu command " << text.toStdString();
  });
}

}  // namespace telvane::testing
