// The sample command module shipped with the program: answers a few commands sent to the
// phone by short message, each reply going back to the sender.
//   PING        -> "PONG"
//   TIME        -> the computer's local time
//   ECHO <text> -> the text
//   HELP        -> the list of commands
// Anything else is answered with a hint, so no message stays on the phone unanswered.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <string_view>

#include "command_mode/smscom.h"

namespace {

std::string UpperWord(std::string_view text) {
  std::string word;
  for (char c : text) {
    if (c == ' ') break;
    word += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return word;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
    text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
    text.remove_suffix(1);
  return text;
}

std::string LocalTimeText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

std::string AnswerTo(std::string_view request) {
  const std::string word = UpperWord(request);
  if (word == "PING") return "PONG";
  if (word == "TIME") return "Time: " + LocalTimeText();
  if (word == "ECHO") return std::string(Trimmed(request.substr(word.size())));
  if (word == "HELP") return "Commands: PING, TIME, ECHO <text>, HELP";
  return "Unknown command \"" + word + "\". Send HELP for the list.";
}

void CopyOut(char* buffer, std::size_t size, std::string_view text) {
  const std::size_t length = text.size() < size ? text.size() : size - 1;
  std::copy_n(text.begin(), length, buffer);
  buffer[length] = '\0';
}

}  // namespace

extern "C" int smscom(int /*reserved*/, const char* sender, char* replyNumber, char* text,
                      const char** statusText) {
  // The status pointer must stay valid between calls, so it points into the module's own
  // storage; the program reads it right after each call.
  static char status[SMSCOM_TEXT_SIZE];
  const std::string_view from(sender, ::strnlen(sender, SMSCOM_SENDER_SIZE - 1));
  if (from.empty()) {
    std::snprintf(status, sizeof status, "Waiting for commands");
    *statusText = status;
    return 1;  // nothing was asked
  }
  const std::string request(Trimmed(std::string_view(text, ::strnlen(text, SMSCOM_TEXT_SIZE - 1))));
  const std::string answer = AnswerTo(request);
  std::snprintf(status, sizeof status, "%s from %.*s", UpperWord(request).c_str(),
                static_cast<int>(from.size()), from.data());
  *statusText = status;
  CopyOut(replyNumber, SMSCOM_REPLY_NUMBER_SIZE, from);
  CopyOut(text, SMSCOM_TEXT_SIZE, answer.empty() ? std::string_view("(empty)") : answer);
  return 0;
}
