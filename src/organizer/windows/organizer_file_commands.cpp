// TEMPORARY: replaced by the file commands' implementation.
#include "organizer/windows/organizer_file_commands.h"

namespace telvane::organizer {

bool RunFileCommand(config::AppContext&, ui::Ui&, ui::Dialog&, OrganizerRows&, int) {
  return false;
}

void ImportDroppedFiles(config::AppContext&, ui::Ui&, ui::Dialog&, OrganizerRows&,
                        const std::vector<std::string>&) {}

}  // namespace telvane::organizer
