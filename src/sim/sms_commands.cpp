// Message service set-up: the service level, the message format, new message indications,
// the service centre.
#include "sim/at_params.h"
#include "sim/command_groups.h"

namespace telvane::sim {
namespace {

Reply MessageService(CommandContext& context, const CommandRequest& request) {
  int& service = context.SessionSettings().smsService;
  switch (request.form) {
    case CommandForm::kQuery: return Reply::Ok({"+CSMS: " + std::to_string(service) + ",1,1,1"});
    case CommandForm::kTest: return Reply::Ok({"+CSMS: (0,1)"});
    case CommandForm::kSet: {
      const auto value = ParseNumber(request.parameters);
      if (!value || *value > 1) {
        return Reply::BadParameters();
      }
      service = *value;
      return Reply::Ok({"+CSMS: 1,1,1"});
    }
    case CommandForm::kAction: break;
  }
  return Reply::Error();
}

// AT+CMGF: this phone knows PDU mode (0) only.
Reply MessageFormat(CommandContext&, const CommandRequest& request) {
  switch (request.form) {
    case CommandForm::kQuery: return Reply::Ok({"+CMGF: 0"});
    case CommandForm::kTest: return Reply::Ok({"+CMGF: (0)"});
    case CommandForm::kSet: {
      const auto mode = ParseNumber(request.parameters);
      if (!mode) {
        return Reply::Error();
      }
      return *mode == 0 ? Reply::Ok() : Reply::Cms(CmsError::kOperationNotSupported);
    }
    case CommandForm::kAction: break;
  }
  return Reply::Error();
}

bool IndicationValueAllowed(std::size_t position, int value) {
  switch (position) {
    case 0: return value >= 0 && value <= 3;                // mode
    case 1: return value >= 0 && value <= 3;                // mt
    case 2: return value == 0 || value == 2 || value == 3;  // bm
    case 3: return value >= 0 && value <= 2;                // ds
    case 4: return value == 0 || value == 1;                // bfr
    default: return false;
  }
}

// AT+CNMI=<mode>[,<mt>[,<bm>[,<ds>[,<bfr>]]]]; an empty parameter keeps its value. The
// settings are kept with the phone state: <ds> 2 makes the phone store status reports.
Reply NewMessageIndications(CommandContext& context, const CommandRequest& request) {
  auto& cnmi = context.State().messageIndications;
  switch (request.form) {
    case CommandForm::kQuery: {
      std::string line = "+CNMI: ";
      for (std::size_t i = 0; i < cnmi.size(); ++i) {
        line += (i ? "," : "") + std::to_string(cnmi[i]);
      }
      return Reply::Ok({line});
    }
    case CommandForm::kTest: return Reply::Ok({"+CNMI: (0-3),(0-3),(0,2,3),(0-2),(0,1)"});
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
      if (cnmi != updated) {
        cnmi = updated;
        context.MarkChanged();
      }
      return Reply::Ok();
    }
    case CommandForm::kAction: break;
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
    case CommandForm::kTest: return Reply::Ok();
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
    case CommandForm::kAction: break;
  }
  return Reply::Error();
}

}  // namespace

void AddSmsCommands(CommandTable& table) {
  table.Add("+CSMS", MessageService);
  table.Add("+CMGF", MessageFormat);
  table.Add("+CNMI", NewMessageIndications);
  table.Add("+CSCA", ServiceCentre);
}

}  // namespace telvane::sim
