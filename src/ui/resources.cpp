#include "ui/resources.h"

#include <algorithm>

#include "ui/embedded_resource_files.h"

namespace telvane::ui {
namespace {

constexpr int kEnglish = 9;

template <typename Item>
const Item* Lookup(const std::map<int, ResourceSet>& sets, int languageId, int id,
                   std::map<int, Item> ResourceSet::*table) {
  for (const int language : {languageId, kEnglish}) {
    const auto set = sets.find(language);
    if (set == sets.end()) continue;
    const auto& items = set->second.*table;
    const auto item = items.find(id);
    if (item != items.end()) return &item->second;
  }
  return nullptr;
}

Resources LoadEmbedded() {
  std::map<int, ResourceSet> sets;
  for (const EmbeddedResourceFile& file : EmbeddedResourceFiles()) {
    ParseResourceText(file.text, file.name, sets[file.languageId]);
  }
  Resources resources;
  for (auto& [language, set] : sets) resources.Add(language, std::move(set));
  return resources;
}

}  // namespace

bool ControlTemplate::HasStyle(std::string_view style) const {
  return std::find(styles.begin(), styles.end(), style) != styles.end();
}

const ControlTemplate* DialogTemplate::Find(int controlId) const {
  if (controlId == -1) return nullptr;
  const auto found = std::find_if(controls.begin(), controls.end(),
                                  [&](const ControlTemplate& c) { return c.id == controlId; });
  return found == controls.end() ? nullptr : &*found;
}

void Resources::Add(int languageId, ResourceSet set) {
  ResourceSet& target = sets_[languageId];
  // Items added later replace those of the same id.
  for (auto& [id, dialog] : set.dialogs) target.dialogs.insert_or_assign(id, std::move(dialog));
  for (auto& [id, menu] : set.menus) target.menus.insert_or_assign(id, std::move(menu));
  for (auto& [id, text] : set.strings) target.strings.insert_or_assign(id, std::move(text));
}

const DialogTemplate* Resources::Dialog(int templateId, int languageId) const {
  return Lookup(sets_, languageId, templateId, &ResourceSet::dialogs);
}

const MenuTemplate* Resources::Menu(int menuId, int languageId) const {
  return Lookup(sets_, languageId, menuId, &ResourceSet::menus);
}

std::string Resources::String(int stringId, int languageId) const {
  const std::string* text = Lookup(sets_, languageId, stringId, &ResourceSet::strings);
  return text ? *text : std::string();
}

const ResourceSet* Resources::Language(int languageId) const {
  const auto set = sets_.find(languageId);
  return set == sets_.end() ? nullptr : &set->second;
}

const Resources& Resources::Embedded() {
  static const Resources embedded = LoadEmbedded();
  return embedded;
}

}  // namespace telvane::ui
