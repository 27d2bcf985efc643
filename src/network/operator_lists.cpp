#include "network/operator_lists.h"

#include "base/decimal.h"
#include "network/reception.h"

namespace telvane::network {
namespace {

// A network code in quotes: country and network code, 5 or 6 digits.
std::optional<int> QuotedCode(link::AnswerCursor& cursor) {
  const auto text = cursor.Quoted();
  if (!text || text->size() < 5 || text->size() > 6 ||
      text->find_first_not_of("0123456789") != text->npos) {
    return std::nullopt;
  }
  const auto code = base::LeadingDecimal(*text);
  if (!code || *code <= 0) return std::nullopt;
  return code;
}

// One "(<state>,"<long>","<short>","<code>")" group standing at the cursor.
std::optional<FoundNetwork> ParseFoundGroup(link::AnswerCursor& group) {
  const auto state = group.Number();
  if (!state || !group.SkipPast(',')) return std::nullopt;
  const auto name = group.Quoted();
  if (!name || !group.SkipPast(',')) return std::nullopt;
  group.Quoted();  // the short name, often empty
  if (!group.SkipPast(',')) return std::nullopt;
  const auto code = QuotedCode(group);
  if (!code) return std::nullopt;
  return FoundNetwork{*state, *code, std::string(*name)};
}

// Restores the exchange's bounds when the search ends, whichever way.
class SearchTiming {
 public:
  SearchTiming(link::Exchange& exchange, std::chrono::milliseconds limit)
      : exchange_(exchange), kept_(exchange.Timing()) {
    link::ExchangeTiming search = kept_;
    search.firstByteWait = limit;
    search.stallLimit = limit;
    search.answerLimit = std::max(search.answerLimit, limit);
    exchange_.SetTiming(search);
  }
  ~SearchTiming() { exchange_.SetTiming(kept_); }
  SearchTiming(const SearchTiming&) = delete;
  SearchTiming& operator=(const SearchTiming&) = delete;

 private:
  link::Exchange& exchange_;
  link::ExchangeTiming kept_;
};

// After a search that outlasted its bound the phone may still answer it. A character
// aborts a running search (V.250); "AT" is sent until its answer holds no search result, at
// most three times, so a late search answer is never taken for a later command's.
void Resynchronise(link::Exchange& exchange) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (exchange.SendCommand("AT") && link::CountOccurrences(exchange.Answer(), "+COPS:") == 0) {
      return;
    }
  }
}

}  // namespace

std::optional<KnownOperator> ParseKnownOperatorLine(std::string_view line) {
  link::AnswerCursor cursor(line);
  if (!cursor.SkipTo("^SPLM:")) return std::nullopt;
  const auto code = QuotedCode(cursor);
  if (!code || !cursor.SkipPast(',')) return std::nullopt;
  const auto name = cursor.Quoted();
  if (!name) return std::nullopt;
  return KnownOperator{*code, std::string(*name)};
}

std::optional<link::NumberRange> ParsePreferredRange(std::string_view answer) {
  link::AnswerCursor cursor(answer);
  auto line = cursor.LineAfter("^SPLR:");
  if (!line) return std::nullopt;
  const auto range = line->Range();
  if (!range || range->low < 0 || range->high < range->low) return std::nullopt;
  return range;
}

std::optional<int> ParsePreferredCode(std::string_view answer) {
  link::AnswerCursor cursor(answer);
  auto line = cursor.LineAfter("^SPLR:");
  if (!line) return 0;
  if (!line->Number() || !line->SkipPast(',')) return std::nullopt;
  link::AnswerCursor code = *line;
  if (const auto text = code.Quoted();
      text && !text->empty() && text->find_first_not_of('0') == text->npos) {
    return 0;  // a code of 0 marks a free entry too
  }
  return QuotedCode(*line);
}

std::vector<FoundNetwork> ParseFoundNetworks(std::string_view answer) {
  std::vector<FoundNetwork> found;
  link::AnswerCursor cursor(answer);
  auto line = cursor.LineAfter("+COPS:");
  if (!line) return found;
  while (found.size() < kMaxFoundNetworks && line->SkipPast('(')) {
    link::AnswerCursor group = *line;
    if (auto network = ParseFoundGroup(group)) {
      found.push_back(std::move(*network));
      *line = group;  // a "(" inside a name starts no entry
    }
  }
  return found;
}

std::string KnownName(const std::vector<KnownOperator>& known, int code) {
  for (const KnownOperator& entry : known) {
    if (entry.code == code) return entry.name;
  }
  return {};
}

std::optional<std::vector<KnownOperator>> ReadKnownOperators(link::Exchange& exchange) {
  std::vector<KnownOperator> known;
  const bool read = exchange.SendLongCommand("AT^SPLM", [&known](std::string_view line) {
    if (known.size() >= kMaxKnownOperators) return;
    if (auto entry = ParseKnownOperatorLine(line)) known.push_back(std::move(*entry));
  });
  if (!read) return std::nullopt;
  return known;
}

std::optional<std::vector<PreferredSlot>> ReadPreferredOperators(
    link::Exchange& exchange, const std::vector<KnownOperator>& known) {
  if (!exchange.SendCommand("AT^SPLR=?")) return std::nullopt;
  const auto range = ParsePreferredRange(exchange.Answer());
  if (!range) return std::nullopt;
  std::vector<PreferredSlot> slots;
  for (int index = range->low; index <= range->high && slots.size() < kMaxPreferredSlots; ++index) {
    if (!exchange.SendCommand("AT^SPLR=" + std::to_string(index))) continue;
    const auto code = ParsePreferredCode(exchange.Answer());
    if (!code) continue;
    const std::string name = *code == 0 ? std::string(kEmptySlotName) : KnownName(known, *code);
    slots.push_back({index, *code, name});
  }
  return slots;
}

std::optional<std::vector<FoundNetwork>> SearchNetworks(link::Exchange& exchange,
                                                        std::chrono::milliseconds limit) {
  bool answered = false;
  {
    const SearchTiming timing(exchange, limit);
    answered = exchange.SendCommand("AT+COPS=?");
  }
  if (answered) return ParseFoundNetworks(exchange.Answer());
  const link::ExchangeFailure failure = exchange.LastFailure();
  if (failure == link::ExchangeFailure::NoAnswer || failure == link::ExchangeFailure::Stalled ||
      failure == link::ExchangeFailure::TooLong) {
    Resynchronise(exchange);
  }
  return std::nullopt;
}

bool WritePreferred(link::Exchange& exchange, int index, int code) {
  return exchange.SendCommand("AT^SPLW=" + std::to_string(index) + "," + std::to_string(code));
}

bool DeletePreferred(link::Exchange& exchange, int index) {
  return exchange.SendCommand("AT^SPLW=" + std::to_string(index));
}

std::optional<Registered> RegisterWith(link::Exchange& exchange, int code) {
  if (!exchange.SendCommand("AT+COPS=1,2," + std::to_string(code))) return std::nullopt;
  exchange.SendCommand("AT+COPS=3,0");
  Registered registered;
  if (exchange.SendCommand("AT+COPS?")) registered.operatorText = OperatorText(exchange.Answer());
  if (exchange.SendCommand("AT+CREG?")) {
    if (const auto token = exchange.LastAnswerToken())
      registered.registration = std::string(*token);
  }
  return registered;
}

}  // namespace telvane::network
