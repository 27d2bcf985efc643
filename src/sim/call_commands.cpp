// Voice calls: dialling a number, a book entry or the last number again, hanging up, and
// clearing the list of dialled numbers. Every call dialled is recorded in LD.
#include <algorithm>

#include "sim/at_params.h"
#include "sim/book_views.h"
#include "sim/command_groups.h"
#include "sim/network_view.h"

namespace telvane::sim {
namespace {

bool Registered(CommandContext& context) { return IsRegistered(CurrentNetwork(context)); }

// The name the phone shows for a number: the first SIM or fixed-dialling entry holding it.
std::string NameOfNumber(const PhoneState& state, std::string_view number) {
  for (const PhoneBook* book : {&state.books.sim, &state.books.fixedDialling}) {
    for (const auto& [position, entry] : book->entries) {
      if (entry.number == number) {
        return entry.name;
      }
    }
  }
  return {};
}

// The call ATD placed, as AT+CLCC lists it: made by the phone, active, voice.
void AddDialledCall(PhoneState& state, const std::string& number, int type) {
  if (state.currentCalls.size() >= kMaxCurrentCalls) return;
  int id = 1;
  for (const CurrentCall& call : state.currentCalls) id = std::max(id, call.id + 1);
  state.currentCalls.push_back(CurrentCall{id, 0, 0, 0, false, number, type});
}

// Places the call to `entry` and records it as dialled; the state's dial result says how the
// call ends.
Reply PlaceCall(CommandContext& context, BookEntry entry) {
  PhoneState& state = context.State();
  if (entry.name.empty()) {
    entry.name = NameOfNumber(state, entry.number);
  }
  const std::string number = entry.number;
  const int type = entry.type;
  state.books.dialled.PushCall(std::move(entry));
  context.MarkChanged();
  if (!Registered(context)) {
    return Reply::NoDialtone();
  }
  if (state.dialResult == "BUSY") {
    return Reply::Busy();
  }
  if (state.dialResult == "NO CARRIER") {
    return Reply::NoCarrier();
  }
  if (state.dialResult == "NO DIALTONE") {
    return Reply::NoDialtone();
  }
  context.SessionSettings().phone.callActive = true;
  AddDialledCall(state, number, type);
  return Reply::Ok();
}

// ATD<number>; ATDT<number>; ATD><position>; ATDL. The dial string comes upper-cased and
// without blanks; without the final ";" it would be a data call, which this phone refuses.
Reply Dial(CommandContext& context, const CommandRequest& request) {
  std::string_view dial = request.parameters;
  PhoneSession& phone = context.SessionSettings().phone;
  if (phone.callActive) {
    return Reply::Cme(CmeError::kOperationNotAllowed);
  }
  if (dial == "L" || dial == "L;") {
    const BookEntry* last = context.State().books.dialled.Find(1);
    if (last == nullptr) {
      return Reply::Cme(CmeError::kNotFound);
    }
    return PlaceCall(context, *last);
  }
  if (!dial.ends_with(';')) {
    return Reply::NoCarrier();
  }
  dial.remove_suffix(1);
  if (dial.starts_with('>')) {
    const auto position = ParseNumber(dial.substr(1));
    if (!position) {
      return Reply::Error();
    }
    if (*position < 1 || *position > BookCapacity(context.State(), phone.book)) {
      return Reply::Cme(CmeError::kInvalidIndex);
    }
    const auto entry = BookEntryAt(context.State(), phone.book, *position);
    if (!entry || entry->number.empty()) {
      return Reply::Cme(CmeError::kNotFound);
    }
    return PlaceCall(context, *entry);
  }
  if (dial.starts_with('T') || dial.starts_with('P')) {
    dial.remove_prefix(1);
  }
  if (dial.size() > kMaxNumberLength + 1) {
    return Reply::Cme(CmeError::kDialStringTooLong);
  }
  const auto number = NormaliseNumber(dial, 129);
  if (!number || number->empty()) {
    return Reply::Cme(CmeError::kInvalidDialCharacters);
  }
  return PlaceCall(context, BookEntry{*number, NumberType(*number), {}});
}

// AT+CHUP and ATH end the call; the test form AT+CHUP=? is not offered by this phone.
Reply HangUp(CommandContext& context, const CommandRequest& request) {
  if (request.form == CommandForm::kTest || request.form == CommandForm::kQuery ||
      (request.form == CommandForm::kSet && request.parameters != "0")) {
    return Reply::Error();
  }
  context.SessionSettings().phone.callActive = false;
  if (!context.State().currentCalls.empty()) {
    context.State().currentCalls.clear();
    context.MarkChanged();
  }
  return Reply::Ok();
}

// AT^SDMC deletes the list of dialled numbers (LD).
Reply ClearDialledList(CommandContext& context, const CommandRequest& request) {
  if (request.form == CommandForm::kTest) {
    return Reply::Ok();
  }
  if (request.form != CommandForm::kAction) {
    return Reply::Error();
  }
  if (!context.State().books.dialled.entries.empty()) {
    context.State().books.dialled.entries.clear();
    context.MarkChanged();
  }
  return Reply::Ok();
}

}  // namespace

void AddCallCommands(CommandTable& table) {
  table.Add("D", Dial);
  table.Add("+CHUP", HangUp);
  table.Add("H", HangUp);
  table.Add("^SDMC", ClearDialledList);
}

}  // namespace telvane::sim
