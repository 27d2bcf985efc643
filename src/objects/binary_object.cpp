#include "objects/binary_object.h"

#include <algorithm>

#include "objects/block_writer.h"
#include "objects/hex_block.h"

namespace telvane::objects {

namespace {

constexpr std::string_view kWriteCommand = "AT^SBNW=";
constexpr std::string_view kReadCommand = "AT^SBNR=";

std::string Quoted(ObjectType type) { return "\"" + std::string(ObjectTypeName(type)) + "\""; }

Outcome Refusal(FailedStep step, int block) { return Outcome{false, 0, 0, step, block}; }

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

unsigned TransferPercent(long long done, long long total) {
  if (total <= 0 || done <= 0) return 0;
  if (done >= total) return 100;
  return static_cast<unsigned>(done * 100 / total);
}

Outcome WriteBlocks(link::Exchange& exchange, TransferFeedback& feedback, const BlockWrite& write,
                    const RefusalHandler& onRefused) {
  const std::size_t blockSize = BlockSize(write.type);
  const int total = BlockCount(write.length, blockSize);
  if (write.type == ObjectType::kVcs) {
    exchange.SendCommand(std::string(kWriteCommand) + Quoted(ObjectType::kVcs) + ",0");
  }
  Outcome outcome{true};
  std::string bytes;
  for (int block = 1; block <= total; ++block) {
    // Every block but the last is whole; a source that ends early (a file cut meanwhile)
    // fails rather than leave the phone with fewer blocks than the headers announced.
    const std::size_t expected =
        block < total ? blockSize : write.length - static_cast<std::size_t>(total - 1) * blockSize;
    if (!write.read(blockSize, bytes) || bytes.size() != expected) {
      return Refusal(FailedStep::kSource, block);
    }
    feedback.ShowProgress(TransferPercent(block, total));
    feedback.Pump();
    if (!exchange.SendPromptCommand(BlockHeader(write.type, write.index, block, total), false)) {
      outcome = Refusal(FailedStep::kHeader, block);
      if (onRefused) onRefused(outcome);
      return outcome;
    }
    const auto line = BuildDataLine(bytes);
    if (!line || !exchange.SendPromptCommand(*line, true)) {
      outcome = Refusal(FailedStep::kDataLine, block);
      if (!onRefused || !onRefused(outcome)) return outcome;
    }
  }
  return outcome;
}

Outcome WriteObjectText(link::Exchange& exchange, TransferFeedback& feedback, ObjectType type,
                        int index, std::string_view text, const RefusalHandler& onRefused) {
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
  return WriteBlocks(exchange, feedback, write, onRefused);
}

ExpectedObject Expected(ObjectType type, int index) {
  return ExpectedObject{ObjectTypeName(type), index, BlockSize(type)};
}

ObjectRead ReadObjectText(link::Exchange& exchange, ObjectType type, int index, std::size_t limit) {
  ObjectRead read;
  if (!exchange.SendCommand(ReadCommand(type, index))) return read;
  const ObjectAnswer answer = DecodeObjectAnswer(exchange.Answer(), Expected(type, index));
  if (answer.status == ObjectAnswer::Status::kBroken) {
    read.status = ObjectRead::Status::kBroken;
    return read;
  }
  for (const std::string& block : answer.blocks) {
    read.bytes.append(block, 0, limit - std::min(limit, read.bytes.size()));
  }
  read.status = answer.status == ObjectAnswer::Status::kEmpty ? ObjectRead::Status::kEmpty
                                                              : ObjectRead::Status::kFound;
  return read;
}

bool EraseBinaryObject(link::Exchange& exchange, ObjectType type, int index) {
  return exchange.SendCommand(EraseCommand(type, index));
}

}  // namespace telvane::objects
