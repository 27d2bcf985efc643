// The SMS list as CSV and XML: the exact bytes, and files of hostile texts and names that
// a CSV reader and an XML parser take back with the same values.
#include "sms/sms_export.h"

#include <gtest/gtest.h>

#include "support/child_process.h"
#include "support/temp_dir.h"

namespace telvane::sms {
namespace {

using testing::RunProgram;
using testing::TempDir;

SmsListRow Row(std::string index, std::string status, std::string date, std::string number,
               std::string name, std::string text) {
  SmsListRow row;
  row.cells = {std::move(index),  std::move(status), std::move(date),
               std::move(number), std::move(name),   std::move(text)};
  return row;
}

std::vector<SmsListRow> PlainRows() {
  return {Row("3", "1", "02/05/17 08:30:00", "+491701234567", "Carla+", "Hi\r\nyou, there;"),
          Row("2", "2", "", "0301234567", "", "Hallo")};
}

TEST(SmsExportTest, CsvAndXmlBytes) {
  EXPECT_EQ(SmsExportText(PlainRows(), SmsExportFormat::kCsv),
            "NR,NAME,TELNUM,DATE,TEXT\r\n"
            "3,Carla+,'+491701234567,02/05/17 08:30:00,Hi  you  there \r\n"
            "2,,'0301234567,,Hallo\r\n");
  EXPECT_EQ(SmsExportText({}, SmsExportFormat::kXml),
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n<SMSLIST>\r\n</SMSLIST>\r\n");
  const std::vector<SmsListRow> hostile = {
      Row("7", "0", "", "+49", "Doe, \"J\"", "a&b<c>\"d'\x01\xE4")};
  EXPECT_EQ(SmsExportText(hostile, SmsExportFormat::kCsv),
            "NR,NAME,TELNUM,DATE,TEXT\r\n"
            "7,\"Doe, \"\"J\"\"\",'+49,,\"a&b<c>\"\"d'\x01\xE4\"\r\n");
  EXPECT_EQ(SmsExportText(hostile, SmsExportFormat::kXml),
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n<SMSLIST>\r\n<MESSAGE>\r\n"
            "<NO>7</NO>\r\n<NAME>Doe, &quot;J&quot;</NAME>\r\n<TELNUM>+49</TELNUM>\r\n"
            "<DATE></DATE>\r\n<TEXT>a&amp;b&lt;c&gt;&quot;d&apos; \xE4</TEXT>\r\n"
            "</MESSAGE>\r\n</SMSLIST>\r\n");
  // Cells are cut to their limits.
  const std::vector<SmsListRow> longRow = {
      Row("1234567890", "0", "", "", std::string(70, 'n'), std::string(600, 't'))};
  EXPECT_EQ(SmsExportText(longRow, SmsExportFormat::kCsv),
            "NR,NAME,TELNUM,DATE,TEXT\r\n123456789," + std::string(59, 'n') + ",'," + "," +
                std::string(511, 't') + "\r\n");
}

std::vector<SmsListRow> HostileRows() {
  return {Row("1", "0", "02/05/17 08:30:00", "+491701234567", "Doe, \"J\" & <Co>",
              "\"quoted\" & <b>'x'</b>, a;b\r\nnext\tline\x01\x1B\x7F end \xE4\xDF"),
          Row("2", "2", "", "A,B\"C", "", "\"")};
}

// What python3's csv module reads, as JSON.
constexpr const char* kReadCsv =
    "import csv,json,sys\n"
    "print(json.dumps(list(csv.reader(open(sys.argv[1],encoding='latin-1',newline='')))))\n";
constexpr const char* kReadXml =
    "import xml.etree.ElementTree as E,json,sys\n"
    "print(json.dumps([[c.tag,c.text or ''] for m in E.parse(sys.argv[1]).getroot() for c in "
    "m]))\n";

std::string Python(const char* program, const std::filesystem::path& file) {
  const auto run = RunProgram({"python3", "-c", program, file.string()});
  EXPECT_EQ(run.status, 0) << run.err;
  return run.out;
}

TEST(SmsExportFileTest, CsvReadsBackWithFiveFieldsAndKeepsAppending) {
  TempDir folder;
  const auto file = folder / "sms.csv";
  ASSERT_TRUE(ExportSmsList(HostileRows(), file, SmsExportFormat::kCsv).done);
  ASSERT_TRUE(ExportSmsList(HostileRows(), file, SmsExportFormat::kCsv).done);
  const std::string once =
      R"(["NR", "NAME", "TELNUM", "DATE", "TEXT"], )"
      R"(["1", "Doe, \"J\" & <Co>", "'+491701234567", "02/05/17 08:30:00", )"
      R"("\"quoted\" & <b>'x'</b>  a b  next\tline\u0001\u001b\u007f end \u00e4\u00df"], )"
      R"(["2", "", "'A,B\"C", "", "\""])";
  EXPECT_EQ(Python(kReadCsv, file), "[" + once + ", " + once + "]\n");
}

TEST(SmsExportFileTest, XmlIsWellFormedAndWrittenAnewEachTime) {
  TempDir folder;
  const auto file = folder / "sms.xml";
  for (int round = 0; round < 2; ++round) {
    ASSERT_TRUE(ExportSmsList(HostileRows(), file, SmsExportFormat::kXml).done);
    const auto lint = RunProgram({"xmllint", "--noout", file.string()});
    EXPECT_EQ(lint.status, 0) << lint.err;
  }
  EXPECT_EQ(Python(kReadXml, file),
            R"([["NO", "1"], ["NAME", "Doe, \"J\" & <Co>"], ["TELNUM", "+491701234567"], )"
            R"(["DATE", "02/05/17 08:30:00"], )"
            R"(["TEXT", "\"quoted\" & <b>'x'</b>  a b  next\tline  \u007f end \u00e4\u00df"], )"
            R"(["NO", "2"], ["NAME", ""], ["TELNUM", "A,B\"C"], ["DATE", ""], ["TEXT", "\""]])"
            "\n");
}

TEST(SmsExportFileTest, AFileThatCannotBeOpenedIsReported) {
  TempDir folder;
  const base::Outcome outcome =
      ExportSmsList(PlainRows(), folder / "missing" / "sms.csv", SmsExportFormat::kCsv);
  EXPECT_FALSE(outcome.done);
  EXPECT_EQ(outcome.messageId, kStrCantOpenExportFile);
}

}  // namespace
}  // namespace telvane::sms
