#include "ui/headless/script_session.h"

#include <algorithm>
#include <filesystem>

#include "gsm/latin1_text.h"
#include "ui/headless/headless_dialog.h"
#include "ui/headless/output_text.h"
#include "ui/headless/script_stop.h"

namespace telvane::ui::headless {
namespace {

struct AnswerWord {
  std::string_view word;
  int id;
};
constexpr AnswerWord kAnswerWords[] = {
    {"ok", kIdOk}, {"cancel", kIdCancel}, {"retry", kIdRetry}, {"yes", kIdYes}, {"no", kIdNo}};

std::vector<int> AnswersOf(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok: return {kIdOk};
    case Buttons::OkCancel: return {kIdOk, kIdCancel};
    case Buttons::YesNo: return {kIdYes, kIdNo};
    case Buttons::YesNoCancel: return {kIdYes, kIdNo, kIdCancel};
    case Buttons::RetryCancel: return {kIdRetry, kIdCancel};
  }
  return {kIdOk};
}

// Adds the default extension to a name without one, as the save dialog does.
std::string WithDefaultExtension(std::string path, const std::string& extension) {
  if (extension.empty()) return path;
  const std::filesystem::path name = std::filesystem::path(path).filename();
  if (!name.has_extension()) path += "." + extension;
  return path;
}

}  // namespace

ScriptSession::ScriptSession(std::vector<ScriptLine> lines, std::string scriptName,
                             std::ostream& out, std::ostream& err)
    : lines_(std::move(lines)), scriptName_(std::move(scriptName)), out_(out), err_(err) {}

int ScriptSession::NextLineNumber() const {
  return next_ < lines_.size() ? lines_[next_].number : 0;
}

void ScriptSession::Stop(const std::string& reason) const {
  const std::string where =
      current_ ? scriptName_ + ":" + std::to_string(current_->number) + ": " : scriptName_ + ": ";
  throw ScriptStop{2, where + reason};
}

void ScriptSession::RunUntilEnded(HeadlessUi& ui, HeadlessDialog& dialog) {
  while (!dialog.Ended()) {
    if (next_ >= lines_.size()) {
      throw ScriptStop{Status(), "the script ended while window " +
                                     std::to_string(dialog.TemplateId()) + " is open"};
    }
    Play(ui, dialog, lines_[next_++]);
  }
}

void ScriptSession::Play(HeadlessUi& ui, HeadlessDialog& dialog, const ScriptLine& line) {
  // Nested windows play lines of their own; errors after they return belong to this line.
  struct CurrentLine {
    const ScriptLine*& current;
    const ScriptLine* previous;
    ~CurrentLine() { current = previous; }
  } restore{current_, current_};
  current_ = &line;
  try {
    if (PlayQueuing(line)) return;
    const std::string& verb = line.words[0];
    if (verb == "expect") {
      PlayExpect(ui, dialog, line);
    } else if (verb == "dump") {
      PlayDump(dialog, line);
    } else {
      PlayAction(ui, dialog, line);
    }
  } catch (const InputRefused& refused) {
    Stop(refused.what());
  } catch (const ScriptError& error) {
    Stop(error.what());
  }
}

void ScriptSession::TakeQueuingLinesAhead() {
  while (next_ < lines_.size()) {
    const ScriptLine& line = lines_[next_];
    const ScriptLine* previous = current_;
    current_ = &line;
    bool queued = false;
    try {
      queued = PlayQueuing(line);
    } catch (const ScriptError& error) {
      Stop(error.what());
    }
    current_ = previous;
    if (!queued) return;
    ++next_;
  }
}

void ScriptSession::ExpectFailed(const ScriptLine& line, const std::string& what) {
  ++failedExpects_;
  err_ << "expect failed: line " << line.number << ": " << what << '\n';
}

int ScriptSession::AnswerMessage(const MessageRequest& message) {
  lastMessage_ = message;
  out_ << "message " << message.stringId << ' ' << CaptionText(message.caption) << ": "
       << OutputText(message.text) << '\n';
  if (message.buttons == Buttons::Ok) return kIdOk;
  if (answers_.empty()) TakeQueuingLinesAhead();
  if (answers_.empty()) {
    Stop("message " + std::to_string(message.stringId) + " asks \"" + OutputText(message.text) +
         "\" and no answer is queued");
  }
  const QueuedAnswer answer = answers_.front();
  answers_.pop_front();
  int id = 0;
  for (const AnswerWord& word : kAnswerWords) {
    if (word.word == answer.word) id = word.id;
  }
  const std::vector<int> allowed = AnswersOf(message.buttons);
  if (std::find(allowed.begin(), allowed.end(), id) == allowed.end()) {
    Stop("the answer \"" + answer.word + "\" of line " + std::to_string(answer.line) +
         " is not a button of message " + std::to_string(message.stringId) + " \"" +
         OutputText(message.text) + "\"");
  }
  return id;
}

std::optional<FileChoice> ScriptSession::AnswerFile(const FileRequest& request) {
  if (files_.empty()) TakeQueuingLinesAhead();
  if (files_.empty()) {
    Stop(std::string(request.save ? "a save" : "an open") +
         " file dialog was shown and no file is queued");
  }
  QueuedFile file = std::move(files_.front());
  files_.pop_front();
  if (!file.choice) return std::nullopt;
  if (request.save) {
    file.choice->path = WithDefaultExtension(file.choice->path, request.defaultExtension);
  } else if (request.mustExist && !std::filesystem::exists(file.choice->path)) {
    Stop("the file \"" + file.choice->path + "\" of line " + std::to_string(file.line) +
         " does not exist, and the open dialog wants an existing file");
  }
  if (request.preview != nullptr) {
    // The preview starts at number 1; a person can only choose what its up-down offers.
    int& number = file.choice->previewNumber;
    if (number == 0) number = 1;
    if (number < 1 || number > request.preview->NumberCount()) {
      Stop("the number " + std::to_string(number) + " of line " + std::to_string(file.line) +
           " is not offered by the preview (1 to " +
           std::to_string(request.preview->NumberCount()) + ")");
    }
    request.preview->SelectionChanged(file.choice->path);
  }
  return file.choice;
}

std::optional<PrintChoice> ScriptSession::AnswerPrint() {
  if (prints_.empty()) TakeQueuingLinesAhead();
  if (prints_.empty()) Stop("a print dialog was shown and no print is queued");
  QueuedPrint print = std::move(prints_.front());
  prints_.pop_front();
  return print.choice;
}

bool ScriptSession::TakeHelpFailure() {
  const bool fails = helpFails_;
  helpFails_ = false;
  return fails;
}

bool ScriptSession::PlayQueuing(const ScriptLine& line) {
  const std::string& verb = line.words[0];
  const std::size_t count = line.ArgumentCount();
  const auto where = [](const std::string& what) { return ScriptError(what); };
  if (verb == "answer") {
    if (count != 1) throw where("answer needs one of yes, no, ok, cancel, retry");
    const std::string& word = line.words[1];
    const bool known = std::any_of(std::begin(kAnswerWords), std::end(kAnswerWords),
                                   [&](const AnswerWord& answer) { return answer.word == word; });
    if (!known) throw where("unknown answer \"" + word + "\"");
    answers_.push_back({word, line.number});
  } else if (verb == "file") {
    if (count < 1 || count > 2) throw where("file needs a path (or -) and an optional number");
    QueuedFile file{std::nullopt, line.number};
    if (line.words[1] != "-") {
      FileChoice choice{line.words[1], 0};
      if (count == 2) {
        try {
          std::size_t used = 0;
          choice.previewNumber = std::stoi(line.words[2], &used);
          if (used != line.words[2].size()) throw std::invalid_argument("trailing");
        } catch (const std::exception&) {
          throw where("bad preview number \"" + line.words[2] + "\"");
        }
      }
      file.choice = std::move(choice);
    } else if (count == 2) {
      throw where("a cancelled file dialog takes no number");
    }
    files_.push_back(std::move(file));
  } else if (verb == "print") {
    if (count < 1 || count > 2)
      throw where("print needs a path (or -) and an optional number of copies");
    QueuedPrint print{std::nullopt, line.number};
    if (line.words[1] != "-") {
      int copies = 1;
      if (count == 2) {
        try {
          std::size_t used = 0;
          copies = std::stoi(line.words[2], &used);
          if (used != line.words[2].size() || copies < 1 || copies > 99)
            throw std::invalid_argument("copies");
        } catch (const std::exception&) {
          throw where("bad number of copies \"" + line.words[2] + "\"");
        }
      }
      print.choice = PrintChoice{line.words[1], copies};
    } else if (count == 2) {
      throw where("a cancelled print dialog takes no copies");
    }
    prints_.push_back(std::move(print));
  } else if (verb == "helpfails") {
    if (count != 0) throw where("helpfails takes no arguments");
    helpFails_ = true;
  } else {
    return false;
  }
  return true;
}

}  // namespace telvane::ui::headless
