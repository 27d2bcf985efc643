// Open and save file dialogs.
#include "qt/file_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>

#include "qt/file_preview_panel.h"
#include "qt/qt_ui.h"
#include "qt/text.h"

namespace telvane::qt {

QStringList NameFilters(const std::vector<ui::FileFilter>& filters) {
  QStringList names;
  for (const ui::FileFilter& filter : filters) {
    QString patterns = ToQt(filter.pattern).trimmed();
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    QString description = ToQt(filter.description).trimmed();
    if (patterns.isEmpty()) patterns = QStringLiteral("*");
    if (description.isEmpty()) description = patterns;
    const QString suffix = QStringLiteral("(%1)").arg(patterns);
    names << (description.endsWith(suffix) ? description
                                           : QStringLiteral("%1 %2").arg(description, suffix));
  }
  return names;
}

std::optional<ui::FileChoice> QtUi::ChooseFile(const ui::FileRequest& request) {
  QFileDialog dialog(QApplication::activeWindow());
  // Qt's own titles ("Open", "Save As"), translated with its other texts.
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.save || !request.mustExist ? QFileDialog::AnyFile
                                                        : QFileDialog::ExistingFile);
  // The program's save dialogs append or overwrite as their callers decide.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  const QStringList filters = NameFilters(request.filters);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!request.defaultExtension.empty()) dialog.setDefaultSuffix(ToQt(request.defaultExtension));
  FilePreviewPanel* panel = nullptr;
  if (request.preview != nullptr) {
    // The preview sits in a row of its own below the file list; only Qt's own dialog
    // can carry it.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
      panel = new FilePreviewPanel(
          *request.preview, resources_.Dialog(request.previewTemplate, languageId_), &dialog);
      panel->setObjectName(QStringLiteral("preview"));
      grid->addWidget(panel, grid->rowCount(), 0, 1, grid->columnCount());
      QObject::connect(&dialog, &QFileDialog::currentChanged, panel, [panel](const QString& path) {
        panel->ShowSelection(QFileInfo(path).isFile() ? path : QString());
      });
    }
  }
  if (!request.initialName.empty()) dialog.selectFile(PathToQt(request.initialName));
  const bool accepted = dialog.exec() == QDialog::Accepted;
  if (request.preview != nullptr) request.preview->Stop();
  if (!accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  const QString path = chosen.front();
  if (!request.save && request.mustExist && !QFileInfo(path).isFile()) return std::nullopt;
  return ui::FileChoice{PathFromQt(path), panel != nullptr ? panel->ChosenNumber() : 0};
}

}  // namespace telvane::qt
