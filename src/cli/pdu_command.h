// "telvane-cli pdu STATUS HEX": shows how the SMS list reads one PDU line.
#pragma once

#include <ostream>
#include <span>
#include <string>

namespace telvane::cli {

// args are the arguments after "pdu": the status of the "+CMGL:" header (0..3) and the PDU
// line. Prints "date: ", "number: ", "report: yes|no" and "text: " lines to out, the text in
// UTF-8 with control characters and the backslash escaped. Returns 0, or 2 after a usage
// error on err.
int RunPduCommand(std::span<const std::string> args, bool swapDate, std::ostream& out,
                  std::ostream& err);

}  // namespace telvane::cli
