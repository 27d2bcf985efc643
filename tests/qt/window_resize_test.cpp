// List windows grow with their frame; dialogs keep their size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <functional>

#include "app/window_size_memory.h"
#include "config/locale_info.h"
#include "config/profile_file.h"
#include "qt/qt_dialog.h"
#include "qt/qt_ui.h"
#include "support/temp_dir.h"
#include "templates.h"

namespace telvane::qt {
namespace {

constexpr int kPhonebook = 105;
constexpr int kBookList = 1026;
constexpr int kRedbookList = 1031;
constexpr int kProgress = 1220;
constexpr int kOptions = 103;

QRect Place(const QtDialog& dialog, int id) { return dialog.ControlWidget(id)->geometry(); }

// The screen's free area: no window opens larger.
QSize Screen() { return QGuiApplication::primaryScreen()->availableGeometry().size(); }

TEST(WindowResize, PhonebookGivesItsBookListTheExtraRoom) {
  const ui::Resources& resources = ui::Resources::Embedded();
  test::Recorder handler;
  QtDialog dialog(*resources.Dialog(kPhonebook, config::kLangEnglish), nullptr, handler,
                  {&resources, config::kLangEnglish});
  QDialog& window = dialog.Window();
  window.show();
  const QSize base = window.size();
  const QRect book = Place(dialog, kBookList);
  const QRect redbook = Place(dialog, kRedbookList);
  const QRect progress = Place(dialog, kProgress);

  window.resize(base * 1.5);
  const QSize extra = window.size() - base;
  ASSERT_EQ(extra, base * 1.5 - base);
  EXPECT_EQ(Place(dialog, kBookList), book.adjusted(0, 0, extra.width(), extra.height()));
  // Right of the list: keeps its distance to the right edge; below: to the bottom edge.
  EXPECT_EQ(Place(dialog, kRedbookList), redbook.translated(extra.width(), 0));
  EXPECT_EQ(Place(dialog, kProgress),
            progress.adjusted(0, 0, extra.width(), 0).translated(0, extra.height()));

  // Never smaller than the template.
  window.resize(base / 2);
  EXPECT_EQ(window.size(), base);
  EXPECT_EQ(Place(dialog, kBookList), book);
}

TEST(WindowResize, DialogsKeepTheirSize) {
  const ui::Resources& resources = ui::Resources::Embedded();
  test::Recorder handler;
  QtDialog dialog(*resources.Dialog(kOptions, config::kLangEnglish), nullptr, handler,
                  {&resources, config::kLangEnglish});
  EXPECT_EQ(dialog.Window().minimumSize(), dialog.Window().maximumSize());
}

}  // namespace
}  // namespace telvane::qt

namespace telvane::qt {
namespace {

TEST(WindowResize, TheNextOpeningHasTheSizeTheUserLeft) {
  QtUi ui(ui::Resources::Embedded(), config::kLangEnglish);
  QSize opened;
  QSize reopened;
  test::Recorder first;
  first.init = [&](ui::Dialog& dialog) {
    QDialog& window = static_cast<QtDialog&>(dialog).Window();
    opened = window.size();
    window.resize((opened * 1.5).boundedTo(Screen()));
    dialog.End(1);
  };
  ui.RunModal(kPhonebook, first, nullptr);
  test::Recorder second;
  second.init = [&](ui::Dialog& dialog) {
    reopened = static_cast<QtDialog&>(dialog).Window().size();
    dialog.End(1);
  };
  ui.RunModal(kPhonebook, second, nullptr);
  EXPECT_GT(reopened.width(), opened.width());
  EXPECT_EQ(reopened, (opened * 1.5).boundedTo(Screen()));
}

// The size is kept in the settings file: a new run opens the window as the last one left
// it; a damaged value is ignored and the window opens in its template size.
TEST(WindowResize, TheSizeIsKeptInTheSettingsForTheNextRun) {
  telvane::testing::TempDir folder;
  config::ProfileFile profile(folder.Path() / "Telvane.ini", "Telvane");
  auto openPhonebook = [&profile](const std::function<void(QDialog&)>& step) {
    QtUi ui(ui::Resources::Embedded(), config::kLangEnglish);
    app::SettingsWindowSizes sizes(profile);
    ui.SetWindowSizeStore(&sizes);
    test::Recorder handler;
    handler.init = [&](ui::Dialog& dialog) {
      step(static_cast<QtDialog&>(dialog).Window());
      dialog.End(1);
    };
    ui.RunModal(kPhonebook, handler, nullptr);
  };
  // 1.5 times the template's size, as far as the screen's free area allows.
  const QSize screen = Screen();
  QSize base;
  QSize grown;
  openPhonebook([&](QDialog& window) {
    base = window.size();
    grown = (base * 1.5).boundedTo(screen);
    window.resize(grown);
  });
  ASSERT_GT(grown.width(), base.width());
  EXPECT_EQ(profile.GetString("PBSize", ""),
            std::to_string(grown.width()) + "," + std::to_string(grown.height()));
  QSize reopened;
  openPhonebook([&](QDialog& window) { reopened = window.size(); });
  EXPECT_EQ(reopened, grown);

  // Larger than the screen: cut to it.
  profile.Write("PBSize", "16000,16000");
  openPhonebook([&](QDialog& window) { reopened = window.size(); });
  EXPECT_EQ(reopened, screen.expandedTo(base));

  profile.Write("PBSize", "12,x");
  openPhonebook([&](QDialog& window) { reopened = window.size(); });
  EXPECT_EQ(reopened, base);
  // Smaller than the template: the template's size.
  profile.Write("PBSize", "10,10");
  openPhonebook([&](QDialog& window) { reopened = window.size(); });
  EXPECT_EQ(reopened, base);
}

}  // namespace
}  // namespace telvane::qt
