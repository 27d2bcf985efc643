#include "qt/qt_ui.h"

#include <QApplication>
#include <QEventLoop>
#include <QScreen>
#include <algorithm>
#include <cstdio>

#include "qt/bitmaps.h"
#include "qt/print_job.h"
#include "qt/qt_dialog.h"
#include "qt/qt_translations.h"
#include "ui/resources.h"

namespace telvane::qt {

QtUi::QtUi(const ui::Resources& resources, int languageId)
    : resources_(resources),
      languageId_(languageId),
      qtTranslations_(InstallQtTranslations(languageId)) {
  QApplication::setWindowIcon(ProgramIcon());
}

QtUi::~QtUi() = default;

std::unique_ptr<QtDialog> QtUi::MakeDialog(int templateId, ui::DialogHandler& handler) const {
  const ui::DialogTemplate* dialogTemplate = resources_.Dialog(templateId, languageId_);
  if (dialogTemplate == nullptr) {
    std::fprintf(stderr, "telvane: no dialog template %d\n", templateId);
    return nullptr;
  }
  const ui::MenuTemplate* menu =
      dialogTemplate->menuId != 0 ? resources_.Menu(dialogTemplate->menuId, languageId_) : nullptr;
  return std::make_unique<QtDialog>(*dialogTemplate, menu, handler,
                                    DialogContext{&resources_, languageId_});
}

int QtUi::RunModal(int templateId, ui::DialogHandler& handler, ui::Dialog* opener) {
  std::unique_ptr<QtDialog> dialog = MakeDialog(templateId, handler);
  if (dialog == nullptr) return kNoTemplate;
  // The dialog is application modal: the opener takes no input while it runs, and is
  // not drawn disabled for it.
  if (dialog->Resizable()) {
    if (const auto size = RememberedSize(templateId)) {
      // Never larger than the screen's free area; ResizeWindow keeps the template's size
      // as the least.
      const ui::Rect area = WorkArea();
      dialog->ResizeWindow(
          QSize(std::min(size->width, area.width), std::min(size->height, area.height)));
    }
  }
  const int result = dialog->Exec();
  if (dialog->Resizable()) RememberSize(templateId, *dialog);
  dialog.reset();
  if (auto* window = dynamic_cast<QtDialog*>(opener)) window->Activate();
  return result;
}

std::optional<ui::WindowSize> QtUi::RememberedSize(int templateId) const {
  if (sizeStore_ != nullptr) return sizeStore_->Recall(templateId);
  const auto remembered = listWindowSizes_.find(templateId);
  if (remembered == listWindowSizes_.end()) return std::nullopt;
  return remembered->second;
}

void QtUi::RememberSize(int templateId, const QtDialog& dialog) {
  const ui::WindowSize size{dialog.Window().width(), dialog.Window().height()};
  if (sizeStore_ != nullptr) {
    sizeStore_->Remember(templateId, size);
  } else {
    listWindowSizes_[templateId] = size;
  }
}

std::unique_ptr<ui::Dialog> QtUi::OpenModeless(int templateId, ui::DialogHandler& handler) {
  std::unique_ptr<QtDialog> dialog = MakeDialog(templateId, handler);
  if (dialog != nullptr) dialog->Open();
  return dialog;
}

void QtUi::PumpMessages() {
  // Repaints, timers and posted work, but no user input: one exchange at a time.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

ui::Rect QtUi::WorkArea() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {0, 0, 1024, 768};
  const QRect area = screen->availableGeometry();
  return {area.x(), area.y(), area.width(), area.height()};
}

std::unique_ptr<ui::PrintJob> QtUi::StartPrint() {
  return QtPrintJob::Choose(QApplication::activeWindow());
}

}  // namespace telvane::qt
