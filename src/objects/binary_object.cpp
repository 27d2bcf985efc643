#include "objects/binary_object.h"

#include <algorithm>

#include "link/answer_reader.h"
#include "objects/block_writer.h"
#include "objects/hex_block.h"
#include "objects/windows/transfer_progress.h"
#include "ui/ui.h"

namespace telvane::objects {

namespace {

constexpr std::string_view kWriteCommand = "AT^SBNW=";
constexpr std::string_view kReadCommand = "AT^SBNR=";

std::string Quoted(ObjectType type) { return "\"" + std::string(ObjectTypeName(type)) + "\""; }

struct RuleTraits {
  int stringId;
  ui::Caption caption;
  bool goOnAfterRefusedData;
};

RuleTraits TraitsOf(WriteFailureRule rule) {
  switch (rule) {
    case WriteFailureRule::kAddressEntry: return {49, ui::Caption::TelvaneError, false};
    case WriteFailureRule::kAddressImport: return {33, ui::Caption::TelvaneError, false};
    case WriteFailureRule::kOrganizer: return {33, ui::Caption::TelvaneError, true};
    case WriteFailureRule::kRingTone: return {35, ui::Caption::Telvane, false};
    case WriteFailureRule::kLogo: return {41, ui::Caption::Telvane, false};
  }
  return {33, ui::Caption::TelvaneError, false};
}

void ShowRefusal(ui::Ui& ui, const RuleTraits& traits) {
  ui::ShowStringMessage(ui, traits.stringId, traits.caption, ui::Buttons::Ok,
                        traits.caption == ui::Caption::TelvaneError ? ui::Icon::Stop : ui::Icon::Warning);
}

}  // namespace

std::string_view ObjectTypeName(ObjectType type) {
  switch (type) {
    case ObjectType::kVcf: return "vcf";
    case ObjectType::kVcs: return "vcs";
    case ObjectType::kBmp: return "bmp";
    case ObjectType::kMid: return "mid";
  }
  return "vcf";
}

std::size_t BlockSize(ObjectType type) { return type == ObjectType::kBmp ? 50 : 100; }

int BlockCount(std::size_t length, std::size_t blockSize) {
  return static_cast<int>(length / blockSize + (length % blockSize != 0 ? 1 : 0));
}

std::string ReadCommand(ObjectType type, int index) {
  if (type == ObjectType::kBmp || type == ObjectType::kMid) {
    return std::string(kReadCommand) + std::string(ObjectTypeName(type)) + ",0";
  }
  return std::string(kReadCommand) + Quoted(type) + "," + std::to_string(index);
}

std::string EraseCommand(ObjectType type, int index) {
  return std::string(kWriteCommand) + Quoted(type) + "," + std::to_string(index) + ",0";
}

std::string BlockHeader(ObjectType type, int index, int block, int total) {
  return std::string(kWriteCommand) + Quoted(type) + "," + std::to_string(index) + "," +
         std::to_string(block) + "," + std::to_string(total);
}

bool WriteBlocks(link::Exchange& exchange, ui::Ui& ui, const BlockWrite& write, WriteFailureRule rule) {
  const RuleTraits traits = TraitsOf(rule);
  const std::size_t blockSize = BlockSize(write.type);
  const int total = BlockCount(write.length, blockSize);
  if (rule == WriteFailureRule::kOrganizer) {
    exchange.SendCommand(std::string(kWriteCommand) + Quoted(ObjectType::kVcs) + ",0");
  }
  bool allAccepted = true;
  std::string bytes;
  for (int block = 1; block <= total; ++block) {
    if (!write.read(blockSize, bytes)) return false;
    if (bytes.empty()) break;
    if (write.progress != nullptr) write.progress->Update(TransferPercent(block, total));
    ui.PumpMessages();
    if (!exchange.SendPromptCommand(BlockHeader(write.type, write.index, block, total), false)) {
      ShowRefusal(ui, traits);
      return false;
    }
    const auto line = BuildDataLine(bytes);
    if (!line || !exchange.SendPromptCommand(*line, true)) {
      ShowRefusal(ui, traits);
      allAccepted = false;
      if (!traits.goOnAfterRefusedData) return false;
    }
  }
  return allAccepted;
}

bool WriteObjectText(link::Exchange& exchange, ui::Ui& ui, ObjectType type, int index,
                     std::string_view text, WriteFailureRule rule) {
  BlockWrite write;
  write.type = type;
  write.index = index;
  write.length = text.size();
  write.read = [&text](std::size_t count, std::string& bytes) {
    const std::size_t taken = std::min(count, text.size());
    bytes.assign(text.substr(0, taken));
    text.remove_prefix(taken);
    return true;
  };
  return WriteBlocks(exchange, ui, write, rule);
}

ObjectRead ReadObjectText(link::Exchange& exchange, ObjectType type, int index, std::size_t limit) {
  ObjectRead read;
  if (!exchange.SendCommand(ReadCommand(type, index))) return read;
  const std::string_view answer = exchange.Answer();
  if (!link::After(answer, "^SBNR:")) {
    read.status = ObjectRead::Status::kEmpty;
    return read;
  }
  // Blocks are joined and cut at the caller's limit; the answer buffer bounds each line.
  AnswerBlockReader reader(answer, link::kAnswerBufferSize);
  std::string block;
  for (;;) {
    const BlockDecode decoded = reader.Next(block);
    if (decoded == BlockDecode::kEnd) break;
    if (decoded != BlockDecode::kBlock) {
      read.bytes.clear();
      return read;
    }
    read.bytes.append(block, 0, limit - std::min(limit, read.bytes.size()));
  }
  read.status = ObjectRead::Status::kFound;
  return read;
}

bool EraseBinaryObject(link::Exchange& exchange, ObjectType type, int index) {
  return exchange.SendCommand(EraseCommand(type, index));
}

}  // namespace telvane::objects
