// Every dialog template of every language, built on the offscreen platform: texts fit their
// controls, visible controls do not overlap and stay inside their dialog.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <vector>

#include "config/locale_info.h"
#include "qt/control_factory.h"
#include "qt/qt_dialog.h"
#include "templates.h"

namespace telvane::qt {
namespace {

constexpr int kAllLanguages[] = {
    config::kLangEnglish, config::kLangGerman, config::kLangSpanish,   config::kLangFrench,
    config::kLangItalian, config::kLangDutch,  config::kLangNorwegian, config::kLangPortuguese};

// The size the control's text needs, or an empty size for controls without text. A push
// button's own size hint is at least 80 pixels wide whatever its text; its text decides.
QSize TextNeeds(const QWidget& widget) {
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    if (label->text().isEmpty()) return {};
    if (!label->wordWrap()) return label->sizeHint();
    return {label->minimumSizeHint().width(), label->heightForWidth(label->width())};
  }
  if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
    return button->text().isEmpty() ? QSize() : PushButtonTextNeeds(*button);
  }
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
    return button->text().isEmpty() ? QSize() : button->sizeHint();
  }
  return {};
}

std::string Describe(const QWidget& widget) {
  QString text;
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) text = label->text();
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) text = button->text();
  if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) text = box->title();
  return (widget.objectName() + QStringLiteral(" \"") + text + QStringLiteral("\"")).toStdString();
}

// What is wrong with one built dialog, one line per fault.
std::vector<std::string> LayoutFaults(const QtDialog& dialog) {
  std::vector<std::string> faults;
  const QWidget& window = dialog.Window();
  std::vector<const QWidget*> visible;
  for (const QWidget* widget : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (widget->inherits("QMenuBar")) continue;
    const QRect client = widget->geometry();
    for (const QWidget* control : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (control->isHidden()) continue;
      visible.push_back(control);
      const QRect area = control->geometry();
      const QSize needs = TextNeeds(*control);
      if (needs.width() > area.width() || needs.height() > area.height()) {
        faults.push_back(Describe(*control) + " needs " + std::to_string(needs.width()) + "x" +
                         std::to_string(needs.height()) + ", has " + std::to_string(area.width()) +
                         "x" + std::to_string(area.height()));
      }
      if (!QRect(QPoint(0, 0), client.size()).contains(area)) {
        faults.push_back(Describe(*control) + " lies outside its dialog");
      }
    }
  }
  // Group boxes and picture frames surround other controls by design.
  auto surrounds = [](const QWidget* widget) {
    const auto* label = qobject_cast<const QLabel*>(widget);
    return qobject_cast<const QGroupBox*>(widget) != nullptr ||
           (label != nullptr && label->text().isEmpty());
  };
  // A control inside a group box stays below its title.
  for (const QWidget* widget : visible) {
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    if (box == nullptr || box->title().isEmpty()) continue;
    const int titleBottom = box->y() + box->fontMetrics().height();
    for (const QWidget* inside : visible) {
      if (inside != box && box->geometry().contains(inside->geometry()) &&
          inside->y() < titleBottom) {
        faults.push_back(Describe(*inside) + " lies on the title of " + Describe(*box));
      }
    }
  }
  for (size_t i = 0; i < visible.size(); ++i) {
    for (size_t j = i + 1; j < visible.size(); ++j) {
      if (surrounds(visible[i]) || surrounds(visible[j])) continue;
      if (visible[i]->geometry().intersects(visible[j]->geometry())) {
        faults.push_back(Describe(*visible[i]) + " overlaps " + Describe(*visible[j]));
      }
    }
  }
  return faults;
}

TEST(LayoutCheck, EveryDialogOfEveryLanguageFits) {
  const ui::Resources& resources = ui::Resources::Embedded();
  test::Recorder handler;
  for (const int language : kAllLanguages) {
    const ui::ResourceSet* set = resources.Language(language);
    ASSERT_NE(set, nullptr);
    for (const auto& [id, dialogTemplate] : set->dialogs) {
      const ui::MenuTemplate* menu =
          dialogTemplate.menuId != 0 ? resources.Menu(dialogTemplate.menuId, language) : nullptr;
      const QtDialog dialog(dialogTemplate, menu, handler, DialogContext{&resources, language});
      for (const std::string& fault : LayoutFaults(dialog)) {
        ADD_FAILURE() << "language " << language << ", dialog " << id << ": " << fault;
      }
    }
  }
}

}  // namespace
}  // namespace telvane::qt
