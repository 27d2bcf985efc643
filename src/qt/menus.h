// Menus from menu templates: a menu bar for a dialog, a pop-up menu for a list.
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <functional>
#include <map>

#include "ui/resources.h"

namespace telvane::qt {

// Command id -> the actions that run it (one command may appear more than once).
using CommandActions = std::multimap<int, QAction*>;
using CommandSink = std::function<void(int commandId)>;

// Fills `menu` with `items` (pop-ups become submenus); every action is recorded in
// `actions` and reports its command to `sink`.
void FillMenu(QMenu& menu, const std::vector<ui::MenuItem>& items, CommandActions& actions,
              const CommandSink& sink, QObject& context);

QMenuBar* BuildMenuBar(const ui::MenuTemplate& menu, QWidget& parent, CommandActions& actions,
                       const CommandSink& sink, QObject& context);

}  // namespace telvane::qt
