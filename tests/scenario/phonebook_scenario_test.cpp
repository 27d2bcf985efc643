// The phone book window against the simulated phone: what the user does, the commands
// the phone receives for it, in order, and what the window shows afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "scenario.h"
#include "support/temp_dir.h"

namespace telvane::testing {
namespace {

using Lines = std::vector<std::string>;

// stem + n for every n from `from` to `to`.
Lines Numbered(const std::string& stem, int from, int to) {
  Lines lines;
  for (int n = from; n <= to; ++n) lines.push_back(stem + std::to_string(n));
  return lines;
}

Lines Concat(std::initializer_list<Lines> parts) {
  Lines all;
  for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// The first `count` commands from the first line equal to `command` on.
Lines From(const Scenario& scenario, const std::string& command, std::size_t count) {
  Lines from = scenario.ReceivedFrom(command);
  if (from.size() > count) from.resize(count);
  return from;
}

// The commands after the first line equal to `command`.
Lines After(const Scenario& scenario, const std::string& command) {
  Lines from = scenario.ReceivedFrom(command);
  if (!from.empty()) from.erase(from.begin());
  return from;
}

struct Entry {
  int position;
  std::string number;
  std::string name;
};

std::string Book(const std::vector<Entry>& entries) {
  std::string json = "[";
  for (const Entry& entry : entries) {
    if (json.size() > 1) json += ",";
    json += R"({"position": )" + std::to_string(entry.position) + R"(, "number": ")" +
            entry.number + R"(", "name": ")" + entry.name + "\"}";
  }
  return json + "]";
}

struct Card {
  int index;
  std::string lines;  // the vCard lines between VERSION and END, JSON-escaped
};

std::string Cards(const std::vector<Card>& cards) {
  std::string json = "[";
  for (const Card& card : cards) {
    if (json.size() > 1) json += ",";
    json += R"({"index": )" + std::to_string(card.index) +
            R"(, "text": "BEGIN:VCARD\r\nVERSION:2.1\r\n)" + card.lines + R"(END:VCARD\r\n"})";
  }
  return json + "]";
}

// A phone with these books; the books not named are empty.
std::string Phone(const std::string& books, const std::vector<Card>& cards = {}) {
  return R"({"phonebooks": {)" + books + R"(}, "objects": {"vcf": )" + Cards(cards) + "}}";
}

// The reads of the window's opening from the own numbers to the Redbook, for a phone
// with empty own numbers, `addressReads` vcf objects visited and an empty Redbook.
Lines OpeningUpToCallLists(int addressReads) {
  return Concat({{"AT+CPBS=ON", "AT+CPBR=?"},
                 Numbered("AT+CPBR=", 1, 4),
                 {"AT^SPBS=ME"},
                 Numbered("AT^SBNR=\"vcf\",", 0, addressReads - 1),
                 {"AT^SPBS=RD", "AT^SPBG=?"},
                 Numbered("AT^SPBG=", 1, 30)});
}

// The rest of the opening for three empty call lists.
const Lines kEmptyCallListsAndCentre = {"AT+CPBS=LD", "AT+CPBR=?", "AT+CPBR=1",  "AT+CPBS=MC",
                                        "AT+CPBR=?",  "AT+CPBR=1", "AT+CPBS=RC", "AT+CPBR=?",
                                        "AT+CPBR=1",  "AT+CSCA?",  "AT^SPBS=ME"};

// The lines with every data line (hex, then Ctrl-Z) as "<data>": what a vCard with its
// time of writing leaves of a transcript to compare exactly.
Lines WithoutData(Lines lines) {
  for (std::string& line : lines) {
    if (line.ends_with("<SUB>")) line = "<data>";
  }
  return lines;
}

// The vCard text of the one data line that follows `header` in the transcript.
std::string VCardAfter(const Scenario& scenario, const std::string& header) {
  const Lines tail = scenario.ReceivedFrom(header);
  if (tail.size() < 2 || !tail[1].ends_with("<SUB>")) return {};
  return Unhex(std::string_view(tail[1]).substr(0, tail[1].size() - 5));
}

TEST(PhonebookScenario, OpeningReadsEveryBookInOrderAndAChangedBookIsReadAgain) {
  Scenario scenario(Phone(R"("ON": [{"position": 1, "number": "+4930111"}],
      "SM": [{"position": 1, "number": "+491711234567", "name": "Mama!"},
             {"position": 2, "number": "0301", "name": "Anna"}],
      "LD": [{"position": 1, "number": "0891"}, {"position": 2, "number": "0301", "name": "Anna"}],
      "MC": [{"position": 1, "number": "0302", "name": "Bob"}])",
                          {{1, R"(N:Alpha\r\nTEL;HOME:0301\r\n)"},
                           {7, R"(N:Berta\r\nTEL;HOME:+4930222\r\nCATEGORIES:VIP\r\n)"}}));
  const ScriptRun run = scenario.Run(R"(
click 1025
expect window 105
expect text 1027 +4930111
expect text 1028 
expect rowcount 1026 2
expect cell 1026 0 0 2
expect cell 1026 0 1 Alpha
expect cell 1026 1 1 Berta!
expect cell 1026 1 2 +4930222
expect text 1160 2
expect text 1161 500
expect rowcount 1031 2
expect cell 1031 0 1 Mama!
expect cell 1031 1 1 Berta!
expect item 1032 0 , 0891
expect item 1032 1 Anna, 0301
expect item 1033 0 Bob, 0302
expect rowcount 1034 0
expect text 1035 +491770000000
expect text 1106 Internal
select 1106 1
select 1106 0
expect text 1160 2
expect text 1161 250
expect cell 1026 1 1 Mama!
close
expect window 101
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  const Lines expected =
      Concat({{"AT+CPBS=ON", "AT+CPBR=?"},
              Numbered("AT+CPBR=", 1, 4),
              {"AT^SPBS=ME"},
              Numbered("AT^SBNR=\"vcf\",", 0, 500),
              {"AT^SPBS=RD", "AT^SPBG=?"},
              Numbered("AT^SPBG=", 1, 30),
              {"AT+CPBS=LD", "AT+CPBR=?"},
              Numbered("AT+CPBR=", 1, 3),
              {"AT+CPBS=MC", "AT+CPBR=?"},
              Numbered("AT+CPBR=", 1, 2),
              {"AT+CPBS=RC", "AT+CPBR=?", "AT+CPBR=1", "AT+CSCA?", "AT^SPBS=ME"},
              // Choosing "Internal" again reads nothing; "SIM" reads all 250 positions.
              {"AT^SPBS=SM", "AT+CPBR=?"},
              Numbered("AT+CPBR=", 1, 250)});
  EXPECT_EQ(scenario.ReceivedFrom("AT+CPBS=ON"), expected);
}

// Eleven SIM entries: with ReadB the SIM read ends after positions 12, 13 and 14, which
// are then the whole free list.
std::string ElevenSimEntries() {
  std::vector<Entry> entries;
  for (int position = 1; position <= 11; ++position) {
    entries.push_back(
        {position, "0301" + std::to_string(position), "Zeta" + std::to_string(position)});
  }
  return Phone(R"("SM": )" + Book(entries));
}

TEST(PhonebookScenario, NewSimEntriesTakeTheFreePositionsWithEscapedNames) {
  Scenario scenario(ElevenSimEntries(), "ReadB=1\n");
  const ScriptRun run = scenario.Run(R"(
click 1025
select 1106 0
expect rowcount 1026 11
rclick 1026
click 40005
expect window 110
type 1056 Anna
type 1058 +4930
click 1
expect window 105
rclick 1026
click 40005
type 1056 Jörg
type 1058 030
click 1
rclick 1026
click 40005
type 1056 Anna"\r\nATD0900
type 1058 0305
click 1
rclick 1026
click 40005
type 1056 Otto
type 1058 0306
click 1
expect message 32
expect text 1056 Otto
click 2
expect rowcount 1026 14
expect text 1160 14
expect cell 1026 0 0 12
expect cell 1026 0 1 Anna
expect cell 1026 0 2 +4930
expect cell 1026 1 0 14
expect cell 1026 1 1 Anna"ATD0900
expect cell 1026 2 0 13
expect cell 1026 2 1 Jörg
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;

  // With ReadB the address book read ends after the tenth empty object.
  const Lines reads = Concat({OpeningUpToCallLists(10),
                              kEmptyCallListsAndCentre,
                              {"AT^SPBS=SM", "AT+CPBR=?"},
                              Numbered("AT+CPBR=", 1, 14)});
  EXPECT_EQ(From(scenario, "AT+CPBS=ON", reads.size()), reads);
  // The typed line breaks are dropped and the quote goes as its escape, which the phone
  // takes; with no free position left, only the book selection of the menu command.
  EXPECT_EQ(After(scenario, "AT+CPBR=14"),
            (Lines{"AT^SPBS=SM", "AT+CPBW=12,+4930,145,\"Anna\"", "AT^SPBS=SM",
                   "AT+CPBW=13,030,129,\"J\\7Crg\"", "AT^SPBS=SM",
                   "AT+CPBW=14,0305,129,\"Anna\\22ATD0900\"", "AT^SPBS=SM"}));
}

TEST(PhonebookScenario, SimFixWritesAskForPin2OnceAndAreSentTwice) {
  Scenario scenario(Phone(R"("FD": [{"position": 1, "number": "0301", "name": "Amt"},
                                    {"position": 2, "number": "0302", "name": "Bank"}])"),
                    "ReadB=1\n");
  const ScriptRun run = scenario.Run(R"(
click 1025
select 1106 2
expect rowcount 1026 2
rows 1026 0
rclick 1026
click 40006
expect text 1056 Amt
type 1058 0309
click 1
expect window 137
click 2
expect window 110
click 2
expect window 105
rclick 1026
click 40006
type 1058 0309
click 1
expect window 137
click 1
expect message 47
expect text 1058 0309
click 2
rclick 1026
click 40006
type 1058 0309
click 1
expect window 137
type 1110 9999
click 1
expect message 48
click 2
expect cell 1026 0 2 0301
rclick 1026
click 40006
type 1058 0309
click 1
expect window 137
type 1110 1234
click 1
expect window 105
expect cell 1026 0 2 0309
rows 1026 1
rclick 1026
click 40006
type 1058 0308
click 1
expect window 105
expect cell 1026 1 2 0308
rclick 1026
answer yes
click 40046
expect rowcount 1026 0
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  const std::string amt = "AT+CPBW=1,0309,129,\"Amt\"";
  const std::string bank = "AT+CPBW=2,0308,129,\"Bank\"";
  EXPECT_EQ(scenario.ReceivedFrom("AT^SPBS=FD"),
            Concat({{"AT^SPBS=FD", "AT+CPBR=?"},
                    Numbered("AT+CPBR=", 1, 5),
                    {"AT^SPBS=FD",  // cancelled PIN2: no write
                     "AT^SPBS=FD",  // empty PIN2: "Invalid PIN2", no write
                     "AT^SPBS=FD", "AT+CMEE=2", amt, "AT+CPIN?", "AT+CPIN=9999",  // rejected
                     "AT^SPBS=FD", "AT+CMEE=2", amt, "AT+CPIN?", "AT+CPIN=1234", amt, "AT+CMEE=0",
                     "AT^SPBS=FD", "AT+CMEE=2", bank, bank, "AT+CMEE=0",
                     // Deleting the book: position 1 as the probe, then every position.
                     "AT+CMEE=2", "AT+CPBW=1"},
                    Numbered("AT+CPBW=", 1, 10),
                    {"AT+CMEE=0", "AT+CPBR=?"},
                    Numbered("AT+CPBR=", 1, 3)}));
}

TEST(PhonebookScenario, AddressEntriesAreWrittenAsVCardsAndDeletedByObjectIndex) {
  Scenario scenario(
      Phone("", {{1, R"(N:Alpha\r\nTEL;HOME:0301\r\n)"}, {7, R"(N:Berta\r\nTEL;HOME:0302\r\n)"}}),
      "ReadB=1\n");
  const ScriptRun run = scenario.Run(R"(
click 1025
rclick 1026
click 40005
expect window 163
type 1266 Miller
type 1267 John
type 1273 +4930
click 1
expect window 105
expect rowcount 1026 3
expect cell 1026 2 0 3
expect cell 1026 2 1 Miller;John
expect cell 1026 2 2 +4930
expect text 1160 3
rows 1026 1
answer yes
key 1026 delete
expect cell 1026 1 0 8
expect cell 1026 1 1 
rclick 1026
click 40005
type 1266 Zorn
type 1273 0309
click 1
expect cell 1026 3 0 8
expect cell 1026 3 1 Zorn
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  // Objects 1 and 7 are filled: the tenth empty object is 11.
  const Lines reads = Concat({OpeningUpToCallLists(12), kEmptyCallListsAndCentre});
  EXPECT_EQ(From(scenario, "AT+CPBS=ON", reads.size()), reads);
  // Object index 0 is never offered: the first new entry goes to index 2; the freed
  // index 7 is the first free place after the delete.
  EXPECT_EQ(WithoutData(After(scenario, "AT+CSCA?")),
            (Lines{"AT^SPBS=ME", "AT^SPBS=ME", "AT^SBNW=\"vcf\",2,1,1", "<data>",
                   "AT^SBNW=\"vcf\",7,0", "AT^SPBS=ME", "AT^SBNW=\"vcf\",7,1,1", "<data>"}));
  EXPECT_TRUE(
      std::regex_match(VCardAfter(scenario, "AT^SBNW=\"vcf\",2,1,1"),
                       std::regex("BEGIN:VCARD\r\nVERSION:1\\.0\r\nREV:[0-9]{8}T[0-9]{6}\r\n"
                                  "N:Miller;John\r\nTEL;HOME:\\+4930\r\nEND:VCARD\r\n")))
      << VCardAfter(scenario, "AT^SBNW=\"vcf\",2,1,1");
  EXPECT_NE(VCardAfter(scenario, "AT^SBNW=\"vcf\",7,1,1").find("\r\nN:Zorn\r\nTEL;HOME:0309\r\n"),
            std::string::npos);
}

std::string NormalisingPhone() {
  return Phone(
      R"("SM": )" +
      Book({{1, "030", "Amt"}, {2, "0049", "Bund"}, {3, "+4930", "Cafe"}, {4, "112", "Dora"}}));
}

TEST(PhonebookScenario, NormalisingPrefixesNationalNumbersWithAndWithoutTheirZero) {
  const std::string script = "click 1025\nselect 1106 0\nrclick 1026\nclick 40039\n";
  {
    Scenario scenario(NormalisingPhone(), "ReadB=1\nTPref=+49\n");
    const ScriptRun run = scenario.Run(script +
                                       "expect cell 1026 0 2 +4930\nexpect cell 1026 1 2 +49049\n"
                                       "expect cell 1026 2 2 +4930\nexpect cell 1026 3 2 112\n");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(After(scenario, "AT+CPBR=7"),
              (Lines{"AT+CPBW=1,+4930,145,\"Amt\"", "AT+CPBW=2,+49049,145,\"Bund\""}));
  }
  Scenario scenario(NormalisingPhone(), "ReadB=1\nTPref=+49\nRem0=1\n");
  const ScriptRun run = scenario.Run(script + "expect cell 1026 0 2 +49030\n");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(After(scenario, "AT+CPBR=7"),
            (Lines{"AT+CPBW=1,+49030,145,\"Amt\"", "AT+CPBW=2,+490049,145,\"Bund\""}));
}

TEST(PhonebookScenario, RedbookMarksAreWrittenAddedAndRemoved) {
  Scenario scenario(
      Phone(R"("SM": )" +
            Book({{1, "+491711234567", "Mama!"}, {2, "0301", "Anna"}, {3, "0302", "Bob"}})),
      "ReadB=1\n");
  const ScriptRun run = scenario.Run(R"(
click 1025
expect rowcount 1031 1
select 1106 0
expect cell 1026 0 1 Anna
rows 1026 0
key 1026 f3
expect cell 1026 0 1 Anna!
expect rowcount 1031 2
expect cell 1031 1 0 2
expect cell 1031 1 1 Anna!
dblclick 1026 2
expect message 23
dblclick 1026 1
expect cell 1026 1 1 Bob!
expect rowcount 1031 3
rows 1031 0
key 1031 delete
expect rowcount 1031 2
expect cell 1031 0 1 Anna!
expect cell 1026 2 1 Mama
rows 1026 2
answer yes
key 1026 delete
key 1026 f3
expect message 46
select 1106 1
rows 1031 0
key 1031 delete
expect message 46
expect rowcount 1031 2
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(After(scenario, "AT+CPBR=6"),
            Concat({{"AT^SPBS=SM", "AT+CPBW=2,0301,129,\"Anna!\"",          // F3
                     "AT^SPBS=SM", "AT+CPBW=3,0302,129,\"Bob!\"",           // double click
                     "AT^SPBS=SM", "AT+CPBW=1,+491711234567,145,\"Mama\"",  // Delete in the Redbook
                     "AT+CPBW=1",  // deleted; F3 on its blank row writes nothing back
                     "AT^SPBS=ME"},
                    Numbered("AT^SBNR=\"vcf\",", 0, 9),
                    {"AT^SPBS=ME"}}));  // "Anna!" is not in the address book: nothing written
}

TEST(PhonebookScenario, RefusedBookSelectionLeavesTheWindowOnTheBookItShowed) {
  const std::string phone =
      R"({"phonebooks": {"SM": )" + Book({{1, "0301", "Anna"}, {2, "0302", "Bob"}}) +
      R"(}, "objects": {"vcf": )" + Cards({{1, R"(N:Alpha\r\nTEL;HOME:0309\r\n)"}}) +
      R"(}, "faults": [{"kind": "error", "command": "AT^SPBS=SM", "count": 1}]})";
  Scenario scenario(phone, "ReadB=1\n");
  const ScriptRun run = scenario.Run(R"(
click 1025
select 1106 0
expect current 1106 1
expect rowcount 1026 1
expect cell 1026 0 1 Alpha
close
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  // Nothing read or written after the refusal; the address book stays in its own section.
  EXPECT_EQ(scenario.ReceivedFrom("AT^SPBS=SM"), (Lines{"AT^SPBS=SM"}));
  EXPECT_EQ(ReadFile(scenario.SettingsFile().parent_path() / "Telvane.phb"),
            "[INT]\r\n2,Alpha+,0309\r\n");
}

TEST(PhonebookScenario, CancelledPin2LeavesTheMarkUnwrittenEverywhere) {
  Scenario scenario(Phone(R"("FD": )" + Book({{1, "030", "Amt"}})), "ReadB=1\nTPref=+49\n");
  const ScriptRun run = scenario.Run(R"(
click 1025
select 1106 2
rows 1026 0
key 1026 f3
expect window 137
click 2
expect window 105
expect cell 1026 0 1 Amt
expect rowcount 1031 0
rclick 1026
click 40039
expect message 48
expect cell 1026 0 1 Amt
expect rowcount 1031 0
close
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  // F3 selects the book and writes nothing; the later normalising write carries no mark.
  EXPECT_EQ(scenario.ReceivedFrom("AT^SPBS=FD"),
            Concat({{"AT^SPBS=FD", "AT+CPBR=?"},
                    Numbered("AT+CPBR=", 1, 4),
                    {"AT^SPBS=FD", "AT+CMEE=2", "AT+CPBW=1,+4930,145,\"Amt\"", "AT+CPIN?"}}));
  EXPECT_EQ(ReadFile(scenario.SettingsFile().parent_path() / "Telvane.phb"),
            "[INT]\r\n[FDN]\r\n1,Amt*,+4930\r\n");
}

TEST(PhonebookScenario, PrintingTheBookOnShowTwiceWithItsRedbookLineInRed) {
  Scenario scenario(Phone(R"("SM": )" + Book({{1, "+491711234567", "Mama!"}, {2, "0301", "Anna"}})),
                    "ReadB=1\n");
  const auto pages = scenario.Folder() / "pages.txt";
  const ScriptRun run = scenario.Run("click 1025\nselect 1106 0\nrclick 1026\nprint " +
                                     pages.string() + " 2\nclick 40013\nclose\nclick 40001\n");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  const std::string text = ReadFile(pages);
  const std::regex title(R"(Phonebook S45 SIM \d{1,2}/\d\d/\d{4}, \d\d:\d\d - 1)");
  const std::string copy =
      "document Keltrin Phonebook\npage\nblack 35 83\tTITLE\n"
      "black 35 141\t  2 Anna,  0301\nred 35 170\t  1 Mama!,  +491711234567\n"
      "end page\nend document\n";
  const std::string shown = std::regex_replace(text, title, "TITLE");
  EXPECT_EQ(shown, copy + copy);
}

TEST(PhonebookScenario, CallListsDialBackAndCopyAndTheServiceCentreIsSet) {
  Scenario scenario(
      Phone(
          R"("LD": [{"position": 1, "number": "0891"}, {"position": 2, "number": "0301", "name": "Anna"}],
                             "MC": [{"position": 1, "number": "0302", "name": "Doe, John"}])"),
      "ReadB=1\n");
  const ScriptRun run = scenario.Run(R"(
click 1025
expect item 1033 0 Doe, John, 0302
select 1032 0
rclick 1032
click 40009
rclick 1032
click 40011
select 1032 1
rclick 1032
click 40033
expect message 73
select 1032 0
rclick 1032
click 40033
expect window 163
expect text 1273 0891
type 1266 Kurz
click 1
expect window 105
expect cell 1026 0 1 Kurz
select 1033 0
rclick 1033
click 40008
type 1035 +4917
click 1159
type 1035 
click 1159
expect message 58
click 1011
expect rowcount 1032 0
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  // The copied number goes as a new address entry; the number dialled is the one behind
  // the name's own comma.
  EXPECT_EQ(WithoutData(After(scenario, "AT+CSCA?")),
            (Lines{"AT^SPBS=ME", "ATDT 0891;", "AT+CHUP", "AT^SBNW=\"vcf\",1,1,1", "<data>",
                   "ATDT 0302;", "AT+CSCA=+4917,145", "AT^SDMC"}));
  EXPECT_NE(VCardAfter(scenario, "AT^SBNW=\"vcf\",1,1,1").find("\r\nN:Kurz\r\nTEL;HOME:0891\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace telvane::testing

namespace telvane::testing {
namespace {

// Exports the book on show as CSV to `first`, deletes the whole book, imports `first`
// (answering `overwrite`), and exports again to `second`.
std::string CsvRoundTrip(const std::string& book, const std::filesystem::path& first,
                         const std::filesystem::path& second, const std::string& overwrite) {
  return "click 1025\n" + book + "rclick 1026\nfile " + first.string() +
         "\nclick 40014\nanswer yes\nrclick 1026\nclick 40046\nexpect rowcount 1026 0\n"
         "file " +
         first.string() + "\nanswer " + overwrite +
         "\nrclick 1026\nclick 40019\n"
         "file " +
         second.string() + "\nrclick 1026\nclick 40014\nclose\nclick 40001\n";
}

// The CSV lines without their position column, sorted: what an import at other places keeps.
std::vector<std::string> WithoutPositions(const std::string& csv) {
  std::vector<std::string> lines;
  std::istringstream in(csv);
  for (std::string line; std::getline(in, line);) lines.push_back(line.substr(line.find(';')));
  std::sort(lines.begin(), lines.end());
  return lines;
}

TEST(PhonebookFilesScenario, SimBookExportedDeletedAndImportedHoldsTheSameEntries) {
  Scenario scenario(Phone(R"("SM": )" + Book({{1, "+491711234567", "Mama"},
                                              {2, "0301", "J\u00f6rg"},
                                              {4, "0891", "Tom & Jerry"}})),
                    "ReadB=1\n");
  const auto first = scenario.Folder() / "sim.csv";
  const auto second = scenario.Folder() / "again.csv";
  const ScriptRun run = scenario.Run(CsvRoundTrip("select 1106 0\n", first, second, "yes"));
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(
      ReadFile(first),
      "NR;NAME;TELNUM\r\n1;Mama;'+491711234567\r\n2;J\xF6rg;'0301\r\n4;Tom & Jerry;'0891\r\n");
  EXPECT_EQ(ReadFile(second), ReadFile(first));
  Lines imported;
  for (const std::string& line : scenario.Received()) {
    if (line.starts_with("AT+CPBW=") && line.find('"') != std::string::npos)
      imported.push_back(line);
  }
  EXPECT_EQ(imported,
            (Lines{"AT+CPBW=1,+491711234567,145,\"Mama\"", "AT+CPBW=2,0301,129,\"J\\7Crg\"",
                   "AT+CPBW=4,0891,129,\"Tom & Jerry\""}));
}

TEST(PhonebookFilesScenario, AddressBookRoundTripsThroughTheExtendedCsvAndThroughDroppedVcards) {
  Scenario scenario(
      Phone(
          "",
          {{1,
            R"(N:Miller;John\r\nORG:ACME\r\nADR:;;Main St 1;Springfield;;12345;USA\r\nTEL;HOME:+4930\r\nTEL;CELL:0171\r\nEMAIL;INTERNET:john@example.com\r\n)"},
           {4, R"(N:Baer;Soeren\r\nTEL;HOME:0302\r\n)"}}),
      "ReadB=1\n");
  const auto first = scenario.Folder() / "addr.csv";
  const auto second = scenario.Folder() / "again.csv";
  ScriptRun run = scenario.Run(CsvRoundTrip("", first, second, "yes"));
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(ReadFile(first).find("2;Miller John;John;Miller;ACME;Main St "
                                 "1;Springfield;12345;USA;'+4930;';'0171;';john@example.com;\r\n"),
            std::string::npos);
  EXPECT_EQ(ReadFile(second), ReadFile(first));

  // Each entry as a vCard file of its own, the book deleted, the files dropped back.
  const auto miller = scenario.Folder() / "miller.vcf";
  const auto baer = scenario.Folder() / "baer.VCF";
  const auto third = scenario.Folder() / "dropped.csv";
  WriteFile(scenario.Folder() / "notes.txt", "N:Nobody\r\n");
  run = scenario.Run(
      "click 1025\nrows 1026 0\nrclick 1026\nfile " + baer.string() +
      "\nclick 40048\nrows 1026 1\nrclick 1026\nfile " + miller.string() +
      "\nclick 40048\nanswer yes\nrclick 1026\nclick 40046\nexpect rowcount 1026 0\ndrop 105 " +
      miller.string() + " " + baer.string() + " " + (scenario.Folder() / "notes.txt").string() +
      "\nexpect rowcount 1026 2\nrclick 1026\nfile " + third.string() +
      "\nclick 40014\nclose\nclick 40001\n");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(WithoutPositions(ReadFile(third)), WithoutPositions(ReadFile(first)));
}

}  // namespace
}  // namespace telvane::testing
