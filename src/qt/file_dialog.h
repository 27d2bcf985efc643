// Name filters of the file dialogs in Qt's form.
#pragma once

#include <QStringList>
#include <vector>

#include "ui/ui.h"

namespace telvane::qt {

// "BMP file (*.bmp)" with "*.bmp" stays as it is; a description without the pattern
// gets it appended; ";"-separated patterns become space-separated.
QStringList NameFilters(const std::vector<ui::FileFilter>& filters);

}  // namespace telvane::qt
