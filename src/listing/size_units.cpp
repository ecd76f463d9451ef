// Size texts are computed with integer arithmetic only (quotient, remainder, then
// rounding), so large sizes never lose digits to floating point.
#include "listing/size_units.h"

#include <algorithm>
#include <cstring>

namespace nalo {
namespace {

constexpr std::int64_t kDivisors[] = {1, 1024, 1048576};
constexpr std::string_view kUnitWords[] = {"バイト", "KB", "MB"};

std::int32_t ValidUnit(std::int32_t unit) { return (unit >= 0 && unit <= 2) ? unit : 0; }

// Writes the digits of `value` with "," between groups of three, backwards from
// `end`; returns where the text begins.
char* GroupThousandsBefore(char* end, std::uint64_t value) {
  int in_group = 0;
  do {
    if (in_group == 3) {
      *--end = ',';
      in_group = 0;
    }
    *--end = static_cast<char>('0' + value % 10);
    value /= 10;
    ++in_group;
  } while (value != 0);
  return end;
}

}  // namespace

std::int64_t SizeUnitDivisor(std::int32_t unit) { return kDivisors[ValidUnit(unit)]; }

std::string_view SizeUnitWord(std::int32_t unit) { return kUnitWords[ValidUnit(unit)]; }

void WriteEntrySizeText(std::int64_t size, std::int32_t unit, bool folder_mode, TCellText& out) {
  char* const buffer = out.Buffer();
  if (folder_mode) {
    out.SetSize(kFolderSizeText.copy(buffer, kFolderSizeText.size()));
    return;
  }
  const bool negative = size < 0;
  const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(size) : size;
  const std::uint64_t divisor = static_cast<std::uint64_t>(SizeUnitDivisor(unit));
  std::uint64_t rounded = magnitude / divisor;
  if ((magnitude % divisor) * 2 >= divisor && divisor > 1) ++rounded;
  char* const end = buffer + TCellText::kCapacity;
  char* begin = GroupThousandsBefore(end, rounded);
  if (negative && rounded != 0) *--begin = '-';
  const std::size_t size_written = static_cast<std::size_t>(end - begin);
  std::memmove(buffer, begin, size_written);
  out.SetSize(size_written);
}

std::int32_t ConvertSizeBound(std::int64_t value, std::int32_t from_unit, std::int32_t to_unit) {
  value = std::clamp<std::int64_t>(value, 0, kMaxSizeBound);
  const std::int64_t numerator = value * SizeUnitDivisor(from_unit);
  const std::int64_t divisor = SizeUnitDivisor(to_unit);
  std::int64_t q = numerator / divisor;
  const std::int64_t r = numerator % divisor;
  if (r * 2 > divisor || (r * 2 == divisor && q % 2 != 0)) ++q;
  return static_cast<std::int32_t>(std::min(q, kMaxSizeBound));
}

std::string NameColumnCaption(bool folder_mode) {
  return folder_mode ? "フォルダ名" : "ファイル名";
}

std::string SizeColumnCaption(bool folder_mode, std::int32_t unit) {
  if (folder_mode) return "種類";
  return "サイズ（" + std::string(SizeUnitWord(unit)) + "）";
}

}  // namespace nalo
