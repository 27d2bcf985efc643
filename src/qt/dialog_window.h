// The top-level window of a dialog. It closes only when its dialog ends it; the close
// box, Escape, Enter, F1 and dropped files are handed to the dialog instead.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

namespace telvane::qt {

class DialogWindowEvents {
 public:
  virtual void CloseBoxPressed() = 0;
  virtual void HelpKeyPressed() = 0;
  virtual void EscapePressed() = 0;
  virtual void EnterPressed() = 0;
  virtual void FilesDropped(const std::vector<std::string>& paths) = 0;
  virtual void WindowResized() = 0;

 protected:
  ~DialogWindowEvents() = default;
};

class DialogWindow : public QDialog {
 public:
  explicit DialogWindow(DialogWindowEvents& events);

  // The dialog is going away: events are no longer passed on.
  void Detach() { events_ = nullptr; }
  // Hides the window as the end of the dialog, with `result` for exec().
  void Finish(int result);
  // Counts handler calls in progress, so the window is not deleted under one.
  void EnterDispatch() { ++dispatchDepth_; }
  void LeaveDispatch() { --dispatchDepth_; }
  bool Dispatching() const { return dispatchDepth_ > 0; }

 public:
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  DialogWindowEvents* events_;
  bool finishing_ = false;
  int dispatchDepth_ = 0;
};

}  // namespace telvane::qt
