#include "qt/file_preview_panel.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QToolButton>

#include "qt/bitmaps.h"
#include "qt/dialog_units.h"
#include "qt/text.h"

namespace telvane::qt {
namespace {

QImage ToImage(const ui::PreviewPicture& picture) {
  QImage image(picture.width, picture.height, QImage::Format_RGB32);
  for (int y = 0; y < picture.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < picture.width; ++x) {
      line[x] = 0xFF000000u | picture.pixels[static_cast<std::size_t>(y) * picture.width + x];
    }
  }
  return image;
}

bool Drawable(const ui::PreviewPicture* picture) {
  return picture != nullptr && picture->width > 0 && picture->height > 0 &&
         picture->pixels.size() ==
             static_cast<std::size_t>(picture->width) * static_cast<std::size_t>(picture->height);
}

QToolButton* SymbolButton(int bitmapId, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setIcon(QIcon(DrawBitmap(bitmapId)));
  button->setAutoRaise(false);
  return button;
}

// The frame's size in pixels from the template's picture control; empty without one.
QSize FrameSize(const ui::DialogTemplate* layout) {
  if (layout == nullptr) return {};
  const DialogUnits units(DialogFont(*layout));
  for (const ui::ControlTemplate& control : layout->controls) {
    if (control.kind == ui::ControlKind::Picture)
      return {units.X(control.width), units.Y(control.height)};
  }
  return {};
}

// The text in front of the template's number field: the static just before the edit.
QString NumberLabel(const ui::DialogTemplate* layout) {
  if (layout == nullptr) return {};
  const auto& controls = layout->controls;
  for (std::size_t i = 1; i < controls.size(); ++i) {
    if (controls[i].kind == ui::ControlKind::Edit &&
        controls[i - 1].kind == ui::ControlKind::Static) {
      return ToQt(controls[i - 1].text);
    }
  }
  return {};
}

}  // namespace

PictureFrame::PictureFrame(const ui::FilePreview& preview, QWidget* parent)
    : QWidget(parent), preview_(preview) {
  setMinimumSize(150, 52);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void PictureFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const ui::PreviewPicture* picture = preview_.Picture();
  if (!Drawable(picture)) {
    painter.fillRect(rect(), QColor(192, 192, 192));
    return;
  }
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(rect(), ToImage(*picture));
}

FilePreviewPanel::FilePreviewPanel(ui::FilePreview& preview, const ui::DialogTemplate* layout,
                                   QWidget* parent)
    : QWidget(parent), preview_(preview) {
  auto* box = new QHBoxLayout(this);
  box->setContentsMargins(0, 0, 0, 0);
  if (preview.Playable()) {
    QToolButton* play = SymbolButton(kBitmapPlay, this);
    QToolButton* stop = SymbolButton(kBitmapStop, this);
    play->setObjectName(QStringLiteral("play"));
    stop->setObjectName(QStringLiteral("stop"));
    connect(play, &QToolButton::clicked, this, [this] {
      if (!selection_.isEmpty()) preview_.Play(PathFromQt(selection_));
    });
    connect(stop, &QToolButton::clicked, this, [this] { preview_.Stop(); });
    box->addWidget(play);
    box->addWidget(stop);
    box->addStretch(1);
  } else {
    frame_ = new PictureFrame(preview, this);
    const QSize size = FrameSize(layout);
    if (size.isEmpty()) {
      box->addWidget(frame_, 1);
    } else {
      // The picture is stretched onto the frame the template gives, never onto the strip.
      frame_->setFixedSize(size);
      box->addWidget(frame_);
      box->addStretch(1);
    }
  }
  const QString label = NumberLabel(layout);
  number_ = new QSpinBox(this);
  if (!label.isEmpty()) {
    auto* text = new QLabel(label, this);
    text->setBuddy(number_);
    box->addWidget(text);
  }
  number_->setToolTip(label);
  number_->setRange(1, std::max(1, preview.NumberCount()));
  number_->setValue(1);
  box->addWidget(number_);
}

void FilePreviewPanel::ShowSelection(const QString& path) {
  selection_ = path;
  preview_.SelectionChanged(PathFromQt(path));
  if (frame_ != nullptr) frame_->update();
}

int FilePreviewPanel::ChosenNumber() const { return number_->value(); }

}  // namespace telvane::qt
