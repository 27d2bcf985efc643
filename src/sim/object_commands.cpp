// Binary objects (address book vCards, organizer vCalendars, logos, ring tones): written in
// numbered blocks of hex text with AT^SBNW, read back the same way with AT^SBNR.
#include <algorithm>
#include <string_view>

#include "gsm/hex.h"
#include "sim/at_params.h"
#include "sim/binary_objects.h"
#include "sim/command_groups.h"

namespace telvane::sim {
namespace {

// ("bmp",(0-3)),("mid",(0-9)),("vcf",(0-500)),("vcs",(0-50))
std::string TypeRanges() {
  std::string text;
  for (const ObjectType& type : kObjectTypes) {
    text += (text.empty() ? "(\"" : ",(\"") + std::string(type.name) + "\"," +
            RangeText(0, type.lastIndex) + ")";
  }
  return text;
}

// The object type and index that every set form starts with.
struct ObjectAddress {
  const ObjectType* type = nullptr;
  int index = 0;
};

// Checks the first two parameters; a refusal is returned in `refusal`.
std::optional<ObjectAddress> ParseAddress(const std::vector<std::string_view>& parts,
                                          Reply& refusal) {
  if (parts.size() < 2) {
    refusal = Reply::Error();
    return std::nullopt;
  }
  const auto index = ParseNumber(parts[1]);
  if (!index) {
    refusal = Reply::Error();
    return std::nullopt;
  }
  const ObjectType* type = ParseObjectTypeParameter(parts[0]);
  if (type == nullptr) {
    refusal = Reply::BadParameters();
    return std::nullopt;
  }
  if (*index > type->lastIndex) {
    refusal = Reply::Cme(CmeError::kInvalidIndex);
    return std::nullopt;
  }
  return ObjectAddress{type, *index};
}

bool IsUploadOf(const std::optional<ObjectUpload>& upload, const ObjectAddress& address,
                int blocks) {
  return upload && upload->type == address.type->name && upload->index == address.index &&
         upload->blocks == blocks;
}

// The data line of block k of n: hex digits only, an even count, at most one block of bytes.
Reply AcceptBlock(CommandContext& context, ObjectAddress address, int block, int blocks,
                  std::string_view hex) {
  std::optional<ObjectUpload>& upload = context.SessionSettings().phone.upload;
  const bool wellFormed = !hex.empty() && hex.size() % 2 == 0 &&
                          gsm::HexPrefixLength(hex) == hex.size() &&
                          hex.size() / 2 <= address.type->blockSize;
  const bool inOrder =
      block == 1 || (IsUploadOf(upload, address, blocks) && upload->lastBlock == block - 1);
  if (!wellFormed || !inOrder) {
    upload.reset();
    return Reply::Error();
  }
  if (block == 1) {
    upload = ObjectUpload{std::string(address.type->name), address.index, blocks, 0, {}};
  }
  upload->bytes += gsm::FromHex(hex);
  upload->lastBlock = block;
  if (block == blocks) {
    context.State().objects[upload->type][upload->index] = std::move(upload->bytes);
    upload.reset();
    context.MarkChanged();
  }
  return Reply::Ok();
}

// AT^SBNW=<type>,<index>,<block>,<blocks> prompts for one block; AT^SBNW=<type>,<index>,0
// erases; AT^SBNW="vcs",0 prepares an organizer write.
Reply WriteObject(CommandContext& context, const CommandRequest& request) {
  if (request.form == CommandForm::kTest) {
    return Reply::Ok({"^SBNW: " + TypeRanges()});
  }
  if (request.form != CommandForm::kSet) {
    return Reply::Error();
  }
  const auto parts = SplitParameters(request.parameters);
  if (!parts || parts->size() > 4) {
    return Reply::Error();
  }
  Reply refusal;
  const auto address = ParseAddress(*parts, refusal);
  if (!address) {
    return refusal;
  }
  PhoneSession& phone = context.SessionSettings().phone;
  if (parts->size() == 2) {
    if (address->type->name != "vcs" || address->index != 0) {
      return Reply::BadParameters();
    }
    phone.upload.reset();
    return Reply::Ok();
  }
  const auto block = ParseNumber((*parts)[2]);
  if (!block) {
    return Reply::Error();
  }
  if (parts->size() == 3) {
    if (*block != 0) {
      return Reply::BadParameters();
    }
    auto& ofType = context.State().objects[std::string(address->type->name)];
    if (ofType.erase(address->index) > 0) {
      context.MarkChanged();
    }
    if (phone.upload && phone.upload->type == address->type->name &&
        phone.upload->index == address->index) {
      phone.upload.reset();
    }
    return Reply::Ok();
  }
  const auto blocks = ParseNumber((*parts)[3]);
  if (!blocks) {
    return Reply::Error();
  }
  const int maxBlocks = BlockCount(kMaxObjectBytes, address->type->blockSize);
  if (*block < 1 || *block > *blocks || *blocks > maxBlocks) {
    return Reply::BadParameters();
  }
  if (*block > 1 &&
      !(IsUploadOf(phone.upload, *address, *blocks) && phone.upload->lastBlock == *block - 1)) {
    phone.upload.reset();
    return Reply::Cme(CmeError::kOperationNotAllowed);
  }
  return Reply::Prompt([address = *address, block = *block, blocks = *blocks](
                           CommandContext& blockContext, std::string_view hex) {
    return AcceptBlock(blockContext, address, block, blocks, hex);
  });
}

// AT^SBNR=<type>,<index>: per block a header ^SBNR: "vcf",7,1,2 and a line of hex; an empty
// slot answers OK alone.
Reply ReadObject(CommandContext& context, const CommandRequest& request) {
  if (request.form == CommandForm::kTest) {
    return Reply::Ok({"^SBNR: " + TypeRanges()});
  }
  if (request.form != CommandForm::kSet) {
    return Reply::Error();
  }
  const auto parts = SplitParameters(request.parameters);
  if (!parts || parts->size() != 2) {
    return Reply::Error();
  }
  Reply refusal;
  const auto address = ParseAddress(*parts, refusal);
  if (!address) {
    return refusal;
  }
  const ObjectStore& objects = context.State().objects;
  const auto ofType = objects.find(address->type->name);
  if (ofType == objects.end()) {
    return Reply::Ok();
  }
  const auto object = ofType->second.find(address->index);
  if (object == ofType->second.end()) {
    return Reply::Ok();
  }
  const auto blocks = SplitIntoBlocks(object->second, address->type->blockSize);
  const std::string head =
      "^SBNR: \"" + std::string(address->type->name) + "\"," + std::to_string(address->index) + ",";
  std::vector<std::string> lines;
  for (std::size_t k = 0; k < blocks.size(); ++k) {
    lines.push_back(head + std::to_string(k + 1) + "," + std::to_string(blocks.size()));
    lines.push_back(gsm::ToHex(blocks[k]));
  }
  return Reply::Ok(std::move(lines));
}

}  // namespace

void AddObjectCommands(CommandTable& table) {
  table.Add("^SBNW", WriteObject);
  table.Add("^SBNR", ReadObject);
}

}  // namespace telvane::sim
