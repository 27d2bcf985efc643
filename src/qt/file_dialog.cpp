// Open and save file dialogs.
#include "qt/file_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QScreen>
#include <QSpinBox>
#include <QTreeView>

#include "qt/file_preview_panel.h"
#include "qt/qt_ui.h"
#include "qt/text.h"

namespace telvane::qt {
namespace {

// Wide and tall enough for the name, size, type and date columns side by side and a dozen
// rows; never larger than the screen.
constexpr QSize kFileDialogMinimum(860, 520);

QSize FileDialogSize(const QWidget& dialog) {
  QSize size = dialog.sizeHint().expandedTo(kFileDialogMinimum);
  if (const QScreen* screen = dialog.screen()) {
    size = size.boundedTo(screen->availableGeometry().size());
  }
  return size;
}

// Size, type and date as wide as what they show; the name column takes the rest, so no
// column lies beyond the list's right edge. Only Qt's own dialog has this list.
void FitColumns(QFileDialog& dialog) {
  auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
  if (list == nullptr || list->header()->count() < 2) return;
  QHeaderView* header = list->header();
  header->setStretchLastSection(false);
  header->setSectionResizeMode(0, QHeaderView::Stretch);
  for (int column = 1; column < header->count(); ++column) {
    header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
  }
}

}  // namespace

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
      if (request.previewNumberTip != 0) {
        panel->NumberBox()->setToolTip(
            ToQt(resources_.String(request.previewNumberTip, languageId_)));
      }
      QObject::connect(&dialog, &QFileDialog::currentChanged, panel, [panel](const QString& path) {
        panel->ShowSelection(QFileInfo(path).isFile() ? path : QString());
      });
    }
  }
  if (!request.initialName.empty()) dialog.selectFile(PathToQt(request.initialName));
  dialog.resize(FileDialogSize(dialog));
  FitColumns(dialog);
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
