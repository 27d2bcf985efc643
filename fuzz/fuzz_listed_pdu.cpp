// Feeds arbitrary PDU lines to the SMS list decoder. The first byte picks the "+CMGL:" status
// and the SwapD setting; the rest is the line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "gsm/listed_pdu.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int status = data[0] % 5;  // 0..3 and one value the phone should never send
  const bool swapDate = (data[0] & 0x80) != 0;
  const std::string_view line(reinterpret_cast<const char*>(data + 1), size - 1);

  const telvane::gsm::ListedPdu row = telvane::gsm::DecodeListedPdu(line, status, swapDate);

  // Nothing decoded may grow beyond what the line can hold or carry line breaks into the
  // number and date, which later go back to the phone or into files.
  if (row.number.size() > line.size() + 1 || row.date.size() > 17 || row.text.size() > 255) {
    std::abort();
  }
  if (row.number.find_first_of("\r\n\"\x1A") != std::string_view::npos ||
      row.date.find_first_of("\r\n\"\x1A") != std::string_view::npos) {
    std::abort();
  }
  return 0;
}
