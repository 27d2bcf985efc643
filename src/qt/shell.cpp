// The shell's "open" and the help file.
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "qt/qt_ui.h"
#include "qt/text.h"

namespace telvane::qt {
namespace {

// Web and mail addresses go to the shell as they are; everything else is a file.
QUrl ShellUrl(const std::string& target) {
  const QString text = PathToQt(target);
  const QUrl url(text, QUrl::StrictMode);
  const QString scheme = url.scheme().toLower();
  if (scheme == QLatin1String("mailto") || scheme == QLatin1String("http") ||
      scheme == QLatin1String("https") || scheme == QLatin1String("ftp") ||
      scheme == QLatin1String("file")) {
    return url;
  }
  if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive)) {
    return QUrl(QStringLiteral("http://") + text);
  }
  return QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());
}

// The help file: as given when it names an existing file, else in the program's share
// folder, else beside the program.
QString FindHelpFile(const std::string& helpFile) {
  const QString name = PathToQt(helpFile);
  if (QFileInfo(name).isAbsolute()) return QFileInfo(name).isFile() ? name : QString();
  const QDir programDir(QCoreApplication::applicationDirPath());
  const QStringList candidates = {
      programDir.filePath(QStringLiteral("../share/telvane/") + name),
      programDir.filePath(QStringLiteral("../share/doc/telvane/") + name),
      programDir.filePath(name),
  };
  for (const QString& candidate : candidates) {
    if (QFileInfo(candidate).isFile()) return QFileInfo(candidate).canonicalFilePath();
  }
  return {};
}

}  // namespace

void QtUi::OpenWithShell(const std::string& target) {
  if (target.empty()) return;
  QDesktopServices::openUrl(ShellUrl(target));
}

bool QtUi::OpenHelp(const std::string& helpFile) {
  const QString path = FindHelpFile(helpFile);
  return !path.isEmpty() && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace telvane::qt
