// Call forwarding as the network runs it: AT+CCFC=<reason>,<mode>[,<number>[,<type>
// [,<class>[,<subaddr>[,<satype>[,<time>]]]]]].
#include <algorithm>
#include <variant>
#include <vector>

#include "sim/at_params.h"
#include "sim/service_commands.h"
#include "sim/service_sections.h"

namespace telvane::sim {
namespace {

constexpr int kReasonNoReply = 2;
constexpr int kDefaultTime = 20;

struct ForwardRequest {
  int mode = 0;
  std::vector<int> reasons;  // 4 all, 5 all conditional
  int classes = 7;
  std::string number;  // empty when left out
  int time = 0;        // 0 when left out
};

std::vector<int> ReasonsOf(int reason) {
  if (reason == 4) return {0, 1, 2, 3};
  if (reason == 5) return {1, 2, 3};
  return {reason};
}

// The parameters, or the reply that refuses them.
std::variant<ForwardRequest, Reply> ParseRequest(std::string_view text) {
  const auto parts = SplitParameters(text);
  if (!parts || parts->size() < 2 || parts->size() > 8) return Reply::Error();
  const auto optionalNumber = [&](std::size_t i) -> std::optional<std::optional<int>> {
    if (parts->size() <= i || (*parts)[i].empty()) return std::optional<int>();
    const auto value = ParseNumber((*parts)[i]);
    if (!value) return std::nullopt;
    return value;
  };
  const auto reason = ParseNumber((*parts)[0]);
  const auto mode = ParseNumber((*parts)[1]);
  const auto type = optionalNumber(3);
  const auto classes = optionalNumber(4);
  const auto time = optionalNumber(7);
  if (!reason || !mode || !type || !classes || !time) return Reply::Error();
  if (*reason > 5 || *mode > 4 || classes->value_or(7) < 1 || classes->value_or(7) > 7) {
    return Reply::BadParameters();
  }
  ForwardRequest request{*mode, ReasonsOf(*reason), classes->value_or(7), "", time->value_or(0)};
  if (parts->size() > 2) request.number = std::string(Unquoted((*parts)[2]));
  if (!request.number.empty() && !IsForwardNumber(request.number)) {
    const std::size_t digits = request.number.size() - (request.number.starts_with('+') ? 1 : 0);
    const bool tooLong =
        digits > 20 && request.number.find_first_not_of("+0123456789*#") == std::string::npos;
    return Reply::Cme(tooLong ? CmeError::kDialStringTooLong : CmeError::kInvalidDialCharacters);
  }
  if (time->has_value() && (request.time < 1 || request.time > 30)) return Reply::BadParameters();
  return request;
}

ForwardingEntry& EntryFor(std::vector<ForwardingEntry>& entries, int reason, int classCode) {
  for (ForwardingEntry& entry : entries) {
    if (entry.reason == reason && entry.classCode == classCode) return entry;
  }
  entries.push_back({reason, classCode, "", 129, 0, false});
  return entries.back();
}

void Apply(std::vector<ForwardingEntry>& entries, const ForwardRequest& request, int reason,
           int classCode) {
  if (request.mode == 4) {
    std::erase_if(entries, [&](const ForwardingEntry& entry) {
      return entry.reason == reason && entry.classCode == classCode;
    });
    return;
  }
  ForwardingEntry& entry = EntryFor(entries, reason, classCode);
  const bool registers = request.mode == 3 || (request.mode == 1 && !request.number.empty());
  if (registers) {
    entry.number = request.number;
    entry.type = request.number.starts_with('+') ? 145 : 129;
    if (reason == kReasonNoReply) entry.time = request.time != 0 ? request.time : kDefaultTime;
  }
  entry.active = request.mode != 0 && !entry.number.empty();
  if (entry.number.empty()) {
    std::erase_if(entries, [](const ForwardingEntry& e) { return e.number.empty(); });
  }
}

Reply Query(const std::vector<ForwardingEntry>& entries, int reason, int classes) {
  std::vector<const ForwardingEntry*> active;
  for (const ForwardingEntry& entry : entries) {
    if (entry.reason == reason && entry.active && (entry.classCode & classes) != 0) {
      active.push_back(&entry);
    }
  }
  std::sort(active.begin(), active.end(),
            [](const auto* a, const auto* b) { return a->classCode < b->classCode; });
  if (active.empty()) return Reply::Ok({"+CCFC: 0," + std::to_string(classes)});
  std::vector<std::string> lines;
  for (const ForwardingEntry* entry : active) {
    std::string line = "+CCFC: 1," + std::to_string(entry->classCode) + ",\"" + entry->number +
                       "\"," + std::to_string(entry->type);
    if (reason == kReasonNoReply) line += ",,," + std::to_string(entry->time);
    lines.push_back(std::move(line));
  }
  return Reply::Ok(std::move(lines));
}

Reply CallForwarding(CommandContext& context, const CommandRequest& request) {
  if (request.form == CommandForm::kTest) return Reply::Ok({"+CCFC: (0-5)"});
  if (request.form != CommandForm::kSet) return Reply::Error();
  const auto parsed = ParseRequest(request.parameters);
  if (const Reply* refused = std::get_if<Reply>(&parsed)) return *refused;
  const ForwardRequest& forward = std::get<ForwardRequest>(parsed);
  if (!OnNetwork(context)) return Reply::Cme(CmeError::kNoNetworkService);
  std::vector<ForwardingEntry>& entries = context.State().forwarding;
  if (forward.mode == 2) {
    if (forward.reasons.size() != 1) return Reply::BadParameters();
    return Query(entries, forward.reasons[0], forward.classes);
  }
  if (forward.mode == 3 && forward.number.empty()) return Reply::BadParameters();
  for (int reason : forward.reasons) {
    for (int classCode : {1, 2, 4}) {
      if ((forward.classes & classCode) != 0) Apply(entries, forward, reason, classCode);
    }
  }
  context.MarkChanged();
  return Reply::Ok();
}

}  // namespace

void AddForwardingCommands(CommandTable& table) { table.Add("+CCFC", CallForwarding); }

}  // namespace telvane::sim
