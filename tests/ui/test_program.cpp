#include "ui/test_program.h"

#include <sstream>
#include <tuple>

#include "ui/headless/run_script.h"

namespace telvane::ui::test {
namespace {

constexpr std::string_view kEnglish = R"rc(
STRINGTABLE
BEGIN
    16, "Can't open COM port"
    30, "Delete entry?"
    31, "Zeile eins\nGröße"
    57, "No device found"
END

102 MENU
BEGIN
    POPUP "&File"
    BEGIN
        MENUITEM "&Options", 40003
        MENUITEM "&Download logo", 40030, GRAYED
        MENUITEM SEPARATOR
        MENUITEM "&Exit", 40001
    END
    POPUP "&?"
    BEGIN
        MENUITEM "&Info", 40002
    END
END

120 MENU
BEGIN
    POPUP "List"
    BEGIN
        MENUITEM "&Delete", 40050
        MENUITEM "&Print", 40013, GRAYED
    END
END

101 DIALOG 0, 0, 330, 230
CAPTION "Telvane S45/ME45 V1.000"
MENU 102
FONT 8, "MS Sans Serif"
BEGIN
    LTEXT "Producer:", -1, 7, 7, 40, 8
    LTEXT "", 1066, 50, 7, 80, 8
    EDITTEXT 1012, 10, 40, 40, 12, ES_NUMBER
    CONTROL "", 1013, "msctls_updown32", UDS_ALIGNRIGHT | UDS_SETBUDDYINT, 60, 40, 10, 12
    PUSHBUTTON "Phonebook", 1025, 7, 100, 60, 14
    PUSHBUTTON "Test", 1016, 70, 100, 60, 14
    PUSHBUTTON "Off", 1008, 140, 100, 60, 14, WS_DISABLED
    DEFPUSHBUTTON "OK", 1, 7, 120, 50, 14
    PUSHBUTTON "", 1104, 200, 7, 20, 20, BS_BITMAP
    AUTOCHECKBOX "Tone off", 1247, 7, 140, 60, 10
    GROUPBOX "Port", -1, 3, 150, 100, 60
    AUTORADIOBUTTON "COM1", 1017, 7, 160, 40, 10, WS_GROUP
    AUTORADIOBUTTON "COM2", 1018, 7, 170, 40, 10
    AUTORADIOBUTTON "IrDA", 1019, 7, 180, 40, 10, WS_GROUP
    AUTORADIOBUTTON "Cable", 1020, 7, 190, 40, 10
    CONTROL "", 1072, "SysListView32", LVS_REPORT | LVS_SHOWSELALWAYS, 110, 7, 200, 150
    COMBOBOX 1050, 110, 160, 80, 60, CBS_DROPDOWNLIST
    LISTBOX 1009, 200, 160, 80, 60, LBS_NOTIFY
    CONTROL "", 1049, "SysMonthCal32", 0, 7, 7, 120, 100
    CONTROL "", 1048, "SysDateTimePick32", DTS_TIMEFORMAT, 7, 7, 60, 14
    CONTROL "", 1059, "msctls_progress32", 0, 7, 7, 150, 10
    CONTROL "", 1262, "Static", SS_BLACKFRAME, 7, 7, 60, 60
    CONTROL "", 1174, "SysListView32", LVS_REPORT | LVS_EDITLABELS, 110, 160, 200, 60
END

200 DIALOG 20, 20, 100, 60
CAPTION "Child"
BEGIN
    EDITTEXT 1216, 10, 10, 80, 12, ES_AUTOHSCROLL
    EDITTEXT 1217, 10, 25, 80, 12, ES_READONLY
    DEFPUSHBUTTON "OK", 1, 10, 40, 40, 14
    PUSHBUTTON "Cancel", 2, 55, 40, 40, 14
END
)rc";

constexpr std::string_view kGerman = R"rc(
STRINGTABLE
BEGIN
    16, "COM-Port kann nicht geöffnet werden"
END

101 DIALOG 0, 0, 330, 230
CAPTION "Telvane deutsch"
BEGIN
    LTEXT "", 1066, 50, 7, 80, 8
    DEFPUSHBUTTON "OK", 1, 7, 120, 50, 14
END
)rc";

Resources Build() {
  Resources resources;
  for (const auto& [language, text, name] :
       {std::tuple{9, kEnglish, "en/test.rc"}, std::tuple{7, kGerman, "de/test.rc"}}) {
    ResourceSet set;
    ParseResourceText(text, name, set);
    resources.Add(language, std::move(set));
  }
  return resources;
}

}  // namespace

const Resources& TestResources() {
  static const Resources resources = Build();
  return resources;
}

ScriptResult Play(const std::string& script,
                  const std::function<void(headless::HeadlessUi&)>& program, int languageId) {
  std::istringstream in(script);
  std::ostringstream out;
  std::ostringstream err;
  const int status =
      headless::RunScript(in, "test.ui", out, err, TestResources(), languageId, program);
  return {status, out.str(), err.str()};
}

ScriptResult PlayMain(const std::string& script,
                      const std::function<void(LambdaHandler&, headless::HeadlessUi&)>& setUp) {
  return Play(script, [&](headless::HeadlessUi& ui) {
    LambdaHandler main;
    setUp(main, ui);
    ui.RunModal(101, main, nullptr);
  });
}

}  // namespace telvane::ui::test
