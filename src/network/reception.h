// How reception and the operator are shown, both in the main window and in the net
// monitor: the bitmap chosen by signal quality, the level text, the operator line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace telvane::network {

inline constexpr int kReceptionBitmaps[] = {132, 133, 134, 135, 136};
inline constexpr int kNoBitmap = 0;
// GSM 07.07: signal quality 99 means not known or not detectable.
inline constexpr int kSignalNotKnown = 99;

// q = 100r/30: below 20 bitmap 132, below 40 133, below 60 134, below 80 135, else 136.
// No bitmap for 99 (no measurement).
int ReceptionBitmap(int signalQuality);
// "-%d dBm / %1.3f nW" with d = 113 - 2r and p = 10^(-d/10) mW; for 99 the
// language's "no measurement" text.
std::string ReceptionText(int signalQuality, int languageId);
// The level d = 113 - 2r in dBm below zero (79 for r = 17); none for 99 or a value
// outside 0..31.
std::optional<int> ReceptionLevel(int signalQuality);

// The rest of the "+COPS:" line after the prefix and its blanks, without blanks around its
// commas; none without the prefix.
std::optional<std::string> OperatorText(std::string_view answer);

}  // namespace telvane::network
