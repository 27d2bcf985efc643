// Message service set-up and the listing of stored messages without marking them read.
#include <algorithm>

#include "sim/at_params.h"
#include "sim/command_groups.h"

namespace telvane::sim {
namespace {

constexpr int kAllMessages = 4;

// AT^SMGL=<stat>: like AT+CMGL in PDU mode, but unread messages stay unread.
Reply ListWithoutMarking(CommandContext& context, const CommandRequest& request) {
  int wanted = 0;
  switch (request.form) {
    case CommandForm::kTest:
      return Reply::Ok({"^SMGL: (0-4)"});
    case CommandForm::kAction:
      break;
    case CommandForm::kSet: {
      const auto stat = ParseNumber(request.parameters);
      if (!stat || *stat > kAllMessages) {
        return Reply::BadParameters();
      }
      wanted = *stat;
      break;
    }
    case CommandForm::kQuery:
      return Reply::Error();
  }
  std::vector<const StoredMessage*> matching;
  for (const StoredMessage& message : context.State().messages) {
    if (wanted == kAllMessages || message.status == wanted) {
      matching.push_back(&message);
    }
  }
  std::sort(matching.begin(), matching.end(),
            [](const StoredMessage* a, const StoredMessage* b) { return a->index < b->index; });
  std::vector<std::string> lines;
  for (const StoredMessage* message : matching) {
    lines.push_back("^SMGL: " + std::to_string(message->index) + "," +
                    std::to_string(message->status) + ",," +
                    std::to_string(TpduLength(message->pdu)));
    lines.push_back(message->pdu);
  }
  return Reply::Ok(std::move(lines));
}

Reply MessageService(CommandContext& context, const CommandRequest& request) {
  int& service = context.SessionSettings().smsService;
  switch (request.form) {
    case CommandForm::kQuery:
      return Reply::Ok({"+CSMS: " + std::to_string(service) + ",1,1,1"});
    case CommandForm::kTest:
      return Reply::Ok({"+CSMS: (0,1)"});
    case CommandForm::kSet: {
      const auto value = ParseNumber(request.parameters);
      if (!value || *value > 1) {
        return Reply::BadParameters();
      }
      service = *value;
      return Reply::Ok({"+CSMS: 1,1,1"});
    }
    case CommandForm::kAction:
      break;
  }
  return Reply::Error();
}

bool IndicationValueAllowed(std::size_t position, int value) {
  switch (position) {
    case 0: return value >= 0 && value <= 3;               // mode
    case 1: return value >= 0 && value <= 3;               // mt
    case 2: return value == 0 || value == 2 || value == 3;  // bm
    case 3: return value >= 0 && value <= 2;               // ds
    case 4: return value == 0 || value == 1;               // bfr
    default: return false;
  }
}

// AT+CNMI=<mode>[,<mt>[,<bm>[,<ds>[,<bfr>]]]]; an empty parameter keeps its value.
Reply NewMessageIndications(CommandContext& context, const CommandRequest& request) {
  auto& cnmi = context.SessionSettings().cnmi;
  switch (request.form) {
    case CommandForm::kQuery: {
      std::string line = "+CNMI: ";
      for (std::size_t i = 0; i < cnmi.size(); ++i) {
        line += (i ? "," : "") + std::to_string(cnmi[i]);
      }
      return Reply::Ok({line});
    }
    case CommandForm::kTest:
      return Reply::Ok({"+CNMI: (0-3),(0-3),(0,2,3),(0-2),(0,1)"});
    case CommandForm::kSet: {
      const auto parts = SplitParameters(request.parameters);
      if (!parts || parts->size() > cnmi.size() || (*parts)[0].empty()) {
        return Reply::Error();
      }
      auto updated = cnmi;
      for (std::size_t i = 0; i < parts->size(); ++i) {
        if ((*parts)[i].empty()) {
          continue;
        }
        const auto value = ParseNumber((*parts)[i]);
        if (!value) {
          return Reply::Error();
        }
        if (!IndicationValueAllowed(i, *value)) {
          return Reply::BadParameters();
        }
        updated[i] = *value;
      }
      cnmi = updated;
      return Reply::Ok();
    }
    case CommandForm::kAction:
      break;
  }
  return Reply::Error();
}

// AT+CSCA? answers +CSCA: "+491770000000",145; AT+CSCA=<number>[,<type>] takes the number
// quoted or not.
Reply ServiceCentre(CommandContext& context, const CommandRequest& request) {
  std::string& centre = context.State().serviceCentre;
  switch (request.form) {
    case CommandForm::kQuery:
      return Reply::Ok({"+CSCA: \"" + centre + "\"," + std::to_string(NumberType(centre))});
    case CommandForm::kTest:
      return Reply::Ok();
    case CommandForm::kSet: {
      const auto parts = SplitParameters(request.parameters);
      if (!parts || parts->size() > 2) {
        return Reply::Error();
      }
      std::string_view number = (*parts)[0];
      if (number.size() >= 2 && number.front() == '"' && number.back() == '"') {
        number = number.substr(1, number.size() - 2);
      }
      int type = NumberType(number);
      if (parts->size() == 2) {
        const auto given = ParseNumber((*parts)[1]);
        if (!given) {
          return Reply::Error();
        }
        type = *given;
      }
      const auto normal = NormaliseNumber(number, type);
      if ((type != 129 && type != 145) || !normal || normal->empty() || normal->size() > 21 ||
          normal->find_first_not_of("+0123456789") != std::string::npos) {
        return Reply::BadParameters();
      }
      centre = *normal;
      context.MarkChanged();
      return Reply::Ok();
    }
    case CommandForm::kAction:
      break;
  }
  return Reply::Error();
}

}  // namespace

void AddSmsCommands(CommandTable& table) {
  table.Add("^SMGL", ListWithoutMarking);
  table.Add("+CSMS", MessageService);
  table.Add("+CNMI", NewMessageIndications);
  table.Add("+CSCA", ServiceCentre);
}

}  // namespace telvane::sim
