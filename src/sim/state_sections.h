// The state file's sections for phone books, binary objects and calls.
#pragma once

#include <nlohmann/json.hpp>

#include "sim/phone_state.h"

namespace telvane::sim {

// Each reader throws std::runtime_error naming the key ("phonebooks.SM[3].name") and the
// problem; a missing section (nullptr) keeps the defaults.
void ReadPhoneBooks(const nlohmann::json* section, PhoneBooks& out);
void ReadObjects(const nlohmann::json* section, ObjectStore& out);
void ReadCalls(const nlohmann::json* section, std::string& dialResult);
// "ussd": the USSD code (1-40 of 0-9 * # +) to the answer's text (1-160 characters of the
// GSM alphabet, no double quote).
void ReadUssd(const nlohmann::json* section, std::map<std::string, std::string>& out);
nlohmann::ordered_json UssdJson(const std::map<std::string, std::string>& answers);

nlohmann::ordered_json PhoneBooksJson(const PhoneBooks& books);
nlohmann::ordered_json ObjectsJson(const ObjectStore& objects);

}  // namespace telvane::sim
