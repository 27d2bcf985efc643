// Qt's own texts (file and print dialogs, standard buttons) in the program's language.
#pragma once

#include <QTranslator>
#include <memory>

namespace telvane::qt {

// Loads qtbase_<language>.qm from Qt's translations folder and installs it on the
// application. nullptr when the language is English or no translation file is installed
// (Qt then speaks English). Removed from the application when the result is destroyed.
std::unique_ptr<QTranslator> InstallQtTranslations(int languageId);

}  // namespace telvane::qt
