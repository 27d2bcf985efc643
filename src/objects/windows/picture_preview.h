// The picture preview of the "Send logo" dialog: the selected BMP or GIF file decoded
// and shown, and the logo number 1 to 3.
#pragma once

#include <optional>
#include <string>

#include "objects/picture/picture_record.h"
#include "ui/ui.h"

namespace telvane::objects {

// The picture of a loaded record, top row first, each pixel through the palette.
ui::PreviewPicture PreviewOf(const PictureRecord& record);

class PicturePreview final : public ui::FilePreview {
 public:
  static constexpr int kTemplate = 160;
  static constexpr int kNumbers = 3;

  int NumberCount() const override { return kNumbers; }
  // A path holding ".gif" or ".GIF" is read as GIF, else one holding ".bmp" or ".BMP" as
  // BMP; anything else, or a file that cannot be read, leaves the preview empty.
  void SelectionChanged(const std::string& path) override;
  const ui::PreviewPicture* Picture() const override { return picture_ ? &*picture_ : nullptr; }
  // Forgets the picture (the dialog has ended).
  void Clear();

 private:
  PictureRecord record_;
  std::optional<ui::PreviewPicture> picture_;
};

}  // namespace telvane::objects
