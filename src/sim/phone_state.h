#pragma once

#include <array>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "sim/binary_objects.h"
#include "sim/faults.h"
#include "sim/network_state.h"
#include "sim/phone_books.h"
#include "sim/service_state.h"

namespace telvane::sim {

struct Identity {
  std::string manufacturer = "SIEMENS";
  std::string model = "S45";
  std::string revision = "21";
  std::string imei = "350123451234567";
  std::string imsi = "262010123456789";  // home network 26201, Nordnetz
  std::string iccid = "89490200001234567892";
};

struct NetworkStatus {
  int batteryStatus = 0;     // +CBC <bcs>: 0 on battery, 1 on charger, 2 no battery, 3 fault
  int batteryCharge = 80;    // 0..100
  int rssi = 17;             // 0..31, 99 unknown
  int ber = 99;              // 0..7, 99 unknown
  int registration = 1;      // +CREG <stat>: 0..5
  std::string lac = "0F3C";  // location area code, 4 hex digits
  std::string ci = "A1B2";   // cell id, 4 hex digits
  std::string operatorName = "Nordnetz";
  std::string operatorCode = "26201";  // numeric network code, 5 or 6 digits
  Route route;                         // when it has points, they replace the fields above
  int operatorMode = 0;                // +COPS <mode>: 0 automatic .. 4 manual/automatic
};

struct Range {
  int low = 0;
  int high = 0;
  bool Contains(int value) const { return value >= low && value <= high; }
};

struct Audio {
  Range toneRange{0, 41};
  Range volumeRange{0, 4};
  Range handsfreeVolumeRange{0, 4};
  int tone = 12;  // 0: tone off
  int volume = 3;
  bool playing = false;
  bool handsfree = false;
  int handsfreeVolume = 2;
  bool vibrator = false;
};

struct StoredMessage {
  int index = 1;
  int status = 0;   // 0 received unread, 1 received read, 2 stored unsent, 3 stored sent
  std::string pdu;  // hex, with the service centre part in front
};

inline constexpr int kMaxMessageCapacity = 255;

// A message the phone sent with AT+CMGS, as the PDU it was given (upper-case hex, with the
// service centre part in front).
struct SentMessage {
  std::string pdu;
};

// The sent messages kept for inspection; older ones make room for newer ones.
inline constexpr std::size_t kMaxSentMessages = 1000;

// A message the network holds for the phone while its memory is full (a PDU in hex, with
// the service centre part in front); stored as received unread once a place frees.
struct WaitingMessage {
  std::string pdu;
};

// The network keeps at most this many waiting messages; later ones are lost.
inline constexpr std::size_t kMaxWaitingMessages = 50;

// Everything the simulated phone remembers; one JSON file (see docs/simulator.md).
struct PhoneState {
  Identity identity;
  NetworkStatus status;
  Audio audio;
  std::string clock = "26/12/06,09:30:00";  // yy/MM/dd,hh:mm:ss
  int messageCapacity = 25;
  std::vector<StoredMessage> messages;
  std::vector<SentMessage> sent;        // in the order sent, the newest kMaxSentMessages
  int messageReference = 0;             // TP-MR the next sent message gets, 0..255
  std::vector<WaitingMessage> waiting;  // oldest first, at most kMaxWaitingMessages
  // AT+CNMI <mode>,<mt>,<bm>,<ds>,<bfr> as last set; <ds> 2 stores status reports.
  std::array<int, 5> messageIndications{0, 0, 0, 0, 0};
  std::string serviceCentre = "+491770000000";
  PhoneBooks books;
  ObjectStore objects;
  Locks locks;  // the SIM's and the network's passwords and locks
  std::vector<ForwardingEntry> forwarding;
  Profile profile;
  std::string dialResult = "OK";          // how calls end: OK, NO CARRIER, BUSY or NO DIALTONE
  std::vector<CurrentCall> currentCalls;  // calls in progress (AT+CLCC)
  Operators operators;                    // known, preferred and found operators
  // The network's answers to USSD requests (AT+CUSD): the code sent, the answer's text in
  // GSM codes.
  std::map<std::string, std::string> ussd = {{"*100#", "Ihr Guthaben betraegt 12,50 EUR."},
                                             {"*135#", "Ihre Nummer: +491701112233"}};
  std::vector<Fault> faults;  // armed when the phone is served; written back as loaded
  // Sections this version does not interpret (any unknown key), kept as JSON text and
  // written back unchanged.
  std::map<std::string, std::string> keptSections;
};

// A phone as a person really uses it: registered, some read and unread messages.
PhoneState DemoPhone();

// Length in octets of a message's transfer part (the PDU without the service centre part),
// or -1 when the hex text is not a well-formed PDU.
int TpduLength(std::string_view pduHex);

// Throws std::runtime_error naming the first value that is out of its range.
void ValidatePhoneState(const PhoneState& state);

PhoneState LoadPhoneState(const std::filesystem::path& file);
void SavePhoneState(const PhoneState& state, const std::filesystem::path& file);

}  // namespace telvane::sim
