// Dialog units to pixels: a horizontal unit is a quarter of the dialog font's average
// character width, a vertical unit an eighth of its height; both stretched when the texts
// of a dialog need more room in the font actually used.
#pragma once

#include <QFont>
#include <QRect>

namespace telvane::ui {
struct DialogTemplate;
}

namespace telvane::qt {

class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);

  int X(int units) const;
  int Y(int units) const;
  QRect ToPixels(int x, int y, int width, int height) const;

  // Stretches the units so that `needs` pixels fit where `has` pixels were given before
  // any stretch (per direction, never shrinking, at most kMostStretch times).
  void StretchToFit(QSize needs, QSize has);
  static constexpr double kMostStretch = 1.5;

  int AverageCharWidth() const { return charWidth_; }
  int CharHeight() const { return charHeight_; }

 private:
  int charWidth_;
  int charHeight_;
  double xStretch_ = 1.0;
  double yStretch_ = 1.0;
};

// The font a template asks for, on this system: its point size plus one (the templates'
// font sizes read small on a Linux desktop) in the application's default family.
QFont DialogFont(const ui::DialogTemplate& dialogTemplate);

}  // namespace telvane::qt
