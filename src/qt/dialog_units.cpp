#include "qt/dialog_units.h"

#include <QApplication>
#include <QFontMetrics>
#include <algorithm>
#include <cmath>

#include "ui/resources.h"

namespace telvane::qt {
namespace {

// Rounded units * pixels / parts, halves away from zero as the window system scales dialog
// units, then stretched.
int Scale(int units, int pixels, int parts, double stretch) {
  return static_cast<int>(std::lround(units * (pixels * stretch) / parts));
}

double Needed(int needs, int has) {
  if (needs <= has || has <= 0) return 1.0;
  // Half a pixel more, so that rounding the stretched units never falls short.
  return std::min(DialogUnits::kMostStretch, (needs + 0.5) / has);
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

int DialogUnits::X(int units) const { return Scale(units, charWidth_, 4, xStretch_); }

int DialogUnits::Y(int units) const { return Scale(units, charHeight_, 8, yStretch_); }

void DialogUnits::StretchToFit(QSize needs, QSize has) {
  xStretch_ = std::max(xStretch_, Needed(needs.width(), has.width()));
  yStretch_ = std::max(yStretch_, Needed(needs.height(), has.height()));
}

// Both edges are converted, not the origin and the size, so controls that touch in the
// template touch on screen too instead of overlapping by a rounded pixel.
QRect DialogUnits::ToPixels(int x, int y, int width, int height) const {
  return QRect(QPoint(X(x), Y(y)), QPoint(X(x + width) - 1, Y(y + height) - 1));
}

QFont DialogFont(const ui::DialogTemplate& dialogTemplate) {
  QFont font = QApplication::font();
  font.setPointSize(std::max(6, dialogTemplate.fontSize + 1));
  return font;
}

}  // namespace telvane::qt
