// Every text in every language: the program's own tables, and Qt's own dialogs.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QPushButton>

#include "config/locale_info.h"
#include "modal_stepper.h"
#include "qt/qt_ui.h"
#include "ui/resources.h"

namespace telvane::qt {
namespace {

constexpr int kLanguages[] = {config::kLangGerman,    config::kLangSpanish, config::kLangFrench,
                              config::kLangItalian,   config::kLangDutch,   config::kLangNorwegian,
                              config::kLangPortuguese};

// The About box is one version for every language; the address dialog has English and
// German versions only.
bool GivenOnce(int dialogId, int language) {
  return dialogId == 104 || (dialogId == 163 && language != config::kLangGerman);
}

void ExpectSameMenu(const std::vector<ui::MenuItem>& english,
                    const std::vector<ui::MenuItem>& other, const std::string& where) {
  ASSERT_EQ(english.size(), other.size()) << where;
  for (size_t i = 0; i < english.size(); ++i) {
    const std::string item = where + " item " + std::to_string(i);
    EXPECT_EQ(english[i].command, other[i].command) << item;
    EXPECT_EQ(english[i].text.empty(), other[i].text.empty()) << item;
    ExpectSameMenu(english[i].children, other[i].children, item);
  }
}

TEST(Translations, EveryStringControlAndMenuExistsInEveryLanguage) {
  const ui::Resources& resources = ui::Resources::Embedded();
  const ui::ResourceSet* english = resources.Language(config::kLangEnglish);
  ASSERT_NE(english, nullptr);
  for (const int language : kLanguages) {
    SCOPED_TRACE("language " + std::to_string(language));
    const ui::ResourceSet* set = resources.Language(language);
    ASSERT_NE(set, nullptr);
    for (const auto& [id, text] : english->strings) {
      const auto found = set->strings.find(id);
      EXPECT_TRUE(found != set->strings.end() && found->second.empty() == text.empty())
          << "string " << id;
    }
    for (const auto& [id, dialog] : english->dialogs) {
      const auto found = set->dialogs.find(id);
      if (found == set->dialogs.end() && !GivenOnce(id, language)) {
        ADD_FAILURE() << "dialog " << id;
        continue;
      }
      if (found == set->dialogs.end()) continue;
      EXPECT_EQ(dialog.caption.empty(), found->second.caption.empty()) << "dialog " << id;
      const auto& controls = found->second.controls;
      ASSERT_EQ(dialog.controls.size(), controls.size()) << "dialog " << id;
      for (size_t i = 0; i < controls.size(); ++i) {
        EXPECT_EQ(dialog.controls[i].id, controls[i].id) << "dialog " << id << " control " << i;
        EXPECT_EQ(dialog.controls[i].kind, controls[i].kind) << "dialog " << id << " control " << i;
        EXPECT_EQ(dialog.controls[i].text.empty(), controls[i].text.empty())
            << "dialog " << id << " control " << controls[i].id;
      }
    }
    for (const auto& [id, menu] : english->menus) {
      const auto found = set->menus.find(id);
      if (found == set->menus.end()) {
        ADD_FAILURE() << "menu " << id;
        continue;
      }
      ExpectSameMenu(menu.items, found->second.items, "menu " + std::to_string(id));
    }
  }
}

TEST(Translations, GermanFileDialogButtonsAreGerman) {
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!QFile::exists(folder + QStringLiteral("/qtbase_de.qm"))) {
    GTEST_SKIP() << "Qt's German translation is not installed (qt6-translations-l10n)";
  }
  QtUi ui(ui::Resources::Embedded(), config::kLangGerman);
  QString accept;
  QString cancel;
  telvane::testing::Stepper stepper([&](QWidget* top) {
    auto* dialog = qobject_cast<QFileDialog*>(top);
    if (dialog == nullptr) return false;
    auto* box = dialog->findChild<QDialogButtonBox*>();
    if (box == nullptr) return false;
    for (QAbstractButton* button : box->buttons()) {
      (box->buttonRole(button) == QDialogButtonBox::AcceptRole ? accept : cancel) = button->text();
    }
    dialog->reject();
    return true;
  });
  ui::FileRequest request;
  request.mustExist = true;
  EXPECT_FALSE(ui.ChooseFile(request).has_value());
  EXPECT_EQ(accept, QStringLiteral("&Öffnen"));
  EXPECT_EQ(cancel, QStringLiteral("Abbrechen"));
}

}  // namespace
}  // namespace telvane::qt
