// Open and save file dialogs.
#include "qt/file_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

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
  dialog.setWindowTitle(request.save ? QStringLiteral("Save as") : QStringLiteral("Open"));
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.save || !request.mustExist ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
  // The program's save dialogs append or overwrite as their callers decide.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  const QStringList filters = NameFilters(request.filters);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!request.defaultExtension.empty()) dialog.setDefaultSuffix(ToQt(request.defaultExtension));
  if (!request.initialName.empty()) dialog.selectFile(PathToQt(request.initialName));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  const QString path = chosen.front();
  if (!request.save && request.mustExist && !QFileInfo(path).isFile()) return std::nullopt;
  return ui::FileChoice{PathFromQt(path), 0};
}

}  // namespace telvane::qt
