// The conformance matrix: gammu, gnokii and gsm-utils, each with its usual operations,
// against the simulated demo phone. The operations are listed in docs/simulator.md.
#include <gtest/gtest.h>

#include "conformance/client_matrix.h"
#include "support/temp_dir.h"

namespace telvane::conformance {
namespace {

namespace fs = std::filesystem;
using Arguments = std::vector<std::string>;

// Dates and texts as the evidence expects them, whatever the machine's language.
const std::string kPlainLocale = "LC_ALL=C.UTF-8";

// The program's path; a machine without it fails the test, which would otherwise pass unseen.
std::string Installed(const std::string& program, const std::string& package) {
  const auto path = testing::FindOnPath(program);
  if (!path) {
    std::printf("conformance: %-9s %-34s ... not installed\n", program.c_str(), "(all)");
    ADD_FAILURE() << program << " is not installed (Debian package \"" << package << "\")";
  }
  return path.value_or("");
}

TEST(ConformanceMatrix, Gammu) {
  const std::string gammu = Installed("gammu", "gammu");
  if (gammu.empty()) return;
  const Client client{
      "gammu",
      [&gammu](const Operation& operation, const fs::path& folder, const std::string& device) {
        testing::WriteFile(folder / "gammurc",
                           "[gammu]\ndevice = " + device + "\nconnection = at\n");
        Arguments command{gammu, "-c", (folder / "gammurc").string()};
        command.insert(command.end(), operation.arguments.begin(), operation.arguments.end());
        return command;
      },
      {kPlainLocale}};
  RunMatrix(
      client,
      {
          {"identify", {"identify"}, "SIM IMSI             : 262010123456789"},
          {"getallmemory SM", {"getallmemory", "SM"}, "Name                 : \"Jürgen Müller\""},
          {"getallmemory FD", {"getallmemory", "FD"}, "Name                 : \"Pannenhilfe\""},
          {"getallmemory ON", {"getallmemory", "ON"}, "Name                 : \"Fax\""},
          {"getallsms", {"getallsms"}, "15 SMS parts in 15 SMS sequences"},
          {"getsms 1 1", {"getsms", "1", "1"}, "Hallo Jan, kommst du heute Abend zum Essen?"},
          {"sendsms", {"sendsms", "TEXT", "01701112234", "-text", "Hallo"}, "< +CMGS: 0\n< OK"},
          {"deletesms 1 3", {"deletesms", "1", "3"}, "> AT+CMGD=3\n< OK"},
          {"savesms", {"savesms", "TEXT", "-folder", "2", "-text", "Notiz"}, "location 16, SIM"},
          {"getdatetime", {"getdatetime"}, "Phone time is Sun Dec  6 "},
          {"setdatetime", {"setdatetime", "10:11:12", "2026/12/24"}, "AT+CCLK=\"26/12/24,10:11:"},
          {"getsmsc", {"getsmsc"}, "Number               : \"+491770000000\""},
          {"getsecuritystatus", {"getsecuritystatus"}, "Nothing to enter."},
          {"dialvoice", {"dialvoice", "01701234567"}, "> ATDT01701234567;\n< OK"},
          {"monitor 1", {"monitor", "1"}, "Network              : 262 01"},
          {"networkinfo", {"networkinfo"}, "LAC 0F3C, CID A1B2"},
          {"divert get all all",
           {"divert", "get", "all", "all"},
           "Number               : +491701234567"},
      });
}

TEST(ConformanceMatrix, Gnokii) {
  const std::string gnokii = Installed("gnokii", "gnokii-cli");
  if (gnokii.empty()) return;
  const Client client{
      "gnokii",
      [&gnokii](const Operation& operation, const fs::path& folder, const std::string& device) {
        testing::WriteFile(folder / "gnokiirc", "[global]\nport = " + device +
                                                    "\nmodel = AT\n"
                                                    "connection = serial\n");
        Arguments command{gnokii, "--config", (folder / "gnokiirc").string()};
        command.insert(command.end(), operation.arguments.begin(), operation.arguments.end());
        return command;
      },
      {kPlainLocale}};
  RunMatrix(
      client,
      {
          {"--identify", {"--identify"}, "IMEI         : 350123451234567"},
          {"--getphonebook SM 1 end",
           {"--getphonebook", "SM", "1", "end"},
           "4. Name: Jürgen Müller"},
          {"--getsms SM 1 3", {"--getsms", "SM", "1", "3"}, "Paket liegt an der Packstation"},
          // The text comes on standard input.
          {"--sendsms", {"--sendsms", "01701112234"}, "Send succeeded with reference 0", "Hallo"},
          {"--getdatetime", {"--getdatetime"}, "Date: 2026/12/06"},
          // gnokii's driver knows one centre; without a number it goes on to centre 2
          // and ends with "invalid location" after showing the first.
          {"--getsmsc 1", {"--getsmsc", "1"}, "SMS center number is +491770000000"},
          {"--getnetworkinfo", {"--getnetworkinfo"}, "Network code : 262 01"},
      });
}

TEST(ConformanceMatrix, GsmUtils) {
  if (Installed("gsmctl", "gsm-utils").empty()) return;
  const Client client{"gsm-utils",
                      [](const Operation& operation, const fs::path&, const std::string& device) {
                        Arguments command = operation.arguments;
                        for (std::string& argument : command) {
                          if (argument == "{device}") argument = device;
                        }
                        return command;
                      },
                      {kPlainLocale, std::string("LD_PRELOAD=") + TELVANE_LINE_CONTROL_SHIM}};
  RunMatrix(client,
            {
                {"gsmctl me", {"gsmctl", "-d", "{device}", "ME"}, "Serial Number: 350123451234567"},
                {"gsmctl batt", {"gsmctl", "-d", "{device}", "BATT"}, "<BATT1>  80"},
                {"gsmctl sig", {"gsmctl", "-d", "{device}", "SIG"}, "<SIG0>  17"},
                {"gsmctl pin", {"gsmctl", "-d", "{device}", "PIN"}, "<PIN0> READY"},
                {"gsmctl op",
                 {"gsmctl", "-d", "{device}", "OP"},
                 "<OP0>  Status: current",
                 "",
                 "expected ')'",
                 "gsm-utils 1.10 wants a second ')' after each AT+COPS=? entry"},
                {"gsmpb read",
                 {"gsmpb", "-s", "{device}", "-p", "SM", "-d", "-"},
                 "|Anna Schmidt|+491702345678"},
                {"gsmsmsstore list",
                 {"gsmsmsstore", "-s", "{device}", "-t", "SM", "-l"},
                 "User data: 'Paket liegt an der Packstation 117.'"},
                {"gsmsmsstore add",
                 {"gsmsmsstore", "-d", "{device}", "-t", "SM", "-a", "01701234567", "Notiz"},
                 "< +CMGW: 16\n< OK"},
                // gsm-utils counts message places from 0: its 3 is the phone's index 4.
                {"gsmsmsstore delete",
                 {"gsmsmsstore", "-d", "{device}", "-t", "SM", "-x", "3"},
                 "> AT+CMGD=4\n< OK"},
                {"gsmsendsms",
                 {"gsmsendsms", "-d", "{device}", "01701112234", "Hallo"},
                 "< +CMGS: 0\n< OK"},
            });
}

}  // namespace
}  // namespace telvane::conformance
