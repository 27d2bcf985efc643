// A standard client identifies the simulated phone: the simulator speaks AT as a phone does.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "sim/pty_phone.h"
#include "support/child_process.h"
#include "support/temp_dir.h"

namespace telvane::sim {
namespace {

namespace fs = std::filesystem;

// The value on gammu's "Name : value" line.
std::string Field(const std::string& output, const std::string& name) {
  std::size_t at = 0;
  while ((at = output.find(name, at)) != std::string::npos) {
    if (at == 0 || output[at - 1] == '\n') {
      const std::size_t colon = output.find(':', at);
      const std::size_t end = output.find('\n', at);
      if (colon != std::string::npos && colon < end) {
        std::string value = output.substr(colon + 1, end - colon - 1);
        value.erase(0, value.find_first_not_of(' '));
        return value;
      }
    }
    at += name.size();
  }
  return "(missing)";
}

// gammu runs against one demo phone: the output of all, the status of the first that failed
// (else 0) and the phone's transcript.
struct GammuRun {
  int status = -1;
  std::string output;
  std::string transcript;
};

using Arguments = std::vector<std::string>;

GammuRun RunGammuSession(const std::vector<Arguments>& runs) {
  const auto gammu = telvane::testing::FindOnPath("gammu");
  if (!gammu) {
    ADD_FAILURE() << "gammu is not installed (Debian package \"gammu\"); this test needs it";
    return {};
  }
  const testing::TempDir dir;
  auto phone = PtyPhone::Start(DemoPhone(), {});
  const fs::path rc = dir / "gammurc";
  testing::WriteFile(rc, "[gammu]\ndevice = " + phone->DevicePath() + "\nconnection = at\n");

  GammuRun result{0, "", ""};
  for (const Arguments& arguments : runs) {
    Arguments command{*gammu, "-c", rc.string()};
    command.insert(command.end(), arguments.begin(), arguments.end());
    const testing::ProgramRun run = testing::RunProgram(command);
    result.output += run.out + run.err;
    if (result.status == 0) {
      result.status = run.status;
    }
  }
  for (const std::string& line : phone->Transcript()) result.transcript += line + "\n";
  return result;
}

GammuRun RunGammu(const Arguments& arguments) { return RunGammuSession({arguments}); }

// Whether gammu's output holds these lines one after the other.
bool HasLines(const std::string& output, const std::string& lines) {
  return output.find(lines) != std::string::npos;
}

TEST(GammuConformanceTest, GammuIdentifiesTheSimulatedPhone) {
  const GammuRun run = RunGammu({"identify"});
  const std::string& output = run.output;
  ASSERT_EQ(run.status, 0) << output << "\ntranscript:\n" << run.transcript;
  EXPECT_EQ(Field(output, "Manufacturer"), "Siemens") << output;
  EXPECT_EQ(Field(output, "Model"), "S45 (S45)") << output;
  EXPECT_EQ(Field(output, "Firmware"), "21") << output;
  EXPECT_EQ(Field(output, "IMEI"), "350123451234567") << output;
  EXPECT_EQ(Field(output, "SIM IMSI"), "262010123456789") << output;
  // Every command gammu needs was answered; the ones an S45 lacks were refused.
  EXPECT_NE(run.transcript.find("> AT+CGSN\n< 350123451234567\n< OK"), std::string::npos)
      << run.transcript;
}

TEST(GammuConformanceTest, GammuReadsTheSimBookWithNamesAndNumbers) {
  const GammuRun run = RunGammu({"getallmemory", "SM"});
  const std::string& output = run.output;
  ASSERT_EQ(run.status, 0) << output << "\ntranscript:\n" << run.transcript;
  // Names travel as UCS2 after gammu chose that character set; umlauts arrive intact.
  EXPECT_NE(output.find("Memory SM, Location 4\nGeneral number       : \"+491523456789\"\n"
                        "Name                 : \"Jürgen Müller\""),
            std::string::npos)
      << output;
  EXPECT_NE(output.find("Name                 : \"Notruf\""), std::string::npos) << output;
  EXPECT_EQ(Field(output, "Memory SM, Location 13"), "(missing)") << output;  // empty
  EXPECT_NE(run.transcript.find("> AT+CPBR=?\n< +CPBR: (1-250),40,16\n< OK"), std::string::npos)
      << run.transcript;
}

TEST(GammuConformanceTest, GammuListsTheDemoMessagesOfEveryKind) {
  const GammuRun run = RunGammu({"getallsms"});
  const std::string& out = run.output;
  ASSERT_EQ(run.status, 0) << out << "\ntranscript:\n" << run.transcript;
  const std::string kinds[] = {
      "Remote number        : \"+491523456789\"\nStatus               : UnRead\n\n"
      "Grüße aus München! Das Weißbier ist süß, die Brezn größer. Äpfel, Öl und Übermut. "
      "Jürgen\n",
      "Coding               : 8-bit\nRemote number        : \"+491734455667\"\n",
      "(hex: 4E657565722054FC722D436F64653A20343731312E20",
      "Remote number        : \"+491629876543\"\nStatus               : Read\n\n"
      "Grüße aus Łódź! Das Essen kostet hier nur 20 zł – unglaublich. Sören\n",
      "ID (8 bit) 44, part 1 of 2\n\nHallo Jan! Kurzes Update zum Wochenende: Wir treffen uns "
      "am Samstag um 10 Uhr am Bahnhof, Gleis 4. Bitte bring die Wanderschuhe und etwas zu "
      "trinken mit.\n",
      "ID (8 bit) 44, part 2 of 2\n\n Das Wetter soll gut werden, 18 Grad und Sonne. Abends "
      "grillen wir bei Tom. Sag Bescheid, ob du kommst! Anna\n",
      "ID (8 bit) 7, part 1 of 2\n\nBonjour Jan ! Merci pour ton cadeau, il m’a fait très "
      "plaisir. Le g\n",
      "ID (8 bit) 7, part 2 of 2\n\nâteau était délicieux. On se voit à Noël ? Bises, Amélie ♥\n",
      "Remote number        : \"Nordnetz\"\nStatus               : Read\n\n"
      "Ihr Guthaben beträgt 12,50 EUR. Aufladen unter *101#. Ihr Nordnetz-Team\n",
      "Remote number        : \"0301234567\"\nStatus               : Read\n\n"
      "Kommt ihr am Sonntag zum Kaffee? Ich backe Apfelkuchen. Gruß, Oma\n",
      "SMS status report\nStatus               : UnRead\nRemote number        : \"+491701234567\"\n"
      "Reference number     : 23\n",
      "Delivery status      : Delivered\n",
      "15 SMS parts in 15 SMS sequences"};
  for (const std::string& kind : kinds) {
    EXPECT_TRUE(HasLines(out, kind)) << kind << "\nin:\n" << out;
  }
}

TEST(GammuConformanceTest, GammuStoresPlainUnicodeAndConcatenatedMessages) {
  const std::string letters = "abcdefghijabcdefghijabcdefghijabcdefghijabcdefghij";
  const GammuRun run = RunGammuSession({
      {"savesms", "TEXT", "-folder", "2", "-text", "Hallo Welt, Grüße"},
      {"savesms", "TEXT", "-folder", "2", "-unicode", "-text", "Łódź ist schön"},
      {"savesms", "TEXT", "-folder", "2", "-len", "200", "-text",
       letters + letters + letters + letters},
      {"getallsms"},
  });
  const std::string& out = run.output;
  ASSERT_EQ(run.status, 0) << out << "\ntranscript:\n" << run.transcript;
  EXPECT_TRUE(HasLines(out, "Location 16, folder \"Outbox\", SIM memory\n")) << out;
  EXPECT_TRUE(HasLines(out, "Status               : Sent\n\nHallo Welt, Grüße\n")) << out;
  EXPECT_TRUE(HasLines(out,
                       "Coding               : Unicode (no compression)\n"
                       "Remote number        : \"Gammu\"\nStatus               : Sent\n\n"
                       "Łódź ist schön\n"))
      << out;
  const std::string whole = letters + letters + letters + letters;
  EXPECT_TRUE(HasLines(out, "part 1 of 2\n\n" + whole.substr(0, 153) + "\n")) << out;
  EXPECT_TRUE(HasLines(out, "part 2 of 2\n\n" + whole.substr(153) + "\n")) << out;
  EXPECT_TRUE(HasLines(out, "19 SMS parts in 19 SMS sequences")) << out;
}

TEST(GammuConformanceTest, GammuSendsToAnOwnNumberAndTheMessageArrives) {
  // The second own number, +491701112234, dialled in its national form.
  const GammuRun run = RunGammuSession({
      {"sendsms", "TEXT", "01701112234", "-text", "Test an mich selbst"},
      {"getsms", "1", "16"},
  });
  const std::string& out = run.output;
  ASSERT_EQ(run.status, 0) << out << "\ntranscript:\n" << run.transcript;
  EXPECT_TRUE(HasLines(out, "Location 16, folder \"Inbox\", SIM memory, Inbox folder\n")) << out;
  EXPECT_TRUE(HasLines(out,
                       "Remote number        : \"+491701112234\"\n"
                       "Status               : UnRead\n\nTest an mich selbst\n"))
      << out;
}

TEST(GammuConformanceTest, GammuRestoresAnEightBitMessageFromABackup) {
  const testing::TempDir dir;
  const fs::path backup = dir / "eight.smsbackup";
  testing::WriteFile(backup,
                     "[SMSBackup000]\nSMSC = \"+491770000000\"\nPDU = Deliver\n"
                     "DateTime = 20261201T123456\nState = Read\nNumber = \"+491734455667\"\n"
                     "Text00 = 54FC722D436F64653A2034373131\nCoding = 8bit\nFolder = 1\n"
                     "Length = 14\nClass = -1\n");
  const GammuRun run =
      RunGammuSession({{"addsms", "1", backup.string(), "-yes"}, {"getsms", "1", "16"}});
  const std::string& out = run.output;
  ASSERT_EQ(run.status, 0) << out << "\ntranscript:\n" << run.transcript;
  EXPECT_TRUE(HasLines(out,
                       "Coding               : 8-bit\n"
                       "Remote number        : \"+491734455667\"\nStatus               : Read\n"))
      << out;
  EXPECT_TRUE(HasLines(out, "(hex: 54FC722D436F64653A2034373131)")) << out;
  // A received message is written back as an SMS-DELIVER with its status.
  EXPECT_TRUE(HasLines(run.transcript, "> AT+CMGW=33,1\n< > \n")) << run.transcript;
}

}  // namespace
}  // namespace telvane::sim
