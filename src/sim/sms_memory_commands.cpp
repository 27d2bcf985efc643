// The message memory in PDU mode: listing (AT+CMGL, and AT^SMGL that leaves messages
// unread), reading (AT+CMGR), deleting (AT+CMGD) and how full it is (AT+CPMS, AT^SMGO).
#include <string>
#include <vector>

#include "sim/at_params.h"
#include "sim/command_groups.h"
#include "sim/sms_delivery.h"
#include "sim/sms_message_store.h"

namespace telvane::sim {
namespace {

Reply InvalidIndex() { return Reply::Cms(CmsError::kInvalidMemoryIndex); }
Reply InvalidParameter() { return Reply::Cms(CmsError::kInvalidPduParameter); }

// "<stat>,,<length>": the status, an empty alpha field and the transfer part's octets.
std::string StatusAndLength(const StoredMessage& message) {
  return std::to_string(message.status) + ",," + std::to_string(TpduLength(message.pdu));
}

// Per message of the wanted status, in index order, "<prefix> <index>,<stat>,,<length>" and
// the PDU line. The action form lists received unread messages (status 0), as the set form
// with 0 does. With `markRead` the listed unread messages become read (after the listing
// shows them as unread).
Reply ListMessages(CommandContext& context, const CommandRequest& request, std::string_view prefix,
                   bool markRead, const Reply& badStatus) {
  int wanted = 0;
  switch (request.form) {
    case CommandForm::kTest:
      return Reply::Ok({std::string(prefix) + " " + RangeText(0, kAllMessages)});
    case CommandForm::kAction: break;
    case CommandForm::kSet: {
      const auto status = ParseNumber(request.parameters);
      if (!status) {
        return Reply::Error();
      }
      if (*status > kAllMessages) {
        return badStatus;
      }
      wanted = *status;
      break;
    }
    case CommandForm::kQuery: return Reply::Error();
  }
  std::vector<std::string> lines;
  for (StoredMessage* message : MessagesWithStatus(context.State(), wanted)) {
    lines.push_back(std::string(prefix) + " " + std::to_string(message->index) + "," +
                    StatusAndLength(*message));
    lines.push_back(message->pdu);
    if (markRead && message->status == 0) {
      message->status = 1;
      context.MarkChanged();
    }
  }
  return Reply::Ok(std::move(lines));
}

Reply ListAndMarkRead(CommandContext& context, const CommandRequest& request) {
  return ListMessages(context, request, "+CMGL:", true, InvalidParameter());
}

Reply ListWithoutMarking(CommandContext& context, const CommandRequest& request) {
  return ListMessages(context, request, "^SMGL:", false, Reply::BadParameters());
}

// The index parameter of AT+CMGR and AT+CMGD; an index outside the memory is refused in
// `refusal`.
std::optional<int> ParseIndex(std::string_view parameter, const PhoneState& state, Reply& refusal) {
  const auto index = ParseNumber(parameter);
  if (!index) {
    refusal = Reply::Error();
    return std::nullopt;
  }
  if (*index < 1 || *index > state.messageCapacity) {
    refusal = InvalidIndex();
    return std::nullopt;
  }
  return index;
}

// AT+CMGR=<index>: "+CMGR: <stat>,,<length>" and the PDU line; an unread message becomes read.
Reply ReadMessage(CommandContext& context, const CommandRequest& request) {
  if (request.form == CommandForm::kTest) {
    return Reply::Ok();
  }
  if (request.form != CommandForm::kSet) {
    return Reply::Error();
  }
  Reply refusal;
  const auto index = ParseIndex(request.parameters, context.State(), refusal);
  if (!index) {
    return refusal;
  }
  StoredMessage* message = FindMessage(context.State(), *index);
  if (message == nullptr) {
    return InvalidIndex();
  }
  Reply reply = Reply::Ok({"+CMGR: " + StatusAndLength(*message), message->pdu});
  if (message->status == 0) {
    message->status = 1;
    context.MarkChanged();
  }
  return reply;
}

// AT+CMGD=<index>[,0]: deletes the message; an index within the memory that holds none
// answers OK as well, so deleting twice is harmless. A message waiting for room takes the
// freed place.
Reply DeleteMessage(CommandContext& context, const CommandRequest& request) {
  if (request.form == CommandForm::kTest) {
    return Reply::Ok();
  }
  if (request.form != CommandForm::kSet) {
    return Reply::Error();
  }
  const auto parts = SplitParameters(request.parameters);
  if (!parts || parts->size() > 2) {
    return Reply::Error();
  }
  if (parts->size() == 2) {
    const auto flag = ParseNumber((*parts)[1]);
    if (!flag) {
      return Reply::Error();
    }
    if (*flag != 0) {  // deleting by status is not known to this phone
      return InvalidParameter();
    }
  }
  PhoneState& state = context.State();
  Reply refusal;
  const auto index = ParseIndex((*parts)[0], state, refusal);
  if (!index) {
    return refusal;
  }
  if (std::erase_if(state.messages,
                    [&index](const StoredMessage& m) { return m.index == *index; }) > 0) {
    StoreWaitingMessages(state);
    context.MarkChanged();
  }
  return Reply::Ok();
}

// The one message memory, the SIM's: "SM" (quoted or not).
bool IsSimMemory(std::string_view parameter) { return parameter == "\"SM\"" || parameter == "SM"; }

// AT+CPMS? gives "+CPMS: "SM",<used>,<total>" for the memories to read, write and receive
// into; AT+CPMS=<mem1>[,<mem2>[,<mem3>]] accepts only "SM".
Reply PreferredMemory(CommandContext& context, const CommandRequest& request) {
  const PhoneState& state = context.State();
  const std::string usedAndTotal =
      std::to_string(state.messages.size()) + "," + std::to_string(state.messageCapacity);
  switch (request.form) {
    case CommandForm::kQuery: {
      const std::string memory = "\"SM\"," + usedAndTotal;
      return Reply::Ok({"+CPMS: " + memory + "," + memory + "," + memory});
    }
    case CommandForm::kTest: return Reply::Ok({"+CPMS: (\"SM\"),(\"SM\"),(\"SM\")"});
    case CommandForm::kSet: {
      const auto parts = SplitParameters(request.parameters);
      if (!parts || parts->size() > 3) {
        return Reply::Error();
      }
      for (std::string_view memory : *parts) {
        if (!IsSimMemory(memory)) {
          return Reply::Cms(CmsError::kOperationNotSupported);
        }
      }
      return Reply::Ok({"+CPMS: " + usedAndTotal + "," + usedAndTotal + "," + usedAndTotal});
    }
    case CommandForm::kAction: break;
  }
  return Reply::Error();
}

// AT^SMGO? gives "^SMGO: <n>,<mode>": the report switch and the memory's state, 0 space
// available, 1 full, 2 full with a message waiting in the network.
Reply MemoryOverflow(CommandContext& context, const CommandRequest& request) {
  int& reports = context.SessionSettings().overflowReports;
  switch (request.form) {
    case CommandForm::kQuery: {
      const PhoneState& state = context.State();
      const bool full = !FirstFreeMessageIndex(state);
      const char* mode = !full ? "0" : state.waiting.empty() ? "1" : "2";
      return Reply::Ok({"^SMGO: " + std::to_string(reports) + "," + mode});
    }
    case CommandForm::kTest: return Reply::Ok({"^SMGO: (0,1)"});
    case CommandForm::kSet: {
      const auto value = ParseNumber(request.parameters);
      if (!value) {
        return Reply::Error();
      }
      if (*value > 1) {
        return Reply::BadParameters();
      }
      reports = *value;
      return Reply::Ok();
    }
    case CommandForm::kAction: break;
  }
  return Reply::Error();
}

}  // namespace

void AddSmsMemoryCommands(CommandTable& table) {
  table.Add("+CMGL", ListAndMarkRead);
  table.Add("^SMGL", ListWithoutMarking);
  table.Add("+CMGR", ReadMessage);
  table.Add("+CMGD", DeleteMessage);
  table.Add("+CPMS", PreferredMemory);
  table.Add("^SMGO", MemoryOverflow);
}

}  // namespace telvane::sim
