// USSD (AT+CUSD): the request goes to the network, which answers from the state's `ussd`
// with an unsolicited +CUSD: line after the command's OK.
#include "sim/at_params.h"
#include "sim/command_groups.h"
#include "sim/service_commands.h"
#include "sim/text_encoding.h"

namespace telvane::sim {
namespace {

constexpr int kDefaultAlphabet = 15;  // data coding scheme: GSM 7-bit, language unspecified

// The network's answer: "+CUSD: 0,"<text>",15" (no further action needed), or
// "+CUSD: 4" (operation not supported) for a code it does not know.
std::string NetworkAnswer(CommandContext& context, const std::string& request) {
  const auto& answers = context.State().ussd;
  const auto it = answers.find(request);
  if (it == answers.end()) return "+CUSD: 4";
  const Session& session = context.SessionSettings();
  const std::string text = session.charset == "UCS2" ? GsmToUcs2Hex(it->second) : it->second;
  return "+CUSD: 0,\"" + text + "\"," + std::to_string(kDefaultAlphabet);
}

// AT+CUSD=<n>[,<str>[,<dcs>]]: n 0 hides the network's answers, 1 presents them, 2 ends
// the session; a string is sent to the network.
Reply SendUssd(CommandContext& context, const CommandRequest& request) {
  const auto parts = SplitParameters(request.parameters);
  if (!parts || parts->size() > 3) return Reply::Error();
  const auto mode =
      parts->empty() || (*parts)[0].empty() ? std::optional<int>(0) : ParseNumber((*parts)[0]);
  if (!mode) return Reply::Error();
  if (*mode > 2) return Reply::BadParameters();
  if (parts->size() > 2 && !ParseNumber((*parts)[2])) return Reply::Error();
  Session& session = context.SessionSettings();
  if (*mode < 2) session.cusd = *mode;
  if (parts->size() < 2 || *mode == 2) return Reply::Ok();
  const auto quoted = ParseQuoted((*parts)[1]);
  if (!quoted) return Reply::Error();
  const auto text = session.charset == "UCS2" ? Ucs2HexToGsm(*quoted) : std::optional(*quoted);
  if (!text || text->empty()) return Reply::BadParameters();
  if (!OnNetwork(context)) return Reply::Cme(CmeError::kNoNetworkService);
  Reply reply = Reply::Ok();
  if (session.cusd == 1) reply.afterResult.push_back(NetworkAnswer(context, *text));
  return reply;
}

Reply Ussd(CommandContext& context, const CommandRequest& request) {
  switch (request.form) {
    case CommandForm::kQuery:
      return Reply::Ok({"+CUSD: " + std::to_string(context.SessionSettings().cusd)});
    case CommandForm::kTest: return Reply::Ok({"+CUSD: (0-2)"});
    case CommandForm::kSet: return SendUssd(context, request);
    case CommandForm::kAction: break;
  }
  return Reply::Error();
}

}  // namespace

void AddUssdCommands(CommandTable& table) { table.Add("+CUSD", Ussd); }

}  // namespace telvane::sim
