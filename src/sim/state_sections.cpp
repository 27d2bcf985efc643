#include "sim/state_sections.h"

#include <set>
#include <stdexcept>

#include "gsm/hex.h"
#include "gsm/latin1_text.h"
#include "sim/text_encoding.h"

namespace telvane::sim {
namespace {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

constexpr std::size_t kMaxUssdAnswers = 100;

[[noreturn]] void Fail(const std::string& path, const std::string& problem) {
  throw std::runtime_error(path + " " + problem);
}

void RequireObject(const Json& value, const std::string& path) {
  if (!value.is_object()) {
    Fail(path, "must be an object");
  }
}

const Json& RequireList(const Json& value, const std::string& path) {
  if (!value.is_array()) {
    Fail(path, "must be a list");
  }
  return value;
}

int IntAt(const Json& object, const char* key, const std::string& path,
          std::optional<int> fallback = std::nullopt) {
  const auto it = object.find(key);
  if (it == object.end()) {
    if (!fallback) {
      Fail(path + "." + key, "is missing");
    }
    return *fallback;
  }
  if (!it->is_number_integer() || *it < -1000000 || *it > 1000000) {
    Fail(path + "." + key, "must be a whole number");
  }
  return it->get<int>();
}

std::optional<std::string> StringAt(const Json& object, const char* key, const std::string& path) {
  const auto it = object.find(key);
  if (it == object.end()) {
    return std::nullopt;
  }
  if (!it->is_string()) {
    Fail(path + "." + key, "must be a string");
  }
  return it->get<std::string>();
}

BookEntry ReadEntry(const Json& item, const std::string& path) {
  RequireObject(item, path);
  const auto number = StringAt(item, "number", path);
  if (!number) {
    Fail(path + ".number", "is missing");
  }
  BookEntry entry;
  entry.type = IntAt(item, "type", path, NumberType(*number));
  if (entry.type != 129 && entry.type != 145 && entry.type != 161) {
    Fail(path + ".type", "must be 129, 145 or 161");
  }
  const auto normal = NormaliseNumber(*number, entry.type);
  if (!normal) {
    Fail(path + ".number", "must be at most 40 digits, *, #, p or w, with an optional +");
  }
  entry.number = *normal;
  entry.type = NumberType(entry.number);
  const auto gsmName = Utf8ToGsm(StringAt(item, "name", path).value_or(""));
  if (!gsmName || gsmName->size() > kMaxNameLength ||
      gsmName->find_first_of("\r\n\"") != std::string::npos) {
    Fail(path + ".name", "must be at most 16 characters of the GSM alphabet, without quotes");
  }
  entry.name = *gsmName;
  return entry;
}

}  // namespace

void ReadPhoneBooks(const Json* section, PhoneBooks& out) {
  if (section == nullptr) {
    return;
  }
  RequireObject(*section, "phonebooks");
  for (const auto& [code, list] : section->items()) {
    const std::string bookPath = "phonebooks." + code;
    PhoneBook* book = out.Find(code);
    if (book == nullptr) {
      Fail(bookPath, "is not one of SM, FD, ON, LD, MC, RC");
    }
    book->entries.clear();
    const Json& entries = RequireList(list, bookPath);
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const std::string path = bookPath + "[" + std::to_string(i) + "]";
      RequireObject(entries[i], path);
      const int position = IntAt(entries[i], "position", path);
      if (position < 1 || position > book->capacity) {
        Fail(path + ".position",
             std::to_string(position) + " is outside 1-" + std::to_string(book->capacity));
      }
      if (!book->entries.emplace(position, ReadEntry(entries[i], path)).second) {
        Fail(path + ".position", std::to_string(position) + " is used twice");
      }
    }
  }
}

void ReadObjects(const Json* section, ObjectStore& out) {
  if (section == nullptr) {
    return;
  }
  RequireObject(*section, "objects");
  out.clear();
  for (const auto& [typeName, list] : section->items()) {
    const std::string typePath = "objects." + typeName;
    const ObjectType* type = FindObjectType(typeName);
    if (type == nullptr || type->name != typeName) {
      Fail(typePath, "is not one of bmp, mid, vcf, vcs");
    }
    auto& ofType = out[typeName];
    const Json& objects = RequireList(list, typePath);
    for (std::size_t i = 0; i < objects.size(); ++i) {
      const std::string path = typePath + "[" + std::to_string(i) + "]";
      RequireObject(objects[i], path);
      const int index = IntAt(objects[i], "index", path);
      if (index < 0 || index > type->lastIndex) {
        Fail(path + ".index",
             std::to_string(index) + " is outside 0-" + std::to_string(type->lastIndex));
      }
      const auto text = StringAt(objects[i], "text", path);
      const auto hex = StringAt(objects[i], "hex", path);
      std::optional<std::string> bytes;
      if (text && !hex) {
        bytes = gsm::Utf8ToLatin1Exact(*text);
        if (!bytes) {
          Fail(path + ".text", "must hold only characters up to U+00FF");
        }
      } else if (hex && !text) {
        if (hex->size() % 2 != 0 || gsm::HexPrefixLength(*hex) != hex->size()) {
          Fail(path + ".hex", "must be pairs of hex digits");
        }
        bytes = gsm::FromHex(*hex);
      } else {
        Fail(path, "must have either \"text\" or \"hex\"");
      }
      if (bytes->empty() || bytes->size() > kMaxObjectBytes) {
        Fail(path, "must hold 1 to " + std::to_string(kMaxObjectBytes) + " bytes");
      }
      if (!ofType.emplace(index, std::move(*bytes)).second) {
        Fail(path + ".index", std::to_string(index) + " is used twice");
      }
    }
  }
}

void ReadCalls(const Json* section, std::string& dialResult) {
  if (section == nullptr) {
    return;
  }
  RequireObject(*section, "calls");
  if (const auto value = StringAt(*section, "dialResult", "calls")) {
    if (*value != "OK" && *value != "NO CARRIER" && *value != "BUSY" && *value != "NO DIALTONE") {
      Fail("calls.dialResult", "must be OK, NO CARRIER, BUSY or NO DIALTONE");
    }
    dialResult = *value;
  }
}

void ReadUssd(const Json* section, std::map<std::string, std::string>& out) {
  if (section == nullptr) {
    return;
  }
  RequireObject(*section, "ussd");
  if (section->size() > kMaxUssdAnswers) {
    Fail("ussd", "holds more than " + std::to_string(kMaxUssdAnswers) + " answers");
  }
  out.clear();
  for (const auto& [code, text] : section->items()) {
    const std::string path = "ussd." + code;
    if (code.empty() || code.size() > 40 || code.find_first_not_of("0123456789*#+") != code.npos) {
      Fail(path, "must be a code of 1-40 characters 0-9 * # +");
    }
    const auto codes = text.is_string() ? Utf8ToGsm(text.get<std::string>()) : std::nullopt;
    if (!codes || codes->empty() || codes->size() > 160 || codes->find('"') != codes->npos ||
        codes->find_first_of("\r\n") != codes->npos) {
      Fail(path, "must be 1-160 characters of the GSM alphabet without \" or line breaks");
    }
    out[code] = *codes;
  }
}

OrderedJson UssdJson(const std::map<std::string, std::string>& answers) {
  OrderedJson root = OrderedJson::object();
  for (const auto& [code, text] : answers) {
    root[code] = GsmToUtf8(text);
  }
  return root;
}

OrderedJson PhoneBooksJson(const PhoneBooks& books) {
  OrderedJson root = OrderedJson::object();
  for (std::string_view code : kStoredBookCodes) {
    OrderedJson list = OrderedJson::array();
    for (const auto& [position, entry] : books.Find(code)->entries) {
      list.push_back({{"position", position},
                      {"number", entry.number},
                      {"type", entry.type},
                      {"name", GsmToUtf8(entry.name)}});
    }
    root[std::string(code)] = std::move(list);
  }
  return root;
}

OrderedJson ObjectsJson(const ObjectStore& objects) {
  OrderedJson root = OrderedJson::object();
  for (const ObjectType& type : kObjectTypes) {
    OrderedJson list = OrderedJson::array();
    if (const auto it = objects.find(type.name); it != objects.end()) {
      const bool text = type.name == "vcf" || type.name == "vcs";
      for (const auto& [index, bytes] : it->second) {
        list.push_back(
            {{"index", index},
             {text ? "text" : "hex", text ? gsm::Latin1ToUtf8(bytes) : gsm::ToHex(bytes)}});
      }
    }
    root[std::string(type.name)] = std::move(list);
  }
  return root;
}

}  // namespace telvane::sim
