#include "qt/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStringList>

#include "config/locale_info.h"

namespace telvane::qt {
namespace {

// The file names to try per language, best first: Qt ships Nynorsk rather than Bokmål and
// Brazilian rather than European Portuguese, which beat English for those users.
QStringList Candidates(int languageId) {
  switch (languageId) {
    case config::kLangGerman: return {QStringLiteral("de")};
    case config::kLangSpanish: return {QStringLiteral("es")};
    case config::kLangFrench: return {QStringLiteral("fr")};
    case config::kLangItalian: return {QStringLiteral("it")};
    case config::kLangDutch: return {QStringLiteral("nl")};
    case config::kLangNorwegian:
      return {QStringLiteral("nb"), QStringLiteral("no"), QStringLiteral("nn")};
    case config::kLangPortuguese:
      return {QStringLiteral("pt"), QStringLiteral("pt_PT"), QStringLiteral("pt_BR")};
    default: return {};
  }
}

class RemovingTranslator final : public QTranslator {
 public:
  ~RemovingTranslator() override { QCoreApplication::removeTranslator(this); }
};

}  // namespace

std::unique_ptr<QTranslator> InstallQtTranslations(int languageId) {
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  for (const QString& name : Candidates(languageId)) {
    auto translator = std::make_unique<RemovingTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + name, folder)) continue;
    QCoreApplication::installTranslator(translator.get());
    return translator;
  }
  return nullptr;
}

}  // namespace telvane::qt
