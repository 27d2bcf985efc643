// The strip an open dialog shows below its file list when its caller asks for a preview:
// a picture frame or play and stop buttons, and the number the user chooses beside them.
#pragma once

#include <QWidget>

#include "ui/resources.h"
#include "ui/ui.h"

class QSpinBox;

namespace telvane::qt {

// Draws the preview's picture stretched over the whole frame, pixel for pixel without
// smoothing; light grey when there is none.
class PictureFrame : public QWidget {
 public:
  PictureFrame(const ui::FilePreview& preview, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const ui::FilePreview& preview_;
};

class FilePreviewPanel : public QWidget {
 public:
  // `layout`, the preview's template, gives the frame its size and the number its label;
  // without one the frame takes the strip's height and the number stands alone.
  FilePreviewPanel(ui::FilePreview& preview, const ui::DialogTemplate* layout, QWidget* parent);

  // The dialog's selection moved to `path`.
  void ShowSelection(const QString& path);
  int ChosenNumber() const;
  QSpinBox* NumberBox() const { return number_; }
  PictureFrame* Frame() const { return frame_; }

 private:
  ui::FilePreview& preview_;
  PictureFrame* frame_ = nullptr;
  QSpinBox* number_ = nullptr;
  QString selection_;
};

}  // namespace telvane::qt
