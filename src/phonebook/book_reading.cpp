#include "phonebook/book_reading.h"

#include <algorithm>
#include <string>

#include "config/settings.h"
#include "phonebook/book_answers.h"

namespace telvane::phonebook {
namespace {

std::string PositionCommand(std::string_view stem, int position) {
  return std::string(stem) + std::to_string(position);
}

// The last position a read visits: the reported one, held to what the tables can take.
int LastToRead(const BookCapacity& range) {
  const long long bound = static_cast<long long>(range.first) + kMaxPositionsRead - 1;
  return static_cast<int>(std::min<long long>(range.last, bound));
}

void Notify(const ReadReport& report, std::size_t slot) {
  if (report.entryAdded) report.entryAdded(slot);
}

}  // namespace

ReadOptions ReadOptionsFrom(const config::Settings& settings) {
  return ReadOptions{settings.readB != 0};
}

void ReadProgress::At(int position) {
  if (last_ == 0) return;
  const int percent = static_cast<int>(static_cast<long long>(position) * 100 / last_);
  if (percent == shown_) return;
  shown_ = percent;
  if (report_.progress) report_.progress(percent);
}

bool PhoneSilent(const link::Exchange& exchange) {
  return exchange.LastFailure() == link::ExchangeFailure::NoAnswer;
}

std::string_view SelectCommand(Book book) {
  switch (book) {
    case Book::kSim: return "AT^SPBS=SM";
    case Book::kSimFix: return "AT^SPBS=FD";
    case Book::kInternal: break;
  }
  return "AT^SPBS=ME";
}

bool SelectBook(link::Exchange& exchange, Book book) {
  return exchange.SendCommand(SelectCommand(book));
}

ReadResult ReadPhonebook(link::Exchange& exchange, PhonebookStore& store,
                         const ReadOptions& options, const ReadReport& report) {
  if (report.progress) report.progress(1);
  if (!exchange.SendCommand("AT+CPBR=?")) {
    if (report.progress) report.progress(0);
    return ReadResult::kNotStarted;
  }
  ParseBookRange(exchange.Answer(), store.capacity);
  store.capacity.numberLength += 4;
  store.StartRead();

  const int last = LastToRead(store.capacity);
  ReadProgress progress(report, store.capacity.last);
  int emptyPlaces = 0;
  for (int position = store.capacity.first; position <= last; ++position) {
    if (!exchange.SendCommand(PositionCommand("AT+CPBR=", position))) {
      // Rows already reported refer to slots that are gone now: the window drops them.
      store.entries.Clear();
      if (report.progress) report.progress(0);
      return ReadResult::kBroken;
    }
    if (auto entry = ParseEntryAnswer(exchange.Answer(), position)) {
      if (!store.entries.Add(std::move(*entry))) break;  // the table is full
      Notify(report, store.entries.Count() - 1);
    } else {
      store.freePositions.Append(position);
      if (options.prematureStop && ++emptyPlaces >= 3) break;
    }
    progress.At(position);
  }
  if (report.progress) report.progress(0);
  store.completeBook = store.currentBook;
  return ReadResult::kRead;
}

OwnNumbers ReadOwnNumbers(link::Exchange& exchange) {
  OwnNumbers own;
  if (!exchange.SendCommand("AT+CPBS=ON")) return own;
  own.selected = true;
  if (!exchange.SendCommand("AT+CPBR=?")) {
    own.selected = !PhoneSilent(exchange);
    return own;
  }
  BookCapacity range;
  ParseBookRange(exchange.Answer(), range);
  const int last = std::min(LastToRead(range), static_cast<int>(own.numbers.size()));
  for (int position = std::max(range.first, 1); position <= last; ++position) {
    if (!exchange.SendCommand(PositionCommand("AT+CPBR=", position))) {
      if (!PhoneSilent(exchange)) continue;
      own.selected = false;
      return own;
    }
    if (auto entry = ParseEntryAnswer(exchange.Answer(), position)) {
      own.numbers[static_cast<std::size_t>(position - 1)] = entry->number;
    }
  }
  return own;
}

bool ReadRedbook(link::Exchange& exchange, PhonebookStore& store, const ReadReport& report) {
  if (!exchange.SendCommand("AT^SPBS=RD")) return false;
  if (!exchange.SendCommand("AT^SPBG=?")) return !PhoneSilent(exchange);
  BookCapacity range;
  ParseBookRange(exchange.Answer(), range);
  store.redbook.Clear();
  ReadProgress progress(report, range.last);
  const int last = LastToRead(range);
  for (int position = range.first; position <= last && !store.redbook.Full(); ++position) {
    if (exchange.SendCommand(PositionCommand("AT^SPBG=", position))) {
      if (auto entry = ParseEntryAnswer(exchange.Answer(), position)) {
        store.redbook.Add(std::move(*entry));
        Notify(report, store.redbook.Count() - 1);
      }
    } else if (PhoneSilent(exchange)) {
      return false;
    }
    progress.At(position);
  }
  return true;
}

bool ReadCallList(link::Exchange& exchange, PhonebookStore& store, CallListKind kind,
                  const ReadReport& report) {
  static constexpr std::array<std::string_view, 3> kSelect = {"AT+CPBS=LD", "AT+CPBS=MC",
                                                              "AT+CPBS=RC"};
  const auto index = static_cast<std::size_t>(kind);
  if (!exchange.SendCommand(kSelect[index])) return false;
  if (!exchange.SendCommand("AT+CPBR=?")) return !PhoneSilent(exchange);
  BookCapacity range;
  ParseBookRange(exchange.Answer(), range);
  CallList& list = store.callLists[index];
  list.Clear();
  ReadProgress progress(report, range.last);
  const int last = LastToRead(range);
  for (int position = range.first; position <= last && !list.Full(); ++position) {
    if (exchange.SendCommand(PositionCommand("AT+CPBR=", position))) {
      auto entry = ParseEntryAnswer(exchange.Answer(), position);
      if (!entry) break;  // the list ends at its first empty place
      list.Add(std::move(*entry));
      Notify(report, list.Count() - 1);
    } else if (PhoneSilent(exchange)) {
      return false;
    }
    progress.At(position);
  }
  return true;
}

std::string CallListLine(const PhonebookEntry& entry) {
  // The name is Latin text already; converting the line again would turn a "_" into "§".
  return entry.name + ", " + entry.number;
}

}  // namespace telvane::phonebook
