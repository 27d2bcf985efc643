// List windows grow with their frame; dialogs keep their size.
#include <gtest/gtest.h>

#include <QApplication>

#include "config/locale_info.h"
#include "qt/qt_dialog.h"
#include "qt/qt_ui.h"
#include "templates.h"

namespace telvane::qt {
namespace {

constexpr int kPhonebook = 105;
constexpr int kBookList = 1026;
constexpr int kRedbookList = 1031;
constexpr int kProgress = 1220;
constexpr int kOptions = 103;

QRect Place(const QtDialog& dialog, int id) { return dialog.ControlWidget(id)->geometry(); }

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
    window.resize(window.size() * 1.5);
    dialog.End(1);
  };
  ui.RunModal(kPhonebook, first, nullptr);
  test::Recorder second;
  second.init = [&](ui::Dialog& dialog) {
    reopened = static_cast<QtDialog&>(dialog).Window().size();
    dialog.End(1);
  };
  ui.RunModal(kPhonebook, second, nullptr);
  EXPECT_EQ(reopened, opened * 1.5);
}

}  // namespace
}  // namespace telvane::qt
