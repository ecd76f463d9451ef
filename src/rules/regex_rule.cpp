// The regular-expression rule on top of the shared rule loop. Each mode is a
// per-entry step; a failure inside a step throws TRegexAbort, which ends the walk
// (the loop's guard ends the busy state) and becomes the run's message, so that
// rows computed before the failure are never shown.
#include "rules/regex_rule.h"

#include "rules/awk/re_error.h"
#include "rules/regex_messages.h"

namespace nalo {
namespace {

struct TRegexAbort {
  std::string message;
  int position = 0;  // 1-based place in the pattern, 0 when none
};

bool IsControlOrSpace(char c) { return static_cast<unsigned char>(c) <= 0x20; }

constexpr TFamilyRun kPerl5Run{kOkReplace, TExclusionStep::kNone, TRowAcceptance::kWhenChanged,
                               false};
constexpr TFamilyRun kAwkRun{kOkReplace, TExclusionStep::kRevertToOld,
                             TRowAcceptance::kWhenChanged, false};

std::optional<std::string> PerlStep(TBRegExp& bregexp, std::string_view expression,
                                    const TListData& entry) {
  std::string name = entry.Name;
  bool changed = false;
  try {
    if (expression.starts_with("s/")) {
      changed = bregexp.Substitute(expression, name);
    } else if (expression.starts_with("tr/")) {
      changed = bregexp.Translate(expression, name);
    } else {
      throw TRegexAbort{std::string(PerlPrefixMessage(expression))};
    }
  } catch (const EBRegExpError&) {
    throw TRegexAbort{std::string(kMsgCheckRegex)};
  }
  if (!changed) return std::nullopt;
  return name;
}

// The name goes to the engine as it is: it holds no escape sequences (a backslash
// in a name is a character of its own, never the start of an escape).
std::optional<std::string> AwkStep(TAWKStr& awk, const TTabStatus_Seiki& status,
                                   const TListData& entry) {
  try {
    awk.SetRegExp(status.RegExp);
  } catch (const ERegExpParser& error) {
    throw TRegexAbort{error.what(), static_cast<int>(error.Position())};
  } catch (const std::exception& error) {
    throw TRegexAbort{error.what()};
  }
  std::string name = entry.Name;
  try {
    bool changed = status.ReplaceMode == kRegexReplaceAll ? awk.GSub(status.SubText, name) > 0
                                                          : awk.Sub(status.SubText, name);
    if (!changed) return std::nullopt;
  } catch (const ERegExpParser& error) {  // a malformed replacement template
    throw TRegexAbort{error.what()};
  }
  return name;
}

TRuleResult AbortResult(const TRegexAbort& abort) {
  TRuleResult result = MessageResult(abort.message);
  result.ErrorPosition = abort.position;
  return result;
}

}  // namespace

std::string TrimRegexExpression(std::string_view expression) {
  std::size_t begin = 0;
  std::size_t end = expression.size();
  while (begin < end && IsControlOrSpace(expression[begin])) ++begin;
  while (end > begin && IsControlOrSpace(expression[end - 1])) --end;
  return std::string(expression.substr(begin, end - begin));
}

std::string_view PerlPrefixMessage(std::string_view trimmed_expression) {
  if (trimmed_expression.starts_with("S/")) return kMsgLowerCaseS;
  if (trimmed_expression.starts_with("TR/")) return kMsgLowerCaseTr;
  return kMsgNeedPerlPrefix;
}

TAWKStr& SharedAWKStr() {
  static TAWKStr instance;  // created with CRLF line ends and both dictionaries off
  return instance;
}

TRuleResult RunRegexRule(const TRuleContext& ctx, const TTabStatus_Seiki& status, TAWKStr& awk,
                         TBRegExp& bregexp) {
  if (NothingSelected(ctx)) return MessageResult(kMsgNoSelection);
  try {
    if (status.Engine == kRegexEngineAwk) {
      return RunRuleLoop(ctx, kAwkRun, [&](const TListData& entry, std::size_t) {
        return AwkStep(awk, status, entry);
      });
    }
    const std::string expression = TrimRegexExpression(status.RegExp);
    return RunRuleLoop(ctx, kPerl5Run, [&](const TListData& entry, std::size_t) {
      return PerlStep(bregexp, expression, entry);
    });
  } catch (const TRegexAbort& abort) {
    return AbortResult(abort);
  }
}

TRuleResult RunRegexRule(const TRuleContext& ctx, const TTabStatus_Seiki& status) {
  return RunRegexRule(ctx, status, SharedAWKStr(), SharedBRegExp());
}

}  // namespace nalo
