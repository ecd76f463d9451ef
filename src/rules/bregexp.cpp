// The library entry points. Every failure of the layer below (a refused or
// malformed expression, a match over its limits, a result with no CP932 form,
// memory) is caught here and becomes the message text, as the callers expect.
#include "rules/bregexp.h"

#include <climits>
#include <cstring>
#include <new>

#include "rules/perl5_error.h"
#include "rules/perl5_expression.h"
#include "rules/perl5_subst.h"
#include "rules/perl5_trans.h"

namespace nalo {
namespace {

// Copies `text` into the message buffer, cut at a UTF-8 character boundary so
// that the buffer always holds complete characters and a terminating NUL.
void WriteMessage(char* msg, const char* text) {
  if (text == nullptr || *text == '\0') text = "正規表現のエラーです";
  std::size_t length = std::strlen(text);
  if (length >= kBRegExpMessageSize) {
    length = kBRegExpMessageSize - 1;
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
  }
  std::memcpy(msg, text, length);
  msg[length] = '\0';
}

// Returns the record in the slot for `str`, compiling a new one when the slot is
// empty or holds another expression or kind.
BREGEXP* RecordFor(const char* str, BREGEXP** rxp, TPerl5Kind kind) {
  BREGEXP* rx = *rxp;
  bool usable = rx != nullptr && (rx->parap == str || rx->expression == str) &&
                (kind == TPerl5Kind::Substitute ? rx->substitution != nullptr
                                                : rx->translation != nullptr);
  if (usable) return rx;
  std::string text(str);  // `str` may be the old record's own copy
  BRegfree(rx);
  *rxp = nullptr;
  TPerl5Expression expression = ParsePerl5Expression(text);
  if (expression.Kind != kind) {
    throw EPerl5Error(kind == TPerl5Kind::Substitute ? "s/// の式ではありません"
                                                     : "tr/// の式ではありません");
  }
  auto record = std::make_unique<BREGEXP>();
  if (kind == TPerl5Kind::Substitute) {
    record->substitution = std::make_unique<TPerl5Substitution>(expression);
  } else {
    record->translation = std::make_unique<TPerl5Translation>(expression);
  }
  record->expression = std::move(text);
  record->parap = record->expression.c_str();
  record->paraendp = record->parap + record->expression.size();
  *rxp = record.release();
  return *rxp;
}

int Run(const char* str, const char* target, const char* targetendp, BREGEXP** rxp, char* msg,
        TPerl5Kind kind) {
  msg[0] = '\0';
  try {
    if (str == nullptr || rxp == nullptr || target > targetendp) {
      throw EPerl5Error("引数が正しくありません");
    }
    std::string_view subject(target, static_cast<std::size_t>(targetendp - target));
    std::string own_copy;  // the subject may be the last result, which is rewritten or freed
    const BREGEXP* old = *rxp;
    if (old != nullptr && !subject.empty() && target >= old->result.data() &&
        target <= old->result.data() + old->result.size()) {
      own_copy.assign(subject);
      subject = own_copy;
    }
    BREGEXP* rx = RecordFor(str, rxp, kind);
    std::size_t count = kind == TPerl5Kind::Substitute ? rx->substitution->Run(subject, rx->result)
                                                       : rx->translation->Run(subject, rx->result);
    if (count == 0) {
      rx->outp = rx->outendp = nullptr;  // no result of this call to read
      return 0;
    }
    rx->outp = rx->result.data();
    rx->outendp = rx->outp + rx->result.size();
    return count > INT_MAX ? INT_MAX : static_cast<int>(count);
  } catch (const std::bad_alloc&) {
    WriteMessage(msg, "メモリが足りません");
  } catch (const std::exception& error) {
    WriteMessage(msg, error.what());
  }
  return 0;
}

}  // namespace

BREGEXP::BREGEXP() = default;
BREGEXP::~BREGEXP() = default;

int BSubst(const char* str, const char* target, const char* targetendp, BREGEXP** rxp,
           char* msg) {
  return Run(str, target, targetendp, rxp, msg, TPerl5Kind::Substitute);
}

int BTrans(const char* str, const char* target, const char* targetendp, BREGEXP** rxp,
           char* msg) {
  return Run(str, target, targetendp, rxp, msg, TPerl5Kind::Translate);
}

void BRegfree(BREGEXP* rx) { delete rx; }

}  // namespace nalo
