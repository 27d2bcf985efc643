#include "qt/dialog_units.h"

#include <QApplication>
#include <QFontMetrics>
#include <algorithm>

#include "ui/resources.h"

namespace telvane::qt {
namespace {

// Rounded units * numerator / denominator, as the window system scales dialog units.
int Scale(int units, int numerator, int denominator) {
  const long long product = static_cast<long long>(units) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : (product - half) / denominator);
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  // The average over the 52 letters, rounded up as the window system does it.
  const int letters = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  charWidth_ = std::max(1, (letters / 26 + 1) / 2);
  charHeight_ = std::max(1, metrics.height());
}

int DialogUnits::X(int units) const { return Scale(units, charWidth_, 4); }

int DialogUnits::Y(int units) const { return Scale(units, charHeight_, 8); }

QRect DialogUnits::ToPixels(int x, int y, int width, int height) const {
  return QRect(X(x), Y(y), X(width), Y(height));
}

QFont DialogFont(const ui::DialogTemplate& dialogTemplate) {
  QFont font = QApplication::font();
  font.setPointSize(std::max(6, dialogTemplate.fontSize + 1));
  return font;
}

}  // namespace telvane::qt
