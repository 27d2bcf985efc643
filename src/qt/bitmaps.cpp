#include "qt/bitmaps.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace telvane::qt {
namespace {

const QColor kOutline(40, 40, 40);
const QColor kLevel(30, 140, 60);
const QColor kEmpty(210, 210, 210);

// A handset seen from the front in a square of `size` pixels.
void PaintPhone(QPainter& painter, int size) {
  const qreal unit = size / 32.0;
  painter.setPen(QPen(kOutline, std::max<qreal>(1.0, unit)));
  painter.setBrush(QColor(70, 80, 95));
  painter.drawRoundedRect(QRectF(8 * unit, 1 * unit, 16 * unit, 30 * unit), 3 * unit, 3 * unit);
  painter.setBrush(QColor(170, 210, 160));  // display
  painter.drawRect(QRectF(10.5 * unit, 4 * unit, 11 * unit, 9 * unit));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(225, 225, 225));  // keypad
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 3; ++column) {
      painter.drawEllipse(
          QRectF((11 + column * 4) * unit, (16 + row * 3.5) * unit, 2.4 * unit, 2.4 * unit));
    }
  }
}

QPixmap Blank(int width, int height) {
  QPixmap pixmap(width, height);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

QPixmap ProgramIconPixmap(int size) {
  QPixmap pixmap = Blank(size, size);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  PaintPhone(painter, size);
  return pixmap;
}

QPixmap AboutPicture() {
  QPixmap pixmap = Blank(96, 64);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  PaintPhone(painter, 64);
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(14);
  painter.setFont(font);
  painter.setPen(kOutline);
  painter.drawText(QRect(44, 0, 52, 64), Qt::AlignCenter, QStringLiteral("OK"));
  return pixmap;
}

// A battery outline with `bars` of four level bars filled.
QPixmap Battery(int bars) {
  QPixmap pixmap = Blank(32, 16);
  QPainter painter(&pixmap);
  painter.setPen(QPen(kOutline, 1));
  painter.setBrush(Qt::white);
  painter.drawRect(1, 2, 26, 11);
  painter.setBrush(kOutline);
  painter.drawRect(27, 5, 3, 5);  // terminal
  painter.setPen(Qt::NoPen);
  for (int bar = 0; bar < 4; ++bar) {
    painter.setBrush(bar < bars ? kLevel : kEmpty);
    painter.drawRect(3 + bar * 6, 4, 5, 8);
  }
  return pixmap;
}

// Four bars rising to the right, `bars` of them filled.
QPixmap Reception(int bars) {
  QPixmap pixmap = Blank(32, 16);
  QPainter painter(&pixmap);
  painter.setPen(QPen(kOutline, 1));
  for (int bar = 0; bar < 4; ++bar) {
    const int height = 4 + bar * 3;
    painter.setBrush(bar < bars ? kLevel : kEmpty);
    painter.drawRect(4 + bar * 7, 15 - height, 5, height);
  }
  return pixmap;
}

// The tone preview's buttons: a play triangle and a stop square.
QPixmap PlaySymbol(bool play) {
  QPixmap pixmap = Blank(16, 16);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kOutline);
  if (play) {
    const QPointF triangle[3] = {{4, 2}, {13, 8}, {4, 14}};
    painter.drawPolygon(triangle, 3);
  } else {
    painter.drawRect(4, 4, 8, 8);
  }
  return pixmap;
}

}  // namespace

bool IsKnownBitmap(int bitmapId) {
  return bitmapId == kBitmapAbout || bitmapId == kBitmapProgramIcon || bitmapId == kBitmapPlay ||
         bitmapId == kBitmapStop ||
         (bitmapId >= kBitmapBatteryEmpty && bitmapId <= kBitmapBatteryFull) ||
         (bitmapId >= kBitmapReceptionNone && bitmapId <= kBitmapReceptionFull);
}

QPixmap DrawBitmap(int bitmapId) {
  if (bitmapId == kBitmapAbout) return AboutPicture();
  if (bitmapId == kBitmapProgramIcon) return ProgramIconPixmap(32);
  if (bitmapId == kBitmapPlay || bitmapId == kBitmapStop)
    return PlaySymbol(bitmapId == kBitmapPlay);
  if (bitmapId >= kBitmapBatteryEmpty && bitmapId <= kBitmapBatteryFull) {
    return Battery(bitmapId - kBitmapBatteryEmpty);
  }
  if (bitmapId >= kBitmapReceptionNone && bitmapId <= kBitmapReceptionFull) {
    return Reception(bitmapId - kBitmapReceptionNone);
  }
  return {};
}

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 64}) icon.addPixmap(ProgramIconPixmap(size));
  return icon;
}

}  // namespace telvane::qt
