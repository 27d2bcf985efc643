// Phone books: selecting a book, reading and writing entries, the Redbook, and PIN2 before
// fixed-dialling writes.
#include <algorithm>

#include "sim/at_params.h"
#include "sim/book_views.h"
#include "sim/command_groups.h"
#include "sim/text_encoding.h"

namespace telvane::sim {
namespace {

// "SM" as sent with or without quotes, upper-cased.
std::string BookParameter(std::string_view parameter) {
  if (parameter.size() >= 2 && parameter.front() == '"' && parameter.back() == '"') {
    parameter = parameter.substr(1, parameter.size() - 2);
  }
  std::string code(parameter);
  std::transform(code.begin(), code.end(), code.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return code;
}

std::string BookList(bool withRedbook) {
  std::string list;
  for (std::string_view code : kBookCodes) {
    if (code != "RD" || withRedbook) {
      list += (list.empty() ? "(\"" : ",\"") + std::string(code) + "\"";
    }
  }
  return list + ")";
}

// AT+CPBS=<book> and AT^SPBS=<book>: both select the book the other commands work on.
Reply SelectBook(CommandContext& context, const CommandRequest& request, std::string_view prefix,
                 bool withRedbook) {
  std::string& book = context.SessionSettings().phone.book;
  switch (request.form) {
    case CommandForm::kQuery:
      return Reply::Ok({std::string(prefix) + "\"" + book + "\"," +
                        std::to_string(BookEntriesUsed(context.State(), book)) + "," +
                        std::to_string(BookCapacity(context.State(), book))});
    case CommandForm::kTest: return Reply::Ok({std::string(prefix) + BookList(withRedbook)});
    case CommandForm::kSet: {
      const std::string code = BookParameter(request.parameters);
      if (!IsBookCode(code) || (code == "RD" && !withRedbook)) {
        return Reply::BadParameters();
      }
      book = code;
      return Reply::Ok();
    }
    case CommandForm::kAction: break;
  }
  return Reply::Error();
}

Reply SelectStandardBook(CommandContext& context, const CommandRequest& request) {
  return SelectBook(context, request, "+CPBS: ", false);
}

Reply SelectBrowsedBook(CommandContext& context, const CommandRequest& request) {
  return SelectBook(context, request, "^SPBS: ", true);
}

// A name as the session's character set shows it: GSM codes, or UCS2 hex.
// A quote code goes out as the escape \22 so that it cannot end the quoted name.
std::string NameOnWire(const Session& session, const std::string& codes) {
  if (session.charset == "UCS2") return GsmToUcs2Hex(codes);
  std::string shown;
  for (const char c : codes) {
    if (c == '"') {
      shown += "\\22";
    } else {
      shown += c;
    }
  }
  return shown;
}

// The name parameter of AT+CPBW: quoted, or unquoted with its blanks dropped.
std::optional<std::string> WrittenName(std::string_view parameter) {
  if (parameter.starts_with('"')) return ParseQuoted(parameter);
  std::string name;
  for (const char c : parameter) {
    if (c != ' ') name += c;
  }
  return name;
}

std::string EntryLine(std::string_view prefix, const Session& session, int position,
                      const BookEntry& entry) {
  return std::string(prefix) + std::to_string(position) + ",\"" + entry.number + "\"," +
         std::to_string(entry.type) + ",\"" + NameOnWire(session, entry.name) + "\"";
}

std::string RangeLine(std::string_view prefix, int capacity) {
  return std::string(prefix) + RangeText(1, capacity) + "," + std::to_string(kMaxNumberLength) +
         "," + std::to_string(kMaxNameLength);
}

// Reads positions first..last of a book; empty positions give no line.
Reply ReadEntries(CommandContext& context, const CommandRequest& request, std::string_view book,
                  std::string_view prefix) {
  const int capacity = BookCapacity(context.State(), book);
  if (request.form == CommandForm::kTest) {
    return Reply::Ok({RangeLine(prefix, capacity)});
  }
  if (request.form != CommandForm::kSet) {
    return Reply::Error();
  }
  const auto positions = ParseNumbers(request.parameters, 1, 2);
  if (!positions) {
    return Reply::Error();
  }
  const int first = (*positions)[0];
  const int last = positions->size() == 2 ? (*positions)[1] : first;
  if (first < 1 || last < first || last > capacity) {
    return Reply::Cme(CmeError::kInvalidIndex);
  }
  std::vector<std::string> lines;
  for (int position = first; position <= last; ++position) {
    if (const auto entry = BookEntryAt(context.State(), book, position)) {
      lines.push_back(EntryLine(prefix, context.SessionSettings(), position, *entry));
    }
  }
  return Reply::Ok(std::move(lines));
}

Reply ReadBook(CommandContext& context, const CommandRequest& request) {
  return ReadEntries(context, request, context.SessionSettings().phone.book, "+CPBR: ");
}

// AT^SPBG reads the Redbook, whichever book is selected.
Reply ReadRedbook(CommandContext& context, const CommandRequest& request) {
  return ReadEntries(context, request, "RD", "^SPBG: ");
}

// A number parameter, quoted or not.
std::string_view Unquoted(std::string_view parameter) {
  if (parameter.size() >= 2 && parameter.front() == '"' && parameter.back() == '"') {
    return parameter.substr(1, parameter.size() - 2);
  }
  return parameter;
}

// The entry of AT+CPBW=<position>,<number>[,<type>[,"<name>"]], or the refusal.
std::optional<BookEntry> ParseEntry(const Session& session,
                                    const std::vector<std::string_view>& parts, Reply& refusal) {
  const std::string_view number = Unquoted(parts[1]);
  std::optional<int> type = NumberType(number);
  if (parts.size() >= 3 && !parts[2].empty()) {
    type = ParseNumber(parts[2]);
    if (!type || (*type != 129 && *type != 145 && *type != 161)) {
      refusal = type ? Reply::BadParameters() : Reply::Error();
      return std::nullopt;
    }
  }
  BookEntry entry;
  const auto normal = NormaliseNumber(number, *type);
  if (!normal || normal->empty()) {
    refusal = number.size() > kMaxNumberLength + 1 ? Reply::Cme(CmeError::kDialStringTooLong)
              : normal                             ? Reply::BadParameters()
                                                   : Reply::Cme(CmeError::kInvalidDialCharacters);
    return std::nullopt;
  }
  entry.number = *normal;
  entry.type = NumberType(entry.number);
  if (parts.size() == 4) {
    const auto written = WrittenName(parts[3]);
    if (!written) {
      refusal = Reply::Error();
      return std::nullopt;
    }
    const auto name =
        session.charset == "UCS2" ? Ucs2HexToGsm(*written) : DecodeEscapedName(*written);
    if (!name || name->find_first_of("\r\n") != std::string::npos) {
      refusal = Reply::Cme(CmeError::kInvalidCharacters);
      return std::nullopt;
    }
    if (name->size() > kMaxNameLength) {
      refusal = Reply::Cme(CmeError::kTextTooLong);
      return std::nullopt;
    }
    entry.name = *name;
  }
  return entry;
}

// AT+CPBW=<position>: delete; AT+CPBW=[<position>],<number>[,<type>[,"<name>"]]: write (an
// empty position takes the first free one). Only SM, FD and ON are written; FD wants PIN2.
Reply WriteBook(CommandContext& context, const CommandRequest& request) {
  PhoneSession& phone = context.SessionSettings().phone;
  PhoneBook* book = context.State().books.Find(phone.book);
  const bool writable =
      book != nullptr && (phone.book == "SM" || phone.book == "FD" || phone.book == "ON");
  if (request.form == CommandForm::kTest) {
    return Reply::Ok({"+CPBW: " + RangeText(1, BookCapacity(context.State(), phone.book)) + "," +
                      std::to_string(kMaxNumberLength) + ",(129,145,161)," +
                      std::to_string(kMaxNameLength)});
  }
  if (request.form != CommandForm::kSet) {
    return Reply::Error();
  }
  const auto parts = SplitParameters(request.parameters);
  if (!parts || parts->size() > 4 || (parts->size() == 1 && (*parts)[0].empty())) {
    return Reply::Error();
  }
  std::optional<int> position;
  if (!(*parts)[0].empty()) {
    position = ParseNumber((*parts)[0]);
    if (!position) {
      return Reply::Error();
    }
  }
  if (!writable) {
    return Reply::Cme(CmeError::kOperationNotAllowed);
  }
  if (position && (*position < 1 || *position > book->capacity)) {
    return Reply::Cme(CmeError::kInvalidIndex);
  }
  if (phone.book == "FD" && !phone.pin2Verified) {
    phone.pin2Requested = true;
    return Reply::Cme(CmeError::kSimPin2Required);
  }
  if (parts->size() == 1) {
    if (book->entries.erase(*position) > 0) {
      context.MarkChanged();
    }
    return Reply::Ok();
  }
  Reply refusal;
  auto entry = ParseEntry(context.SessionSettings(), *parts, refusal);
  if (!entry) {
    return refusal;
  }
  if (!position) {
    position = book->FirstFree();
    if (!position) {
      return Reply::Cme(CmeError::kMemoryFull);
    }
  }
  book->entries[*position] = std::move(*entry);
  context.MarkChanged();
  return Reply::Ok();
}

}  // namespace

void AddPhonebookCommands(CommandTable& table) {
  table.Add("+CPBS", SelectStandardBook);
  table.Add("^SPBS", SelectBrowsedBook);
  table.Add("+CPBR", ReadBook);
  table.Add("^SPBG", ReadRedbook);
  table.Add("+CPBW", WriteBook);
}

}  // namespace telvane::sim
