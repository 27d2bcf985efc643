#include "objects/object_file.h"

#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <limits>
#include <thread>

#include "link/answer_reader.h"
#include "objects/block_writer.h"
#include "objects/hex_block.h"
#include "objects/windows/transfer_progress.h"
#include "ui/ui.h"

namespace telvane::objects {

namespace {

// Pause after each decoded block of a read.
constexpr std::chrono::milliseconds kReadBlockPause{100};

void ShowTelvane(ui::Ui& ui, int stringId) {
  ui::ShowStringMessage(ui, stringId, ui::Caption::Telvane, ui::Buttons::Ok, ui::Icon::Warning);
}

// Decodes every block of `answer` into `file`; false on a bad block or a failing write.
bool AppendBlocks(ui::Ui& ui, std::string_view answer, std::FILE* file, TransferProgress* progress) {
  const long long total =
      AnswerBlockTotal(answer).value_or(link::CountOccurrences(answer, "^SBNR:"));
  AnswerBlockReader reader(answer, kDecodeBufferSize);
  std::string block;
  for (long long done = 1;; ++done) {
    const BlockDecode decoded = reader.Next(block);
    if (decoded == BlockDecode::kEnd) return true;
    if (decoded != BlockDecode::kBlock) return false;
    if (!block.empty() && std::fwrite(block.data(), 1, block.size(), file) != block.size()) return false;
    if (progress != nullptr) progress->Update(TransferPercent(done, total));
    ui.PumpMessages();
    std::this_thread::sleep_for(kReadBlockPause);
  }
}

}  // namespace

std::optional<OpenedFile> OpenForReading(const std::string& path) {
  OpenedFile opened;
  opened.file.reset(std::fopen(path.c_str(), "rb"));
  if (!opened.file) return std::nullopt;
  struct stat status {};
  if (::fstat(::fileno(opened.file.get()), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  opened.size = static_cast<std::uint64_t>(status.st_size);
  return opened;
}

std::optional<FileSend> StartFileSend(link::Exchange& exchange, ui::Ui& ui, ObjectType type,
                                      int index, const std::string& path) {
  FileSend send;
  send.progress = TransferProgress::Open(ui);
  if (!send.progress) return std::nullopt;
  auto opened = OpenForReading(path);
  if (!opened) {
    ui::ShowStringMessage(ui, kStrCantOpenFile, ui::Caption::Telvane);
    return std::nullopt;
  }
  send.opened = std::move(*opened);
  EraseBinaryObject(exchange, type, index);
  return send;
}

bool WriteBinaryObject(link::Exchange& exchange, ui::Ui& ui, ObjectType type, int index,
                       std::FILE* file, std::uint64_t length, WriteFailureRule rule,
                       TransferProgress* progress) {
  // The block total is an int on the wire; a file beyond it cannot be framed.
  const std::uint64_t maxLength = static_cast<std::uint64_t>(std::numeric_limits<int>::max()) * BlockSize(type);
  if (length > maxLength || length > std::numeric_limits<std::size_t>::max()) return false;
  BlockWrite write;
  write.type = type;
  write.index = index;
  write.length = static_cast<std::size_t>(length);
  write.progress = progress;
  write.read = [file](std::size_t count, std::string& bytes) {
    bytes.resize(count);
    const std::size_t got = std::fread(bytes.data(), 1, count, file);
    bytes.resize(got);
    return got > 0 || std::ferror(file) == 0;
  };
  return WriteBlocks(exchange, ui, write, rule);
}

bool ReadBinaryObject(link::Exchange& exchange, ui::Ui& ui, ObjectType type, const std::string& path,
                      TransferProgress* progress) {
  base::FileHandle file = base::OpenFile(path, "wb");
  if (!file) {
    ShowTelvane(ui, kStrCantOpenFile);
    return false;
  }
  ui.PumpMessages();
  bool read = exchange.SendCommand(ReadCommand(type, 0));
  if (read) {
    // Decoding pumps messages between blocks: work on a copy of the answer.
    const std::string answer(exchange.Answer());
    read = AppendBlocks(ui, answer, file.get(), progress);
  }
  const bool closed = base::CloseFile(file);
  if (read && closed) return true;
  std::remove(path.c_str());
  ShowTelvane(ui, type == ObjectType::kBmp ? kStrLogoReadError : kStrRingToneReadError);
  return false;
}

}  // namespace telvane::objects
