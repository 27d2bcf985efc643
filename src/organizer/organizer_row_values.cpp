#include "organizer/organizer_row_values.h"

#include "base/decimal.h"
#include "organizer/organizer_reading.h"
#include "organizer/organizer_vocabulary.h"

namespace telvane::organizer {
namespace {

// Numbers separated by `separator`, each taken whole; none unless all are there.
template <std::size_t N>
std::optional<std::array<int, N>> SplitNumbers(std::string_view text, char separator) {
  std::array<int, N> numbers{};
  for (std::size_t i = 0; i < N; ++i) {
    const auto number = base::TakeDecimal(text, "");
    if (!number || *number < 0) return std::nullopt;
    numbers[i] = *number;
    if (i + 1 < N) {
      if (text.empty() || text.front() != separator) return std::nullopt;
      text.remove_prefix(1);
    }
  }
  if (!text.empty()) return std::nullopt;
  return numbers;
}

}  // namespace

std::optional<RowDate> DateOfColumn(std::string_view date) {
  const auto numbers = SplitNumbers<3>(date, '/');
  if (!numbers) return std::nullopt;
  const RowDate value{(*numbers)[0], (*numbers)[1], (*numbers)[2]};
  if (value.month < 1 || value.month > 12 || value.day < 1 || value.day > 31) return std::nullopt;
  return value;
}

std::optional<RowTime> TimeOfColumn(std::string_view time) {
  const auto numbers = SplitNumbers<2>(time, ':');
  if (!numbers || (*numbers)[0] > 23 || (*numbers)[1] > 59) return std::nullopt;
  return RowTime{(*numbers)[0], (*numbers)[1]};
}

int CategoryIndexOfColumn(int languageId, std::string_view category) {
  const int index = CategoryIndexOfLabel(languageId, category);
  return index >= 0 ? index : CategoryIndexOfValue(category);
}

int RepeatKindOfColumn(int languageId, std::string_view repeat) {
  if (repeat.empty()) return 0;
  const int kind = RepeatKindOfLabel(languageId, repeat);
  return kind >= 0 ? kind : 0;
}

}  // namespace telvane::organizer
