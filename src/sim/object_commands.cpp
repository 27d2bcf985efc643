// Binary objects (address book vCards, calendar vCalendars, logo, ring tones). Only the
// test form so far: it tells which object types and index ranges the phone offers.
#include <array>
#include <string_view>

#include "sim/at_params.h"
#include "sim/command_groups.h"

namespace telvane::sim {
namespace {

struct ObjectType {
  std::string_view name;
  int lastIndex;
};

constexpr std::array<ObjectType, 4> kObjectTypes{{
    {"bmp", 3},    // operator logos
    {"mid", 9},    // own ring tones
    {"vcf", 500},  // address book entries
    {"vcs", 50},   // organizer entries
}};

// ^SBNW: ("bmp",(0-3)),("mid",(0-9)),("vcf",(0-500)),("vcs",(0-50))
Reply WriteObject(CommandContext&, const CommandRequest& request) {
  if (request.form != CommandForm::kTest) {
    return Reply::Cme(CmeError::kOperationNotSupported);
  }
  std::string line = "^SBNW: ";
  for (std::size_t i = 0; i < kObjectTypes.size(); ++i) {
    line += (i ? ",(\"" : "(\"") + std::string(kObjectTypes[i].name) + "\"," +
            RangeText(0, kObjectTypes[i].lastIndex) + ")";
  }
  return Reply::Ok({line});
}

}  // namespace

void AddObjectCommands(CommandTable& table) { table.Add("^SBNW", WriteObject); }

}  // namespace telvane::sim
