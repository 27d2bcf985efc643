#include "objects/windows/logo_transfer.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "objects/logo_gif.h"
#include "objects/windows/file_send.h"
#include "objects/windows/object_download.h"

namespace telvane::objects {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

// An empty file of our own in the temporary folder, named "telvane-logo-XXXXXX.BMP";
// removed when the object goes, so no file of the user's is ever replaced or removed.
class TemporaryBmp {
 public:
  static std::optional<TemporaryBmp> Create(const std::string& folder) {
    std::string name = (folder.empty() ? std::string("/tmp") : folder) + "/telvane-logo-XXXXXX.BMP";
    const int fd = ::mkstemps(name.data(), 4);
    if (fd < 0) return std::nullopt;
    ::close(fd);
    return TemporaryBmp(std::move(name));
  }
  TemporaryBmp(TemporaryBmp&& other) noexcept : path_(std::move(other.path_)) {
    other.path_.clear();
  }
  TemporaryBmp& operator=(TemporaryBmp&&) = delete;
  ~TemporaryBmp() {
    if (!path_.empty()) std::remove(path_.c_str());
  }
  const std::string& Path() const { return path_; }

 private:
  explicit TemporaryBmp(std::string path) : path_(std::move(path)) {}
  std::string path_;
};

std::uint32_t LittleEndian32(const std::array<char, kInfoHeaderSize>& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 4; i-- > 0;)
    value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

// Checks the file and information headers, and that the file holds the data its header
// claims; shows the message and returns false when it is no BMP file to send.
bool CheckBmpHeader(ui::Ui& ui, std::FILE* file, std::uint64_t size) {
  std::array<char, kInfoHeaderSize> header{};
  const std::size_t got = std::fread(header.data(), 1, kFileHeaderSize, file);
  if (std::ferror(file) != 0) {
    ui::ShowError(ui, kStrCantReadFileHeader);
    return false;
  }
  if (got < kFileHeaderSize) {
    ui::ShowError(ui, kStrBadFileHeader);
    return false;
  }
  if (header[0] != 'B' || header[1] != 'M') {
    ui::ShowError(ui, kStrNoBmpFile);
    return false;
  }
  const std::uint32_t claimedSize = LittleEndian32(header, 2);
  const std::uint32_t dataOffset = LittleEndian32(header, 10);
  const std::size_t info = std::fread(header.data(), 1, kInfoHeaderSize, file);
  if (std::ferror(file) != 0) {
    ui::ShowError(ui, kStrCantReadFileHeader);
    return false;
  }
  // A cut file: no whole information header, or less data than the header announces.
  const std::uint32_t infoSize = info >= 4 ? LittleEndian32(header, 0) : 0;
  if (infoSize < 12 || info < std::min<std::size_t>(infoSize, kInfoHeaderSize) ||
      claimedSize > size || dataOffset < kFileHeaderSize + infoSize || dataOffset >= size) {
    ui::ShowError(ui, kStrBadFileHeader);
    return false;
  }
  return true;
}

void SendGifLogo(TransferSession& session, const std::string& gifPath, int index) {
  const auto bmp = TemporaryBmp::Create(session.tempFolder);
  if (!bmp) {
    ui::ShowStringMessage(session.ui, kStrCantOpenFile, ui::Caption::Telvane);
    return;
  }
  const GifConversion conversion = ConvertGifToBmp(gifPath, bmp->Path());
  if (conversion.Succeeded()) {
    SendLogoFile(session.exchange, session.ui, bmp->Path(), index);
  } else if (conversion.failedStep == GifStep::kReadHeader ||
             conversion.failedStep == GifStep::kLoad) {
    ui::ShowStringMessage(session.ui, kStrCantOpenFile, ui::Caption::Telvane);
  }
  // A buffer that cannot be allocated or a BMP that cannot be written ends silently.
}

}  // namespace

bool IsGifName(std::string_view path) {
  return path.find(".gif") != std::string_view::npos || path.find(".GIF") != std::string_view::npos;
}

void SendLogo(TransferSession& session, int& logoIndex) {
  ui::FileRequest request;
  request.filters = {{"BMP file (*.bmp)", "*.bmp"}, {"GIF file (*.gif)", "*.gif"}};
  request.defaultExtension = "bmp";
  request.mustExist = true;
  request.previewTemplate = kLogoPreviewTemplate;
  request.previewNumberTip = kStrLogoNumberTip;
  PicturePreview preview;
  request.preview = &preview;
  const auto choice = session.ui.ChooseFile(request);
  preview.Clear();  // the shown picture ends with the dialog, chosen or cancelled
  if (!choice) return;
  logoIndex = IndexFromPreviewNumber(choice->previewNumber, kLogoNumbers, logoIndex);
  ui::WindowDisabled disabled(session.mainWindow);
  if (IsGifName(choice->path)) {
    SendGifLogo(session, choice->path, logoIndex);
  } else {
    SendLogoFile(session.exchange, session.ui, choice->path, logoIndex);
  }
}

bool SendLogoFile(link::Exchange& exchange, ui::Ui& ui, const std::string& path, int index) {
  // The file is checked before the erase: a file refused leaves the phone's logo.
  auto send = StartFileSend(
      exchange, ui, ObjectType::kBmp, index, path,
      [&ui](std::FILE* file, std::uint64_t size) { return CheckBmpHeader(ui, file, size); });
  if (!send) return false;
  std::FILE* file = send->opened.file.get();
  const Outcome outcome = WriteBinaryObject(exchange, *send->progress, ObjectType::kBmp, index,
                                            file, send->opened.size);
  return ReportFileSend(ui, outcome, kStrLogoSendError);
}

void DeleteLogo(link::Exchange& exchange) { exchange.SendCommand("AT^SBNW=bmp,0,0"); }

void DownloadLogo(TransferSession& session) {
  DownloadObject(session, ObjectType::kBmp, {"BMP file (*.bmp)", "*.bmp"}, "bmp");
}

}  // namespace telvane::objects
