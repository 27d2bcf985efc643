// The logo commands of the main window: send a BMP or GIF picture as the logo, delete
// the logo, fetch it into a BMP file.
#pragma once

#include <string>
#include <string_view>

#include "objects/windows/picture_preview.h"
#include "objects/windows/transfer_session.h"

namespace telvane::objects {

inline constexpr int kLogoPreviewTemplate = PicturePreview::kTemplate;
inline constexpr int kLogoNumbers = PicturePreview::kNumbers;  // logo numbers beside the preview

// String ids of the logo send.
inline constexpr int kStrBadFileHeader = 37;       // "Unsuitable file header"
inline constexpr int kStrCantReadFileHeader = 39;  // "Can't read file header"
inline constexpr int kStrNoBmpFile = 40;           // "No BMP file"
inline constexpr int kStrLogoSendError = 41;       // "Error sending BMP file"
// The tooltip of the logo number beside the preview (res/<lang>/file_dialog.rc).
inline constexpr int kStrLogoNumberTip = 1700;

// A name holding ".gif" or ".GIF" is read as a GIF picture.
bool IsGifName(std::string_view path);

// The open dialog (BMP, then GIF, with the picture preview); the chosen number beside
// the preview sets `logoIndex`, kept for the run. A GIF goes through a BMP file in the
// temporary folder, deleted afterwards. The main window is disabled while sending.
void SendLogo(TransferSession& session, int& logoIndex);

// Sends a BMP file as logo `index` with the progress box: erases the logo, checks the
// file header ("BM"), then sends the whole file in 50-byte blocks. True when every
// block was accepted.
bool SendLogoFile(link::Exchange& exchange, ui::Ui& ui, const std::string& path, int index);

// AT^SBNW=bmp,0,0; the answer is not checked.
void DeleteLogo(link::Exchange& exchange);

// The save dialog, then the logo read into the chosen file.
void DownloadLogo(TransferSession& session);

}  // namespace telvane::objects
