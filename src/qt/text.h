// Conversion at the Qt boundary: the program's text is ISO 8859-1 bytes, file names are
// bytes in the file system's encoding.
#pragma once

#include <QFile>
#include <QString>
#include <string>
#include <string_view>

namespace telvane::qt {

inline QString ToQt(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQt(const QString& text) { return text.toLatin1().toStdString(); }

inline QString PathToQt(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

inline std::string PathFromQt(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace telvane::qt
