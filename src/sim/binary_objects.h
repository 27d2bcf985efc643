// The phone's binary objects: address book vCards, organizer vCalendars, the operator logo
// and own ring tones, each kept by type and index as plain bytes.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace telvane::sim {

struct ObjectType {
  std::string_view name;
  int lastIndex;          // indexes run from 0
  std::size_t blockSize;  // object bytes per AT^SBNW / AT^SBNR block
};

inline constexpr std::array<ObjectType, 4> kObjectTypes{{
    {"bmp", 3, 50},     // operator logos
    {"mid", 9, 100},    // own ring tones
    {"vcf", 500, 100},  // address book entries
    {"vcs", 50, 100},   // organizer entries
}};

// The largest object the phone stores, in bytes.
inline constexpr std::size_t kMaxObjectBytes = 16384;

// Objects by type name ("vcf") and index: the object's bytes. Empty objects are not kept.
using ObjectStore = std::map<std::string, std::map<int, std::string>, std::less<>>;

// The type named (either case), or nullptr.
const ObjectType* FindObjectType(std::string_view name);

// A type parameter as sent: "vcf" in quotes or vcf without them.
const ObjectType* ParseObjectTypeParameter(std::string_view parameter);

// The blocks an object of `length` bytes travels in: length / blockSize rounded up.
int BlockCount(std::size_t length, std::size_t blockSize);

// The object cut into blocks of the type's size.
std::vector<std::string_view> SplitIntoBlocks(std::string_view bytes, std::size_t blockSize);

}  // namespace telvane::sim
