// A UI script being played: its lines, where it stands, the answers queued for message
// boxes, file and print dialogs, and the failed expects so far.
#pragma once

#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "ui/headless/script.h"
#include "ui/ui.h"

namespace telvane::ui::headless {

class HeadlessDialog;
class HeadlessUi;

class ScriptSession {
 public:
  ScriptSession(std::vector<ScriptLine> lines, std::string scriptName, std::ostream& out,
                std::ostream& err);

  // Plays lines on `dialog`, the innermost modal window, until it ends. Throws ScriptStop
  // when the lines run out first or on a script error.
  void RunUntilEnded(HeadlessUi& ui, HeadlessDialog& dialog);

  // Prints the box and returns its answer: OK for a plain box, else the queued answer.
  int AnswerMessage(const MessageRequest& message);
  std::optional<FileChoice> AnswerFile(const FileRequest& request);
  std::optional<PrintChoice> AnswerPrint();
  bool TakeHelpFailure();

  // 0, or 1 once an expect failed.
  int Status() const { return failedExpects_ > 0 ? 1 : 0; }
  int FailedExpects() const { return failedExpects_; }
  // The number of the first line not yet played; 0 when every line was played.
  int NextLineNumber() const;
  const std::optional<MessageRequest>& LastMessage() const { return lastMessage_; }
  // A script error at the current line: throws ScriptStop with status 2.
  [[noreturn]] void Stop(const std::string& reason) const;

 private:
  struct QueuedAnswer {
    std::string word;  // "yes", "no", "ok", "cancel", "retry"
    int line = 0;
  };
  struct QueuedFile {
    std::optional<FileChoice> choice;  // nullopt: cancel
    int line = 0;
  };
  struct QueuedPrint {
    std::optional<PrintChoice> choice;
    int line = 0;
  };

  void Play(HeadlessUi& ui, HeadlessDialog& dialog, const ScriptLine& line);
  // Takes queuing lines (answer, file, print, helpfails) that come next in the script, so
  // that a box asked before any window runs its loop still finds its answer.
  void TakeQueuingLinesAhead();
  bool PlayQueuing(const ScriptLine& line);  // false when `line` does not queue
  void PlayAction(HeadlessUi& ui, HeadlessDialog& dialog, const ScriptLine& line);
  void PlayExpect(HeadlessUi& ui, HeadlessDialog& dialog, const ScriptLine& line);
  void PlayDump(HeadlessDialog& dialog, const ScriptLine& line);
  void ExpectFailed(const ScriptLine& line, const std::string& what);

  std::vector<ScriptLine> lines_;
  std::size_t next_ = 0;
  const ScriptLine* current_ = nullptr;
  std::string scriptName_;
  std::ostream& out_;
  std::ostream& err_;
  int failedExpects_ = 0;
  std::deque<QueuedAnswer> answers_;
  std::deque<QueuedFile> files_;
  std::deque<QueuedPrint> prints_;
  bool helpFails_ = false;
  std::optional<MessageRequest> lastMessage_;
};

}  // namespace telvane::ui::headless
