// Size texts are computed with integer arithmetic only (quotient, remainder, then
// rounding), so large sizes never lose digits to floating point.
#include "listing/size_units.h"

#include <algorithm>

namespace nalo {
namespace {

constexpr std::int64_t kDivisors[] = {1, 1024, 1048576};
constexpr std::string_view kUnitWords[] = {"バイト", "KB", "MB"};

std::int32_t ValidUnit(std::int32_t unit) { return (unit >= 0 && unit <= 2) ? unit : 0; }

std::string GroupThousands(std::uint64_t value) {
  std::string digits = std::to_string(value);
  std::string out;
  out.reserve(digits.size() + digits.size() / 3);
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out.push_back(',');
    out.push_back(digits[i]);
  }
  return out;
}

}  // namespace

std::int64_t SizeUnitDivisor(std::int32_t unit) { return kDivisors[ValidUnit(unit)]; }

std::string_view SizeUnitWord(std::int32_t unit) { return kUnitWords[ValidUnit(unit)]; }

std::string SizeTextOf(std::int64_t size, std::int32_t unit) {
  const bool negative = size < 0;
  const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(size) : size;
  const std::uint64_t divisor = static_cast<std::uint64_t>(SizeUnitDivisor(unit));
  std::uint64_t rounded = magnitude / divisor;
  if ((magnitude % divisor) * 2 >= divisor && divisor > 1) ++rounded;
  std::string text = GroupThousands(rounded);
  return (negative && rounded != 0) ? "-" + text : text;
}

std::string EntrySizeText(std::int64_t size, std::int32_t unit, bool folder_mode) {
  return folder_mode ? std::string(kFolderSizeText) : SizeTextOf(size, unit);
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
