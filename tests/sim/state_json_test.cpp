#include "sim/state_json.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace telvane::sim {
namespace {

namespace fs = std::filesystem;

// What a malformed state is refused for.
template <typename Load>
std::string Refusal(Load load) {
  try {
    load();
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return "(accepted)";
}

std::string ProblemOf(std::string_view json) {
  return Refusal([json] { PhoneStateFromJson(json); });
}

class StateFileTest : public ::testing::Test {
 protected:
  testing::TempDir dir_;
};

TEST(StateJsonTest, RoundTripKeepsEveryValueAndUnknownSections) {
  PhoneState state = DemoPhone();
  state.audio.vibrator = true;
  state.audio.tone = 0;
  state.status.registration = 5;
  state.faults.push_back({FaultKind::UnsolicitedInside, "AT+CBC", -1});
  state.keptSections["satellite"] = R"({"unconditional":[{"class":1,"number":"+4930"}]})";
  state.messageReference = 17;
  state.sent = {{"0011000C919471103254760000AA0AE8329BFD4697D9EC37"},
                {"00110005812143F50000AA047B450302"}};
  state.waiting = {{"000405812143F500006221609003000002CF35"}};
  state.messageIndications = {1, 0, 0, 2, 0};
  const std::string json = PhoneStateToJson(state);
  const PhoneState back = PhoneStateFromJson(json);
  EXPECT_EQ(PhoneStateToJson(back), json);
  EXPECT_TRUE(back.audio.vibrator);
  EXPECT_EQ(back.messageReference, 17);
  ASSERT_EQ(back.sent.size(), 2u);
  EXPECT_EQ(back.sent[1].pdu, "00110005812143F50000AA047B450302");
  ASSERT_EQ(back.faults.size(), 1u);
  EXPECT_EQ(back.faults[0].kind, FaultKind::UnsolicitedInside);
  EXPECT_EQ(back.faults[0].count, -1);
  EXPECT_EQ(back.messages.size(), 15u);
  ASSERT_EQ(back.waiting.size(), 1u);
  EXPECT_EQ(back.waiting[0].pdu, "000405812143F500006221609003000002CF35");
  EXPECT_NE(json.find(R"("messageIndications": [
    1,
    0,
    0,
    2,
    0
  ])"),
            std::string::npos);
  EXPECT_EQ(back.keptSections.at("satellite"),
            R"({"unconditional":[{"class":1,"number":"+4930"}]})");
}

TEST(StateJsonTest, MissingKeysKeepDefaultsAndUnknownKeysAreKept) {
  const PhoneState state =
      PhoneStateFromJson(R"({"status":{"battery":{"charge":55}},"futureThing":[1,2]})");
  EXPECT_EQ(state.status.batteryCharge, 55);
  EXPECT_EQ(state.status.rssi, 17);
  EXPECT_EQ(state.identity.model, "S45");
  EXPECT_TRUE(state.messages.empty());
  EXPECT_EQ(state.keptSections.at("futureThing"), "[1,2]");
}

TEST(StateJsonTest, MalformedStateNamesTheProblem) {
  EXPECT_NE(ProblemOf("{\"identity\": ").find("not valid JSON"), std::string::npos);
  EXPECT_NE(ProblemOf("[1,2]").find("one JSON object"), std::string::npos);
  const std::string deep = "{\"x\":" + std::string(100000, '[') + std::string(100000, ']') + "}";
  EXPECT_EQ(ProblemOf(deep), "nests deeper than 64 levels");
  EXPECT_EQ(ProblemOf(R"({"identity":{"imei":350}})"), "identity.imei must be a string");
  EXPECT_EQ(ProblemOf(R"({"identity":"x"})"), "identity must be an object");
  EXPECT_EQ(ProblemOf(R"({"status":{"battery":{"charge":"80"}}})"),
            "status.battery.charge must be a whole number");
  EXPECT_EQ(ProblemOf(R"({"status":{"battery":{"charge":1e99}}})"),
            "status.battery.charge must be a whole number");
  EXPECT_EQ(ProblemOf(R"({"status":{"battery":{"charge":101}}})"),
            "status.battery.charge 101 is outside 0-100");
  EXPECT_EQ(ProblemOf(R"({"audio":{"tone":42}})"), "audio.tone 42 is outside 0-41");
  EXPECT_EQ(ProblemOf(R"({"audio":{"toneRange":[5]}})"),
            "audio.toneRange must be [low, high] with whole numbers 0-999");
  EXPECT_EQ(ProblemOf(R"({"audio":{"playing":1}})"), "audio.playing must be true or false");
  EXPECT_EQ(ProblemOf(R"({"status":{"registration":{"lac":"0F3"}}})"),
            "status.registration.lac must be 4 hex digits");
  EXPECT_EQ(ProblemOf(R"({"clock":"26/13/01,00:00:00"})"),
            "clock must be a valid \"yy/MM/dd,hh:mm:ss\", not \"26/13/01,00:00:00\"");
  EXPECT_EQ(ProblemOf(R"({"messages":{}})"), "messages must be a list");
  EXPECT_NE(ProblemOf(R"({"messageReference":256})"), "(accepted)");
  EXPECT_NE(ProblemOf(R"({"sent":[{"pdu":"07XY"}]})"), "(accepted)");
  EXPECT_EQ(ProblemOf(R"({"waiting":[{"pdu":"07XY"}]})"),
            "waiting[0].pdu must be hex with a service centre length octet that fits");
  EXPECT_EQ(ProblemOf(R"({"messageIndications":[1,0,0,3,0]})"),
            "messageIndications must be within (0-3),(0-3),(0,2,3),(0-2),(0,1)");
  EXPECT_EQ(ProblemOf(R"({"messageIndications":[1,0]})"),
            "messageIndications must be five whole numbers 0-9");
  EXPECT_EQ(ProblemOf(R"({"messages":[{"index":1,"status":0,"pdu":"07XY"}]})"),
            "messages[index 1]: pdu must be hex with a service centre length octet that fits");
  EXPECT_EQ(ProblemOf(R"({"messages":[{"index":1,"status":0,"pdu":"0791"}]})"),
            "messages[index 1]: pdu must be hex with a service centre length octet that fits");
  EXPECT_EQ(ProblemOf(R"({"messages":[{"index":2,"status":4,"pdu":"0004"}]})"),
            "messages[index 2]: status 4 is outside 0-3");
  EXPECT_EQ(ProblemOf(R"({"messages":[{"index":2,"status":1,"pdu":"0004"},
                                      {"index":2,"status":1,"pdu":"0004"}]})"),
            "messages[index 2]: index used twice");
  EXPECT_EQ(ProblemOf(R"({"messages":[{"status":1,"pdu":"0004"}]})"),
            "messages[index 0]: index 0 is outside 1-25");
  EXPECT_EQ(ProblemOf(R"({"faults":[{"kind":"explode"}]})"),
            "faults[0].kind \"explode\" is not one of noAnswer, cutOff, garbage, "
            "unsolicitedInside, error, flood, lineGone");
  EXPECT_EQ(ProblemOf(R"({"status":{"operator":{"name":"a\"b"}}})"),
            "status.operator.name must be 1 to 24 printable characters without quotes");
}

TEST_F(StateFileTest, SaveIsAtomicAndLoadsBack) {
  PhoneState state = DemoPhone();
  state.status.operatorName = "Testnetz";
  const fs::path file = dir_ / "phone.json";
  SavePhoneState(state, file);
  SavePhoneState(state, file);
  EXPECT_EQ(LoadPhoneState(file).status.operatorName, "Testnetz");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.Path()), fs::directory_iterator{}), 1);
}

TEST_F(StateFileTest, LoadErrorsNameTheFile) {
  const fs::path missing = dir_ / "missing.json";
  EXPECT_NE(Refusal([&] { LoadPhoneState(missing); }).find(missing.string()), std::string::npos);
  const fs::path broken = dir_ / "broken.json";
  testing::WriteFile(broken, "{\"audio\": {\"tone\": }");
  const std::string what = Refusal([&] { LoadPhoneState(broken); });
  EXPECT_NE(what.find(broken.string()), std::string::npos) << what;
  EXPECT_NE(what.find("not valid JSON"), std::string::npos) << what;
  EXPECT_THROW(SavePhoneState(DemoPhone(), dir_ / "no-such-dir" / "phone.json"),
               std::runtime_error);
}

TEST(StateJsonTest, BooksAndObjectsRoundTripWithReadableNamesAndTexts) {
  PhoneState state = DemoPhone();
  state.books.sim.entries[99] = {"+4930", 145, std::string("\x7C\x10\x00x", 4)};  // "öΔ@x"
  state.objects["mid"][3] = std::string("\x00\xFF\x1A", 3);
  state.locks.pin2 = "98765";
  state.dialResult = "BUSY";
  const std::string json = PhoneStateToJson(state);
  EXPECT_NE(json.find(R"("name": "öΔ@x")"), std::string::npos);
  EXPECT_NE(json.find(R"("hex": "00FF1A")"), std::string::npos);
  EXPECT_NE(json.find(R"("text": "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Müller;Jürgen\r\n)"),
            std::string::npos);
  const PhoneState back = PhoneStateFromJson(json);
  EXPECT_EQ(PhoneStateToJson(back), json);
  EXPECT_EQ(back.books.sim.Find(99)->name, state.books.sim.Find(99)->name);
  EXPECT_EQ(back.books.dialled.entries.size(), 4u);
  EXPECT_EQ(back.objects.at("vcf").at(2), state.objects.at("vcf").at(2));
  EXPECT_EQ(back.objects.at("mid").at(3), std::string("\x00\xFF\x1A", 3));
  EXPECT_EQ(back.locks.pin2, "98765");
  EXPECT_EQ(back.dialResult, "BUSY");
  // A book given in the file replaces the default; the others stay empty.
  const PhoneState given = PhoneStateFromJson(
      R"({"phonebooks":{"FD":[{"position":2,"number":"4930","type":145,"name":"Büro"}]}})");
  EXPECT_EQ(given.books.fixedDialling.Find(2)->number, "+4930");
  EXPECT_EQ(given.books.fixedDialling.Find(2)->name, "B\x7Ero");
  EXPECT_TRUE(given.books.sim.entries.empty());
  EXPECT_TRUE(given.objects.empty());
}

TEST(StateJsonTest, MalformedBooksAndObjectsNameTheProblem) {
  EXPECT_EQ(ProblemOf(R"({"phonebooks":{"XX":[]}})"),
            "phonebooks.XX is not one of SM, FD, ON, LD, MC, RC");
  EXPECT_EQ(ProblemOf(R"({"phonebooks":{"FD":[{"position":11,"number":"1"}]}})"),
            "phonebooks.FD[0].position 11 is outside 1-10");
  EXPECT_EQ(ProblemOf(R"({"phonebooks":{"SM":[{"position":1,"number":"1","name":"Ş"}]}})"),
            "phonebooks.SM[0].name must be at most 16 characters of the GSM alphabet, "
            "without quotes");
  EXPECT_EQ(ProblemOf(R"({"phonebooks":{"SM":[{"position":1,"number":"1x"}]}})"),
            "phonebooks.SM[0].number must be at most 40 digits, *, #, p or w, with an "
            "optional +");
  EXPECT_EQ(ProblemOf(R"({"objects":{"vcf":[{"index":501,"text":"x"}]}})"),
            "objects.vcf[0].index 501 is outside 0-500");
  EXPECT_EQ(ProblemOf(R"({"objects":{"bmp":[{"index":0,"hex":"ABC"}]}})"),
            "objects.bmp[0].hex must be pairs of hex digits");
  EXPECT_EQ(ProblemOf(R"({"objects":{"bmp":[{"index":0}]}})"),
            "objects.bmp[0] must have either \"text\" or \"hex\"");
  EXPECT_EQ(ProblemOf(R"({"objects":{"gif":[]}})"), "objects.gif is not one of bmp, mid, vcf, vcs");
  EXPECT_EQ(ProblemOf(R"({"locks":{"pin2":"12"}})"), "locks.pin2 must be 4 to 8 digits");
  EXPECT_EQ(ProblemOf(R"({"calls":{"dialResult":"RING"}})"),
            "calls.dialResult must be OK, NO CARRIER, BUSY or NO DIALTONE");
}

TEST(StateJsonTest, DemoLogoAndRingToneAreWellFormedFiles) {
  const PhoneState demo = DemoPhone();
  const std::string& logo = demo.objects.at("bmp").at(0);
  const auto le32 = [&logo](std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(logo[at]) |
                                      static_cast<unsigned char>(logo[at + 1]) << 8 |
                                      static_cast<unsigned char>(logo[at + 2]) << 16 |
                                      static_cast<unsigned char>(logo[at + 3]) << 24);
  };
  ASSERT_GE(logo.size(), 62u);
  EXPECT_EQ(logo.substr(0, 2), "BM");
  EXPECT_EQ(le32(2), logo.size());
  EXPECT_EQ(le32(18), 97u);                    // width
  EXPECT_EQ(le32(22), 29u);                    // height
  EXPECT_EQ(logo[28], 1);                      // bits per pixel
  EXPECT_EQ(le32(10) + 16 * 29, logo.size());  // rows of 16 bytes
  const std::string& tone = demo.objects.at("mid").at(0);
  EXPECT_EQ(tone.substr(0, 4), "MThd");
  EXPECT_EQ(tone.substr(14, 4), "MTrk");
  EXPECT_EQ(tone.substr(tone.size() - 3), std::string("\xFF\x2F\x00", 3));  // end of track
}

TEST(StateJsonTest, DemoMessagesAreWellFormedPdus) {
  const PhoneState demo = DemoPhone();
  EXPECT_NO_THROW(ValidatePhoneState(demo));
  EXPECT_EQ(TpduLength(demo.messages[0].pdu), 57);  // 0x2B septets of text
  EXPECT_EQ(TpduLength(demo.messages[1].pdu), 35);  // SMS-SUBMIT, no service centre
  EXPECT_EQ(TpduLength("0"), -1);
  EXPECT_EQ(TpduLength("0500000000"), -1);  // service centre longer than the PDU
}

}  // namespace
}  // namespace telvane::sim
