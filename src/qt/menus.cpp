#include "qt/menus.h"

#include "qt/text.h"

namespace telvane::qt {
namespace {

void AddItem(QMenu& menu, const ui::MenuItem& item, CommandActions& actions,
             const CommandSink& sink, QObject& context) {
  if (item.IsSeparator()) {
    menu.addSeparator();
    return;
  }
  if (!item.children.empty()) {
    QMenu* submenu = menu.addMenu(ToQt(item.text));
    submenu->setEnabled(!item.grayed);
    FillMenu(*submenu, item.children, actions, sink, context);
    return;
  }
  QAction* action = menu.addAction(ToQt(item.text));
  action->setEnabled(!item.grayed);
  action->setObjectName(QStringLiteral("command%1").arg(item.command));
  const int command = item.command;
  actions.emplace(command, action);
  QObject::connect(action, &QAction::triggered, &context, [sink, command] { sink(command); });
}

}  // namespace

void FillMenu(QMenu& menu, const std::vector<ui::MenuItem>& items, CommandActions& actions,
              const CommandSink& sink, QObject& context) {
  for (const ui::MenuItem& item : items) AddItem(menu, item, actions, sink, context);
}

QMenuBar* BuildMenuBar(const ui::MenuTemplate& menu, QWidget& parent, CommandActions& actions,
                       const CommandSink& sink, QObject& context) {
  auto* bar = new QMenuBar(&parent);
  bar->setNativeMenuBar(false);
  for (const ui::MenuItem& item : menu.items) {
    if (item.children.empty()) {
      // A command directly on the bar.
      if (item.IsSeparator()) continue;
      QAction* action = bar->addAction(ToQt(item.text));
      action->setEnabled(!item.grayed);
      action->setObjectName(QStringLiteral("command%1").arg(item.command));
      const int command = item.command;
      actions.emplace(command, action);
      QObject::connect(action, &QAction::triggered, &context, [sink, command] { sink(command); });
      continue;
    }
    QMenu* popup = bar->addMenu(ToQt(item.text));
    popup->setEnabled(!item.grayed);
    FillMenu(*popup, item.children, actions, sink, context);
  }
  return bar;
}

}  // namespace telvane::qt
