// The preview strip of the open dialogs: selection reported to the preview, the picture
// drawn over the frame, grey without one, and the chosen number returned.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include "qt/dialog_units.h"
#include "qt/file_preview_panel.h"
#include "qt/qt_ui.h"
#include "support/temp_dir.h"
#include "ui/resources.h"

namespace telvane::qt {
namespace {

class FakePicturePreview : public ui::FilePreview {
 public:
  int NumberCount() const override { return 3; }
  void SelectionChanged(const std::string& path) override {
    selections.push_back(path);
    shown = path.find(".bmp") != std::string::npos;
  }
  const ui::PreviewPicture* Picture() const override { return shown ? &picture : nullptr; }
  void Stop() override { ++stops; }

  ui::PreviewPicture picture{2, 1, {0xFF0000, 0x0000FF}};
  std::vector<std::string> selections;
  bool shown = false;
  int stops = 0;
};

QRgb CentreOf(QWidget& widget, double xFraction) {
  const QImage image = widget.grab().toImage();
  return image.pixel(static_cast<int>(image.width() * xFraction), image.height() / 2) & 0xFFFFFF;
}

TEST(FilePreviewPanel, DrawsThePictureOrGreyAndFollowsTheSelection) {
  FakePicturePreview preview;
  FilePreviewPanel panel(preview, nullptr, nullptr);
  panel.resize(200, 60);
  ASSERT_NE(panel.Frame(), nullptr);
  EXPECT_EQ(CentreOf(*panel.Frame(), 0.5), 0xC0C0C0u);

  panel.ShowSelection(QStringLiteral("/tmp/logo.bmp"));
  EXPECT_EQ(CentreOf(*panel.Frame(), 0.25), 0xFF0000u);
  EXPECT_EQ(CentreOf(*panel.Frame(), 0.75), 0x0000FFu);

  panel.ShowSelection(QStringLiteral("/tmp/notes.txt"));
  EXPECT_EQ(CentreOf(*panel.Frame(), 0.5), 0xC0C0C0u);
  EXPECT_EQ(preview.selections, (std::vector<std::string>{"/tmp/logo.bmp", "/tmp/notes.txt"}));
  EXPECT_EQ(panel.NumberBox()->maximum(), 3);
  EXPECT_EQ(panel.ChosenNumber(), 1);
}

TEST(FilePreviewPanel, FrameKeepsItsTemplateSizeAndTheNumberHasItsLabel) {
  FakePicturePreview preview;
  const ui::DialogTemplate* layout = ui::Resources::Embedded().Dialog(160, 9);
  ASSERT_NE(layout, nullptr);
  FilePreviewPanel panel(preview, layout, nullptr);
  panel.resize(600, 80);
  panel.show();
  // 68 x 40 units of the template, not the strip's width.
  const DialogUnits units(DialogFont(*layout));
  EXPECT_EQ(panel.Frame()->size(), QSize(units.X(68), units.Y(40)));
  const auto* label = panel.findChild<QLabel*>();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), QStringLiteral("Logo number:"));
  EXPECT_EQ(label->buddy(), panel.NumberBox());
}

TEST(FilePreviewPanel, OpenDialogReturnsTheChosenNumber) {
  telvane::testing::TempDir dir;
  const std::string logo = (dir.Path() / "logo.bmp").string();
  telvane::testing::WriteFile(logo, "BM");
  ui::Resources resources;
  QtUi ui(resources, 9);
  FakePicturePreview preview;
  ui::FileRequest request;
  request.filters = {{"BMP file (*.bmp)", "*.bmp"}};
  request.defaultExtension = "bmp";
  request.mustExist = true;
  request.previewTemplate = 160;
  request.preview = &preview;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    auto* panel = dialog->findChild<FilePreviewPanel*>(QStringLiteral("preview"));
    ASSERT_NE(panel, nullptr);
    dialog->setDirectory(QString::fromStdString(dir.Path().string()));
    dialog->selectFile(QString::fromStdString(logo));
    panel->ShowSelection(QString::fromStdString(logo));
    panel->NumberBox()->setValue(3);
    QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
  });
  const auto choice = ui.ChooseFile(request);
  ASSERT_TRUE(choice);
  EXPECT_EQ(std::make_pair(choice->path, choice->previewNumber), std::make_pair(logo, 3));
  EXPECT_TRUE(preview.shown);
  EXPECT_EQ(preview.stops, 1);  // a playing tone stops when the dialog ends
}

// The German logo dialog: wide enough for every column head, the number labelled and
// explained in German.
TEST(FilePreviewPanel, OpenDialogShowsItsColumnsAndExplainsTheNumber) {
  // A desktop's larger font: Qt's own column widths would push the date off the list.
  const QFont font = QApplication::font();
  QFont large = font;
  large.setPointSizeF(font.pointSizeF() * 1.5);
  QApplication::setFont(large);
  QtUi ui(ui::Resources::Embedded(), 7);
  FakePicturePreview preview;
  ui::FileRequest request;
  request.mustExist = true;
  request.previewTemplate = 160;
  request.preview = &preview;
  request.previewNumberTip = 1700;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    const QSize screen = dialog->screen()->availableGeometry().size();
    EXPECT_EQ(dialog->width(), std::min(860, screen.width()));
    EXPECT_EQ(dialog->height(),
              std::min(std::max(520, dialog->sizeHint().height()), screen.height()));
    auto* list = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
    ASSERT_NE(list, nullptr);
    const QHeaderView* header = list->header();
    // Name, size, type and date all lie inside the list, each wider than its head.
    for (int column = 0; column < header->count(); ++column) {
      const QString head = list->model()->headerData(column, Qt::Horizontal).toString();
      EXPECT_GE(header->sectionSize(column), header->fontMetrics().horizontalAdvance(head))
          << head.toStdString();
      EXPECT_LE(header->sectionViewportPosition(column) + header->sectionSize(column),
                header->viewport()->width())
          << head.toStdString();
    }
    auto* panel = dialog->findChild<FilePreviewPanel*>(QStringLiteral("preview"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->NumberBox()->toolTip(),
              QStringLiteral("Logo-Speicherplatz im Handy, der das Bild erhält (1 bis 3)"));
    const auto* label = panel->findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("Logonummer:"));
    dialog->reject();
  });
  EXPECT_FALSE(ui.ChooseFile(request));
  QApplication::setFont(font);
}

}  // namespace
}  // namespace telvane::qt
