#include "qt/dialog_window.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QResizeEvent>
#include <QUrl>

#include "qt/text.h"

namespace telvane::qt {
namespace {

std::vector<std::string> LocalFiles(const QMimeData* data) {
  std::vector<std::string> paths;
  if (data == nullptr || !data->hasUrls()) return paths;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) paths.push_back(PathFromQt(url.toLocalFile()));
  }
  return paths;
}

}  // namespace

DialogWindow::DialogWindow(DialogWindowEvents& events) : events_(&events) {
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setSizeGripEnabled(false);
}

void DialogWindow::Finish(int result) {
  finishing_ = true;
  done(result);
  finishing_ = false;
}

void DialogWindow::reject() {
  if (events_ != nullptr) events_->EscapePressed();
}

void DialogWindow::closeEvent(QCloseEvent* event) {
  if (finishing_ || events_ == nullptr) {
    event->accept();
    return;
  }
  event->ignore();
  events_->CloseBoxPressed();
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
  if (events_ == nullptr) {
    QDialog::keyPressEvent(event);
    return;
  }
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  switch (event->key()) {
    case Qt::Key_F1:
      event->accept();
      events_->HelpKeyPressed();
      return;
    case Qt::Key_Escape:
      if (!plain) break;
      event->accept();
      events_->EscapePressed();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!plain) break;
      event->accept();
      events_->EnterPressed();
      return;
    default: break;
  }
  QDialog::keyPressEvent(event);
}

void DialogWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!LocalFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void DialogWindow::dragMoveEvent(QDragMoveEvent* event) {
  if (!LocalFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void DialogWindow::dropEvent(QDropEvent* event) {
  const std::vector<std::string> paths = LocalFiles(event->mimeData());
  if (paths.empty() || events_ == nullptr || !acceptDrops()) return;
  event->acceptProposedAction();
  events_->FilesDropped(paths);
}

void DialogWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (events_ != nullptr) events_->WindowResized();
}

}  // namespace telvane::qt
