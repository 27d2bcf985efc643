// Reading text files line by line with a bound on the line length, so that a file without
// line ends or with one enormous line never takes more memory than one line.
#pragma once

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>

namespace telvane::phonebook {

struct TextLine {
  std::string text;       // without its CR LF or LF
  bool overlong = false;  // the line was longer than the bound; the rest was skipped
};

class BoundedLineReader {
 public:
  // Opens `file` when it is a regular file; a folder or device is not opened.
  BoundedLineReader(const std::filesystem::path& file, std::size_t maxLength);
  bool IsOpen() const { return in_.is_open(); }
  // The next line; false at the end of the file or at a read error.
  bool Next(TextLine& line);

 private:
  bool Take(TextLine& line);

  std::ifstream in_;
  std::size_t maxLength_;
};

}  // namespace telvane::phonebook
