#include "phonebook/external_book.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <system_error>
#include <vector>

#include "base/file_handle.h"
#include "phonebook/entry_command.h"
#include "phonebook/file_fields.h"
#include "phonebook/phonebook_messages.h"
#include "phonebook/text_lines.h"

namespace telvane::phonebook {
namespace {

constexpr std::array<Book, 3> kBooksInFileOrder = {Book::kSim, Book::kInternal, Book::kSimFix};

std::string_view NameMark(Book book) {
  switch (book) {
    case Book::kInternal: return "+";
    case Book::kSimFix: return "*";
    default: return "";
  }
}

std::string_view TrimEnd(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::optional<Book> TagOf(std::string_view line) {
  for (Book book : kBooksInFileOrder) {
    if (TrimEnd(line) == SectionTag(book)) return book;
  }
  return std::nullopt;
}

// The old file by section; lines before the first tag are kept in front. Each part keeps
// at most as many lines as the table could ever read, overlong lines are dropped.
struct Sections {
  std::vector<std::string> preamble;
  std::array<std::optional<std::vector<std::string>>, 3> books;
};

std::optional<Sections> ReadSections(const std::filesystem::path& file) {
  Sections sections;
  std::error_code error;
  if (!std::filesystem::exists(file, error)) {
    if (error) return std::nullopt;
    return sections;
  }
  BoundedLineReader reader(file, kExternalLineLimit);
  if (!reader.IsOpen()) return std::nullopt;
  std::vector<std::string>* current = &sections.preamble;
  TextLine line;
  while (reader.Next(line)) {
    if (line.overlong) continue;
    if (const std::optional<Book> tag = TagOf(line.text)) {
      auto& section = sections.books[static_cast<std::size_t>(*tag)];
      if (!section) section.emplace();
      current = &*section;
      continue;
    }
    if (current->size() < kExternalBookCapacity) current->push_back(line.text);
  }
  return sections;
}

// Writes every line with CR LF, then flushes the file to the disk.
bool WriteLines(const std::filesystem::path& file, const std::vector<std::string>& lines) {
  base::FileHandle out = base::OpenFile(file, "wb");
  if (!out) return false;
  for (const std::string& line : lines) {
    if (std::fwrite(line.data(), 1, line.size(), out.get()) != line.size() ||
        std::fputs("\r\n", out.get()) == EOF) {
      return false;
    }
  }
  if (std::fflush(out.get()) != 0 || ::fsync(::fileno(out.get())) != 0) return false;
  return base::CloseFile(out);
}

// The rename itself reaches the disk only with its folder.
void SyncFolder(const std::filesystem::path& folder) {
  const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

Outcome Refused() { return Outcome{false, kStrCantOpenExportFile, 0, base::FailedStep::kFile}; }

}  // namespace

std::filesystem::path ExternalBookBeside(const std::filesystem::path& settingsFile) {
  return settingsFile.parent_path() / kExternalBookName;
}

std::string_view SectionTag(Book book) {
  switch (book) {
    case Book::kSim: return "[SIM]";
    case Book::kInternal: return "[INT]";
    case Book::kSimFix: return "[FDN]";
  }
  return "";
}

std::string ExternalBookLine(const PhonebookEntry& entry, Book book) {
  std::string number = CleanName(entry.number);
  std::erase(number, ',');
  return std::to_string(entry.position) + "," + CleanName(entry.name) +
         std::string(NameMark(book)) + "," + number;
}

Outcome WriteExternalBook(const PhonebookStore& store, const std::filesystem::path& file) {
  if (!store.HoldsCompleteBook()) return Outcome{true};
  const std::optional<Sections> old = ReadSections(file);
  if (!old) return Refused();

  std::vector<std::string> lines = old->preamble;
  for (Book book : kBooksInFileOrder) {
    if (book == store.currentBook) {
      lines.emplace_back(SectionTag(book));
      for (std::size_t slot = 0; slot < store.EntryCount(); ++slot) {
        if (!store.IsDeleted(slot)) lines.push_back(ExternalBookLine(store.entries[slot], book));
      }
    } else if (const auto& kept = old->books[static_cast<std::size_t>(book)]) {
      lines.emplace_back(SectionTag(book));
      lines.insert(lines.end(), kept->begin(), kept->end());
    }
  }

  const std::filesystem::path temporary = file.parent_path() / kExternalBookTemporaryName;
  std::error_code error;
  if (!WriteLines(temporary, lines)) {
    std::filesystem::remove(temporary, error);
    return Refused();
  }
  std::filesystem::rename(temporary, file, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    return Refused();
  }
  SyncFolder(file.parent_path());
  return Outcome{true};
}

void ReadExternalBook(const std::filesystem::path& file, ExternalBookTable& table) {
  table.Clear();
  BoundedLineReader reader(file, kExternalLineLimit);
  TextLine line;
  while (!table.Full() && reader.Next(line)) {
    const std::string_view text = line.text;
    if (line.overlong || text.find('[') != std::string_view::npos) continue;
    const std::size_t first = text.find(',');
    if (first == std::string_view::npos) continue;
    PhonebookEntry entry;
    entry.position = ParsePosition(text.substr(0, first));
    if (entry.position <= 0) continue;
    const std::size_t last = text.rfind(',');
    if (last != first) {
      entry.name = CutTo(CleanName(text.substr(first + 1, last - first - 1)), kNameLimit);
      entry.number = CutTo(CleanName(text.substr(last + 1)), kNumberLimit);
      entry.numberType = NumberTypeOf(entry.number);
    }
    table.Add(std::move(entry));
  }
}

}  // namespace telvane::phonebook
