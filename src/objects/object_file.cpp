#include "objects/object_file.h"

#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <limits>
#include <thread>
#include <vector>

#include "base/replacing_file.h"
#include "objects/block_writer.h"
#include "objects/hex_block.h"

namespace telvane::objects {

namespace {

// Pause after each decoded block of a read.
constexpr std::chrono::milliseconds kReadBlockPause{100};

// Appends the decoded blocks to `file`, showing the progress and pumping after each;
// kFile on a failing write, kCancelled when the user asked to stop.
FailedStep AppendBlocks(TransferFeedback& feedback, const std::vector<std::string>& blocks,
                        std::FILE* file) {
  const auto total = static_cast<long long>(blocks.size());
  for (long long done = 1; done <= total; ++done) {
    const std::string& block = blocks[static_cast<std::size_t>(done - 1)];
    if (std::fwrite(block.data(), 1, block.size(), file) != block.size()) return FailedStep::kFile;
    feedback.ShowProgress(TransferPercent(done, total));
    feedback.Pump();
    if (feedback.CancelRequested()) return FailedStep::kCancelled;
    std::this_thread::sleep_for(kReadBlockPause);
  }
  return FailedStep::kNone;
}

// Reads the object and writes its blocks into `file`; the step that failed, if any.
FailedStep ReadInto(link::Exchange& exchange, TransferFeedback& feedback, ObjectType type,
                    std::FILE* file) {
  if (!exchange.SendCommand(ReadCommand(type, 0))) return FailedStep::kCommand;
  if (feedback.CancelRequested()) return FailedStep::kCancelled;
  const ObjectAnswer answer = DecodeObjectAnswer(exchange.Answer(), Expected(type, 0));
  if (answer.status == ObjectAnswer::Status::kBroken) return FailedStep::kDataLine;
  return AppendBlocks(feedback, answer.blocks, file);
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
  FailedStep failed = ReadInto(exchange, feedback, type, file.get());
  if (failed == FailedStep::kNone && !file.Commit()) failed = FailedStep::kFile;
  if (failed == FailedStep::kNone) return Outcome{true};
  if (failed == FailedStep::kCancelled) return Outcome{false, 0, 0, failed};
  const int message = type == ObjectType::kBmp ? kStrLogoReadError : kStrRingToneReadError;
  return Outcome{false, message, 0, failed};
}

}  // namespace telvane::objects
