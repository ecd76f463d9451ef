// The convert sub-rules. Case changes use the Shift-JIS-aware mappings for whole
// parts and ASCII-only steps where a single letter is capitalised; a double-byte
// character is always stepped over whole, so its trail byte is never re-cased.
// Width and kana mappings touch the base name only and are cut to 255 bytes at a
// character boundary.
#include "rules/convert_rule.h"

#include <cstdlib>
#include <string>

#include "rules/rule_captions.h"
#include "text/name_text.h"
#include "text/sjis.h"

namespace nalo {
namespace {

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// The extension with its first character upper-cased and the rest lower-cased,
// ASCII letters only; ".JPEG" gives ".Jpeg".
std::string CapitalizedExtension(std::string_view ext) {
  std::string out(ext);
  bool first = true;
  for (std::size_t i = 1; i < out.size();) {
    const std::size_t length = CharLengthAt(out, i);
    if (length == 1) out[i] = first ? AsciiUpper(out[i]) : AsciiLower(out[i]);
    first = false;
    i += length;
  }
  return out;
}

std::optional<TWidthKanaMode> WidthKanaModeOf(int kind) {
  switch (kind) {
    case kConvertHalfToFull: return TWidthKanaMode::HalfToFull;
    case kConvertFullToHalf: return TWidthKanaMode::FullToHalf;
    case kConvertHiraToKata: return TWidthKanaMode::HiraganaToKatakana;
    case kConvertKataToHira: return TWidthKanaMode::KatakanaToHiragana;
    default: return std::nullopt;
  }
}

std::string ConvertOne(std::string_view name, const TTabStatus_Modif& status,
                       std::size_t numbered) {
  switch (status.Kind) {
    case kConvertNumbering: return NumberedName(name, status, numbered);
    case kConvertExtension: return ChangedExtensionName(name, status);
    case kConvertNameCase: return NameCaseConverted(name, status);
    case kConvertExtCase: return ExtCaseConverted(name, status);
    case kConvertTrim: return TrimNameParts(name);
    default: break;
  }
  if (const auto mode = WidthKanaModeOf(status.Kind)) return MapBaseNameWidthKana(name, *mode);
  return std::string(name);
}

}  // namespace

int NumberDigits(const TTabStatus_Modif& status) {
  const std::string_view item = ItemText(kDigitItems, status.DigitsIdx);
  return item.empty() ? 1 : static_cast<int>(item.size());
}

std::string PaddedNumber(long long value, int digits) {
  std::string magnitude = std::to_string(value < 0 ? -value : value);
  if (static_cast<int>(magnitude.size()) < digits) {
    magnitude.insert(0, static_cast<std::size_t>(digits) - magnitude.size(), '0');
  }
  return value < 0 ? "-" + magnitude : magnitude;
}

std::string NumberedName(std::string_view name, const TTabStatus_Modif& status,
                         std::size_t numbered) {
  const long long number = static_cast<long long>(status.NumStart) +
                           static_cast<long long>(numbered);
  std::string out = status.NumBase;  // taken literally, "%" included
  out += PaddedNumber(number, NumberDigits(status));
  out += ExtensionOf(name);
  return out;
}

std::string ChangedExtensionName(std::string_view name, const TTabStatus_Modif& status) {
  // BaseNameOf is the whole name when there is no extension.
  std::string out(BaseNameOf(name));
  out += status.Ext;
  return out;
}

std::string NameCaseConverted(std::string_view name, const TTabStatus_Modif& status) {
  const std::string_view base = BaseNameOf(name);
  std::string out;
  if (status.NameCaseIdx == 0) {
    out = UpperCaseName(base);
  } else {
    out = LowerCaseName(base);
    // A first byte in a-z is a single-byte character, never a trail byte.
    if (status.NameCapitalize && !out.empty()) out[0] = AsciiUpper(out[0]);
  }
  out += ExtensionOf(name);
  return out;
}

std::string ExtCaseConverted(std::string_view name, const TTabStatus_Modif& status) {
  const std::string_view ext = ExtensionOf(name);
  if (ext.empty()) return std::string(name);
  std::string out(BaseNameOf(name));
  if (status.ExtCaseIdx == 0) {
    out += UpperCaseName(ext);
  } else if (status.ExtCapitalize) {
    out += CapitalizedExtension(ext);
  } else {
    out += LowerCaseName(ext);
  }
  return out;
}

TRuleResult RunConvertRule(const TRuleContext& ctx, const TTabStatus_Modif& status) {
  if (NothingSelected(ctx)) return MessageResult(kMsgNoSelection);
  if (status.Kind < kConvertNumbering || status.Kind >= kConvertTimeStamp) {
    return SilentResult();  // the hidden time-stamp rule, or none chosen: nothing happens
  }
  TFamilyRun family{kOkConvert, TExclusionStep::kRevertToOld, TRowAcceptance::kWhenChanged,
                    false};
  if (status.Kind == kConvertTrim) {
    // Trimming is its own purpose here: no exclusion, and done whatever the option says.
    family.Exclusion = TExclusionStep::kNone;
    family.AlwaysTrim = true;
  }
  return RunRuleLoop(ctx, family,
                     [&status](const TListData& entry, std::size_t numbered) {
                       return std::optional<std::string>(ConvertOne(entry.Name, status, numbered));
                     });
}

}  // namespace nalo
