// The demo phone's organizer: vCalendar objects of every category and repeat rule, with
// and without alarms, umlauts, and one object of three blocks.
#pragma once

#include <map>
#include <string>

namespace telvane::sim {

// The objects by slot, as ISO 8859-1 text.
std::map<int, std::string> DemoOrganizer();

}  // namespace telvane::sim
