#include "cli/pdu_command.h"

#include <cstdint>
#include <string_view>

#include "gsm/hex.h"
#include "gsm/listed_pdu.h"

namespace telvane::cli {

namespace {

constexpr int kUsageError = 2;
constexpr std::string_view kUsage =
    "usage: telvane-cli pdu STATUS HEX\n"
    "  STATUS  status of the +CMGL: header: 0 received unread, 1 received read,\n"
    "          2 stored unsent, 3 stored sent\n"
    "  HEX     the PDU line that follows the header\n";

// ISO 8859-1 to UTF-8 for the terminal. Control characters (C0, DEL, C1) are shown as \r, \n
// or \xNN and the backslash as \\, so every field stays on its one line.
std::string ToTerminalText(std::string_view latin) {
  std::string text;
  text.reserve(latin.size());
  for (char c : latin) {
    const auto byte = static_cast<std::uint8_t>(c);
    if (byte == '\\') {
      text += "\\\\";
    } else if (byte == '\r') {
      text += "\\r";
    } else if (byte == '\n') {
      text += "\\n";
    } else if (byte < 0x20 || (byte >= 0x7F && byte < 0xA0)) {
      text += "\\x";
      gsm::AppendHexOctet(text, byte);
    } else if (byte < 0x80) {
      text.push_back(c);
    } else {
      text.push_back(static_cast<char>(0xC0 | (byte >> 6)));
      text.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
    }
  }
  return text;
}

}  // namespace

int RunPduCommand(std::span<const std::string> args, bool swapDate, std::ostream& out,
                  std::ostream& err) {
  if (args.size() != 2) {
    err << "telvane-cli pdu: expected STATUS and HEX\n" << kUsage;
    return kUsageError;
  }
  const std::string& status = args[0];
  if (status.size() != 1 || status[0] < '0' || status[0] > '3') {
    err << "telvane-cli pdu: STATUS must be 0, 1, 2 or 3, not \"" << ToTerminalText(status)
        << "\"\n"
        << kUsage;
    return kUsageError;
  }

  const gsm::ListedPdu row = gsm::DecodeListedPdu(args[1], status[0] - '0', swapDate);
  out << "date: " << ToTerminalText(row.date) << '\n'
      << "number: " << ToTerminalText(row.number) << '\n'
      << "report: " << (row.statusReport ? "yes" : "no") << '\n'
      << "text: " << ToTerminalText(row.text) << '\n';
  return 0;
}

}  // namespace telvane::cli
