#include "sim/organizer_demo.h"

#include <stdexcept>
#include <string_view>

#include "gsm/latin1_text.h"

namespace telvane::sim {
namespace {

struct DemoEvent {
  int index;
  const char* category;
  const char* start;
  const char* repeat;  // RRULE value or ""
  bool alarm;
  const char* extra;  // further property lines (UTF-8, CR LF ended), written before DESCRIPTION
  const char* description;  // UTF-8
};

constexpr DemoEvent kEvents[] = {
    {1, "MEETING", "20261208T090000", "", true, "", "Teamsitzung"},
    {2, "ANNIVERSARY", "20261214T000000", "Y1", false, "", "Geburtstag Anna"},
    {3, "PHONE CALL", "20261209T143000", "", true, "", "Rückruf Büro München"},
    {4, "MISCELLANEOUS", "20261207T180000", "W1", false, "", "Sport"},
    {5, "MEETING", "20261207T073000", "D1", true, "", "Stand-up täglich"},
    {6, "MISCELLANEOUS", "20261215T100000", "M1", false, "", "Miete überweisen"},
    {7, "PHONE CALL", "20261210T113000", "", false, "", "+4989765432"},
    // Three blocks: the description stands in the third.
    {8, "MEETING", "20261211T140000", "", true,
     "LOCATION:Konferenzraum Süd, 3. Stock\r\n"
     "X-AGENDA:Jahresplanung, Budget, Urlaubsplanung, Verschiedenes\r\n",
     "Jahresplanung"},
};

std::string Latin1(const char* utf8) {
  auto text = gsm::Utf8ToLatin1Exact(utf8);
  if (!text) throw std::logic_error(std::string("demo text not in ISO 8859-1: ") + utf8);
  return *text;
}

std::string VCalendar(const DemoEvent& event) {
  std::string text = "BEGIN:VCALENDAR\r\nVERSION:1.0\r\nBEGIN:VEVENT\r\n";
  text += "CATEGORIES:" + std::string(event.category) + "\r\n";
  if (*event.repeat != '\0') text += "RRULE:" + std::string(event.repeat) + "\r\n";
  text += "DTSTART:" + std::string(event.start) + "\r\n";
  if (event.alarm) {
    text += "DALARM:" + std::string(event.start) + "\r\nAALARM:" + event.start + "\r\n";
  }
  text += Latin1(event.extra);
  text += "DESCRIPTION:" + Latin1(event.description) + "\r\n";
  return text + "END:VEVENT\r\nEND:VCALENDAR\r\n";
}

}  // namespace

std::map<int, std::string> DemoOrganizer() {
  std::map<int, std::string> objects;
  for (const DemoEvent& event : kEvents) objects[event.index] = VCalendar(event);
  return objects;
}

}  // namespace telvane::sim
