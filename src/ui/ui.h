// What windows ask of the desktop: runs dialogs, shows message boxes and file
// dialogs, keeps windows painted during long operations. Backends: Qt and headless.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/dialog.h"

namespace telvane::ui {

class Resources;
class WindowSizeStore;

enum class Caption { Telvane, TelvaneError };  // "Telvane", "Telvane Error"
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Icon { None, Information, Question, Warning, Stop };

struct MessageRequest {
  int stringId = 0;  // 0 for a literal text
  std::string text;  // the text shown (already loaded from the string table)
  Caption caption = Caption::Telvane;
  Buttons buttons = Buttons::Ok;
  Icon icon = Icon::None;
};

struct FileFilter {
  std::string description;  // "BMP file (*.bmp)"
  std::string pattern;      // "*.bmp"
};

// A picture for a preview: top row first, one 0xRRGGBB value per pixel.
struct PreviewPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

// What an open dialog shows beside its file list: a picture with a logo number, or play
// and stop buttons with a ring tone number. The backend reports the selection and the
// buttons; the preview decides what they do.
class FilePreview {
 public:
  virtual ~FilePreview() = default;
  // The highest number the user can choose (numbers start at 1).
  virtual int NumberCount() const = 0;
  // The selection moved to `path` ("" when nothing is selected).
  virtual void SelectionChanged(const std::string& path) = 0;
  // The picture to draw; null paints the frame grey.
  virtual const PreviewPicture* Picture() const { return nullptr; }
  virtual bool Playable() const { return false; }
  virtual void Play(const std::string& /*path*/) {}
  virtual void Stop() {}
};

struct FileRequest {
  bool save = false;
  std::vector<FileFilter> filters;
  std::string defaultExtension;    // without the dot
  std::string initialName;         // proposed file name
  bool mustExist = false;          // open dialogs: the file must exist
  int previewTemplate = 0;         // 0, or the template of a picture or tone preview
  FilePreview* preview = nullptr;  // with previewTemplate: what the preview shows
  int previewNumberTip = 0;        // with a preview: string id of its number's tooltip
};

struct FileChoice {
  std::string path;
  int previewNumber = 0;  // the logo or ring tone number chosen beside the preview
};

// Where the pages of a print job go, as the print dialog chose them.
struct PrintChoice {
  std::string path;  // the headless backend: a text file for the pages; "" for the printer
  int copies = 1;
};

// The page of the chosen printer in its device units.
struct PageMetrics {
  int pixelsPerInchY = 150;
  int physicalHeight = 0;  // of the whole sheet
  int offsetX = 0;         // of the printable area from the sheet's edges
  int offsetY = 0;
};

// A print started by the print dialog: documents of pages with lines of text placed in
// device units from the sheet's top left corner.
class PrintJob {
 public:
  virtual ~PrintJob() = default;
  virtual int Copies() const = 0;
  virtual PageMetrics Metrics() const = 0;
  // Selects the print font at `points` and returns its line height (character height
  // plus external leading) in device units.
  virtual int SelectFont(int points) = 0;
  virtual void StartDocument(std::string_view name) = 0;
  virtual void StartPage() = 0;
  // `y` is the top of the text.
  virtual void Text(int x, int y, std::string_view text, bool red) = 0;
  virtual void EndPage() = 0;
  virtual void EndDocument() = 0;
  // Stops the document in progress; nothing more is printed of it.
  virtual void AbortDocument() = 0;
};

class Ui {
 public:
  virtual ~Ui() = default;

  virtual const Resources& Res() const = 0;
  virtual int LanguageId() const = 0;

  // Runs template `templateId` as a modal dialog. `opener` (may be null) is disabled
  // while it runs and enabled and focused again afterwards. Returns the End() result.
  virtual int RunModal(int templateId, DialogHandler& handler, Dialog* opener) = 0;
  // A modeless window (the progress, wait and sending boxes); closed when the returned
  // object goes.
  virtual std::unique_ptr<Dialog> OpenModeless(int templateId, DialogHandler& handler) = 0;

  // Returns the answer: kIdOk, kIdCancel, kIdYes, kIdNo or kIdRetry.
  virtual int ShowMessage(const MessageRequest& message) = 0;
  virtual std::optional<FileChoice> ChooseFile(const FileRequest& request) = 0;
  // The print dialog; null when the user cancels. Backends without printing cancel.
  virtual std::unique_ptr<PrintJob> StartPrint() { return nullptr; }

  // Dispatches every waiting event, then returns; called between phone exchanges.
  virtual void PumpMessages() = 0;
  // The shell's "open": a file, a web address or a "mailto:" address.
  virtual void OpenWithShell(const std::string& target) = 0;
  // Opens the help file; false when that fails.
  virtual bool OpenHelp(const std::string& helpFile) = 0;
  // The desktop area windows are centred in, in pixels.
  virtual Rect WorkArea() const = 0;
  // Where resizable windows keep their size (null: only for the run, or not at all).
  // Backends with windows of fixed size ignore it.
  virtual void SetWindowSizeStore(WindowSizeStore* /*store*/) {}
};

// Message boxes by string id in the current language.
int ShowStringMessage(Ui& ui, int stringId, Caption caption, Buttons buttons = Buttons::Ok,
                      Icon icon = Icon::None);
inline void ShowError(Ui& ui, int stringId) {
  ShowStringMessage(ui, stringId, Caption::TelvaneError, Buttons::Ok, Icon::Stop);
}
inline void ShowInfo(Ui& ui, int stringId) {
  ShowStringMessage(ui, stringId, Caption::Telvane, Buttons::Ok, Icon::Information);
}
std::string CaptionText(Caption caption);

}  // namespace telvane::ui
