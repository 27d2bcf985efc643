#include "objects/object_file.h"

#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <limits>
#include <thread>

#include "base/replacing_file.h"
#include "link/answer_reader.h"
#include "objects/block_writer.h"
#include "objects/hex_block.h"

namespace telvane::objects {

namespace {

// Pause after each decoded block of a read.
constexpr std::chrono::milliseconds kReadBlockPause{100};

// Decodes every block of `answer` into `file`; false on a bad block or a failing write.
bool AppendBlocks(TransferFeedback& feedback, std::string_view answer, std::FILE* file) {
  const long long total =
      AnswerBlockTotal(answer).value_or(link::CountOccurrences(answer, "^SBNR:"));
  AnswerBlockReader reader(answer, kDecodeBufferSize);
  std::string block;
  for (long long done = 1;; ++done) {
    const BlockDecode decoded = reader.Next(block);
    if (decoded == BlockDecode::kEnd) return true;
    if (decoded != BlockDecode::kBlock) return false;
    if (!block.empty() && std::fwrite(block.data(), 1, block.size(), file) != block.size())
      return false;
    feedback.ShowProgress(TransferPercent(done, total));
    feedback.Pump();
    std::this_thread::sleep_for(kReadBlockPause);
  }
}

}  // namespace

std::optional<OpenedFile> OpenForReading(const std::string& path) {
  OpenedFile opened;
  opened.file = base::OpenFile(path, "rb");
  if (!opened.file) return std::nullopt;
  struct stat status {};
  if (::fstat(::fileno(opened.file.get()), &status) != 0 || !S_ISREG(status.st_mode))
    return std::nullopt;
  opened.size = static_cast<std::uint64_t>(status.st_size);
  return opened;
}

Outcome WriteBinaryObject(link::Exchange& exchange, TransferFeedback& feedback, ObjectType type,
                          int index, std::FILE* file, std::uint64_t length) {
  // The block total is an int on the wire; a file beyond it cannot be framed.
  const std::uint64_t maxLength =
      static_cast<std::uint64_t>(std::numeric_limits<int>::max()) * BlockSize(type);
  if (length > maxLength || length > std::numeric_limits<std::size_t>::max()) {
    return Outcome{false, 0, 0, FailedStep::kSource};
  }
  BlockWrite write;
  write.type = type;
  write.index = index;
  write.length = static_cast<std::size_t>(length);
  write.read = [file](std::size_t count, std::string& bytes) {
    bytes.resize(count);
    const std::size_t got = std::fread(bytes.data(), 1, count, file);
    bytes.resize(got);
    return got > 0 || std::ferror(file) == 0;
  };
  return WriteBlocks(exchange, feedback, write);
}

Outcome ReadBinaryObject(link::Exchange& exchange, TransferFeedback& feedback, ObjectType type,
                         const std::string& path) {
  // The download replaces the file only when it is whole; until then the old one stays.
  base::ReplacingFile file(path);
  if (!file) return Outcome{false, kStrCantOpenFile, 0, FailedStep::kFile};
  feedback.Pump();
  FailedStep failed = FailedStep::kNone;
  if (!exchange.SendCommand(ReadCommand(type, 0))) {
    failed = FailedStep::kCommand;
  } else {
    // Decoding pumps messages between blocks: work on a copy of the answer.
    const std::string answer(exchange.Answer());
    if (!AppendBlocks(feedback, answer, file.get())) failed = FailedStep::kDataLine;
  }
  if (failed == FailedStep::kNone && !file.Commit()) failed = FailedStep::kFile;
  if (failed == FailedStep::kNone) return Outcome{true};
  const int message = type == ObjectType::kBmp ? kStrLogoReadError : kStrRingToneReadError;
  return Outcome{false, message, 0, failed};
}

}  // namespace telvane::objects
