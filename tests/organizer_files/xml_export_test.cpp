// The XML export: exact bytes, a file replaced rather than added to, and a document an
// independent reader (xmllint) accepts and reads the texts back from.
#include <gtest/gtest.h>

#include <vector>

#include "organizer/organizer_xml.h"
#include "support/child_process.h"
#include "support/temp_dir.h"

namespace telvane::organizer {
namespace {

TEST(OrganizerXmlExport, EscapedFieldsInAFileOfItsOwnThatXmllintReads) {
  const std::vector<OrganizerEntry> rows = {
      {1, SlotState::kOccupied, "Yearly", "*", "2001/12/24", "18:30", "ANNIVERSARY",
       "Tom & Jerry <3> M\xFCller; \"x\""},
      {2, SlotState::kEmpty},
      {3, SlotState::kOccupied, "", "", "2024/02/29", "07:05", "PHONE CALL", "+4930\x01"},
  };
  const std::string expected =
      "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n"
      "<ORGANIZER>\r\n"
      "<ENTRY>\r\n<DATE>2001.12.24</DATE>\r\n<TIME>18:30</TIME>\r\n<ALARM>1</ALARM>\r\n"
      "<CATEGORY>0</CATEGORY>\r\n"
      "<TEXT>Tom &amp; Jerry &lt;3&gt; M\xFCller  &quot;x&quot;</TEXT>\r\n"
      "<RRULE>4</RRULE>\r\n</ENTRY>\r\n"
      "<ENTRY>\r\n<DATE>2024.02.29</DATE>\r\n<TIME>07:05</TIME>\r\n<ALARM>0</ALARM>\r\n"
      "<CATEGORY>3</CATEGORY>\r\n<TEXT>+4930 </TEXT>\r\n<RRULE>0</RRULE>\r\n</ENTRY>\r\n"
      "</ORGANIZER>\r\n";
  EXPECT_EQ(XmlExportText(rows, 9), expected);
  EXPECT_EQ(XmlExportText({}, 9),
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n<ORGANIZER>\r\n</ORGANIZER>\r\n");

  testing::TempDir dir;
  const auto file = dir / "o.xml";
  ASSERT_TRUE(ExportOrganizerXml(rows, file, 9).done);
  ASSERT_TRUE(ExportOrganizerXml(rows, file, 9).done);
  EXPECT_EQ(testing::ReadFile(file), expected);

  ASSERT_TRUE(testing::FindOnPath("xmllint")) << "xmllint is missing (scripts/deps)";
  const testing::ProgramRun lint = testing::RunProgram({"xmllint", "--noout", file.string()});
  EXPECT_EQ(lint.status, 0) << lint.err;
  const testing::ProgramRun text = testing::RunProgram(
      {"xmllint", "--xpath", "string(/ORGANIZER/ENTRY[1]/TEXT)", file.string()});
  EXPECT_EQ(text.out, "Tom & Jerry <3> M\xC3\xBCller  \"x\"\n");  // xmllint answers in UTF-8
  EXPECT_EQ(ExportOrganizerXml(rows, dir / "no" / "o.xml", 9).messageId, 25);
}

}  // namespace
}  // namespace telvane::organizer
