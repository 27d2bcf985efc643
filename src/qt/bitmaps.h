// The program's bitmaps, drawn rather than stored: the program icon (114), the About
// picture (113), play and stop (157, 162), the battery levels (127..131) and the reception levels
// (132..136).
#pragma once

#include <QIcon>
#include <QPixmap>

namespace telvane::qt {

inline constexpr int kBitmapAbout = 113;
inline constexpr int kBitmapProgramIcon = 114;
inline constexpr int kBitmapPlay = 157;
inline constexpr int kBitmapStop = 162;
inline constexpr int kBitmapBatteryEmpty = 127;
inline constexpr int kBitmapBatteryFull = 131;
inline constexpr int kBitmapReceptionNone = 132;
inline constexpr int kBitmapReceptionFull = 136;

bool IsKnownBitmap(int bitmapId);
// A null pixmap for an unknown id.
QPixmap DrawBitmap(int bitmapId);
QIcon ProgramIcon();

}  // namespace telvane::qt
