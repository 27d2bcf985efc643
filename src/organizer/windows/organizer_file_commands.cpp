#include "organizer/windows/organizer_file_commands.h"

#include <ctime>
#include <filesystem>

#include "config/locale_info.h"
#include "gsm/text_replace.h"
#include "organizer/organizer_csv.h"
#include "organizer/organizer_vocabulary.h"
#include "organizer/organizer_writing.h"
#include "organizer/organizer_xml.h"
#include "organizer/vcalendar_export.h"
#include "organizer/vcalendar_reader.h"
#include "organizer/windows/organizer_window_ids.h"
#include "ui/resources.h"
#include "ui/window_kit.h"

namespace telvane::organizer {
namespace {

using namespace window_ids;

constexpr int kStrLinesNotImported = 300;  // "Lines that could not be imported: %d"

std::optional<std::string> ChooseFile(ui::Ui& ui, bool save, bool csv) {
  ui::FileRequest request;
  request.save = save;
  request.filters = {csv ? ui::FileFilter{"CSV file (*.csv)", "*.csv"}
                         : ui::FileFilter{"XML file (*.xml)", "*.xml"}};
  request.defaultExtension = csv ? "csv" : "xml";
  if (save) request.initialName = csv ? "TelvaneORGA.csv" : "TelvaneORGA.xml";
  request.mustExist = !save;
  const std::optional<ui::FileChoice> choice = ui.ChooseFile(request);
  if (!choice) return std::nullopt;
  return choice->path;
}

// Shows a failure, or opens the written file with the shell.
void Finish(ui::Ui& ui, const base::Outcome& written, const std::string& file) {
  if (written.done) {
    ui.OpenWithShell(file);
  } else if (written.messageId != 0) {
    ui::ShowError(ui, written.messageId);
  }
}

void ExportRows(config::AppContext& context, ui::Ui& ui, ui::Dialog& window,
                const OrganizerRows& rows, bool csv) {
  const std::optional<std::string> file = ChooseFile(ui, true, csv);
  if (!file) return;
  const std::vector<OrganizerEntry> list = rows.RowsInListOrder();
  const base::Outcome written = ui::WithWindowDisabled(window, [&] {
    return csv ? ExportOrganizerCsv(list, *file, context.languageId,
                                    DateFormat::FromPicture(context.shortDateFormat))
               : ExportOrganizerXml(list, *file, context.languageId);
  });
  Finish(ui, written, *file);
}

void ExportFocusedRow(config::AppContext& context, ui::Ui& ui, const OrganizerRows& rows) {
  const std::optional<OrganizerEntry> row = rows.FocusedRow();
  if (!row) return;
  const std::filesystem::path folder =
      context.tempFolder.empty() ? config::TemporaryFolder() : context.tempFolder;
  Finish(ui, ExportOrganizerVcalendar(*row, folder), (folder / kVcalendarExportName).string());
}

bool HasFreeRow(const OrganizerRows& rows) {
  return FindFreeSlot(rows.RowsInListOrder()).has_value();
}

// The entry controls back to a new entry: now, the first category and repeat kind, no
// alarm, no text.
void ResetEntryControls(ui::Dialog& window) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  window.SetDate(kCalendar, {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday});
  window.SetTime(kTimePicker, {local.tm_hour, local.tm_min, local.tm_sec});
  window.SetCurrentItem(kCategory, 0);
  window.SetCurrentItem(kRepeat, 0);
  window.SetChecked(kAlarm, false);
  window.SetText(kDescription, "");
}

void ReportSkipped(ui::Ui& ui, int skipped) {
  ui::MessageRequest message;
  message.stringId = kStrLinesNotImported;
  message.text = ui.Res().String(kStrLinesNotImported, ui.LanguageId());
  gsm::ReplaceAll(message.text, "%d", std::to_string(skipped));
  message.caption = ui::Caption::TelvaneError;
  message.icon = ui::Icon::Warning;
  ui.ShowMessage(message);
}

void ImportCsv(config::AppContext& context, ui::Ui& ui, ui::Dialog& window, OrganizerRows& rows) {
  const std::optional<std::string> file = ChooseFile(ui, false, true);
  if (!file) return;
  // Each line goes through the Add button's checks; the import stops once no slot is left.
  const CsvImportResult result = ImportOrganizerCsv(
      *file, DateFormat::FromPicture(context.shortDateFormat),
      [&](const EntryValues& values) { return rows.AddEntry(values) || HasFreeRow(rows); });
  if (result.messageId != 0) {
    ui::ShowError(ui, result.messageId);
    return;
  }
  ResetEntryControls(window);
  if (result.skipped > 0) ReportSkipped(ui, result.skipped);
}

bool NamesCalendarFile(const std::string& path) {
  const std::string name = std::filesystem::path(path).filename().string();
  return name.find(".vcs") != std::string::npos || name.find(".VCS") != std::string::npos;
}

}  // namespace

bool RunFileCommand(config::AppContext& context, ui::Ui& ui, ui::Dialog& window,
                    OrganizerRows& rows, int commandId) {
  switch (commandId) {
    case kExportCsv: ExportRows(context, ui, window, rows, true); return true;
    case kExportXml: ExportRows(context, ui, window, rows, false); return true;
    case kExportVcs: ExportFocusedRow(context, ui, rows); return true;
    case kImportCsv: ImportCsv(context, ui, window, rows); return true;
    default: return false;
  }
}

void ImportDroppedFiles(config::AppContext&, ui::Ui&, ui::Dialog&, OrganizerRows& rows,
                        const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    if (!NamesCalendarFile(path)) continue;
    // A file that cannot be read, or holds no complete event, imports nothing.
    const std::optional<CalendarEvent> event = ReadCalendarFile(path);
    if (!event) continue;
    EntryValues values;
    values.category = kCategoryMiscellaneous;
    values.year = event->start.year;
    values.month = event->start.month;
    values.day = event->start.day;
    values.hour = event->start.hour;
    values.minute = event->start.minute;
    values.description = event->summary;
    rows.ImportEntry(values);
  }
}

}  // namespace telvane::organizer
