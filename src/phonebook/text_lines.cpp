#include "phonebook/text_lines.h"

#include <exception>
#include <system_error>

namespace telvane::phonebook {

BoundedLineReader::BoundedLineReader(const std::filesystem::path& file, std::size_t maxLength)
    : maxLength_(maxLength) {
  // A folder or a device under the file's name is no file to read: not opened.
  std::error_code error;
  if (std::filesystem::is_regular_file(file, error)) in_.open(file, std::ios::binary);
}

bool BoundedLineReader::Next(TextLine& line) {
  line.text.clear();
  line.overlong = false;
  if (!in_.is_open()) return false;
  try {
    return Take(line);
  } catch (const std::exception&) {  // a read error of the stream buffer ends the file
    in_.close();
    return false;
  }
}

bool BoundedLineReader::Take(TextLine& line) {
  std::streambuf& buffer = *in_.rdbuf();
  bool any = false;
  for (;;) {
    const auto next = buffer.sbumpc();
    if (next == std::char_traits<char>::eof()) break;
    any = true;
    const char c = static_cast<char>(next);
    if (c == '\n') break;
    if (line.text.size() <= maxLength_) {  // room for a CR behind a full line
      line.text += c;
    } else {
      line.overlong = true;
    }
  }
  if (!line.text.empty() && line.text.back() == '\r') line.text.pop_back();
  if (line.text.size() > maxLength_) {
    line.text.resize(maxLength_);
    line.overlong = true;
  }
  return any;
}

}  // namespace telvane::phonebook
