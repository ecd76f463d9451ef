// TBRegExp: cache check on the expression text, the library call with its
// message buffer, and the copy of the result back into the subject.
#include "rules/bregexp_wrapper.h"

namespace nalo {

TBRegExp::~TBRegExp() { BRegfree(record_); }

std::string_view TBRegExp::CompiledExpression() const {
  if (record_ == nullptr || record_->parap == nullptr) return {};
  return std::string_view(record_->parap, static_cast<std::size_t>(record_->paraendp - record_->parap));
}

void TBRegExp::ForgetOtherExpression(std::string_view expression) {
  if (record_ != nullptr && CompiledExpression() != expression) {
    BRegfree(record_);
    record_ = nullptr;
  }
}

bool TBRegExp::Substitute(std::string_view expression, std::string& subject) {
  ForgetOtherExpression(expression);
  if (subject.empty()) return false;
  return Call(BSubst, expression, subject);
}

bool TBRegExp::Translate(std::string_view expression, std::string& subject) {
  ForgetOtherExpression(expression);
  return Call(BTrans, expression, subject);
}

bool TBRegExp::Call(TLibraryCall call, std::string_view expression, std::string& subject) {
  // The library reads a NUL-terminated expression; the record already holds one
  // for the expression it was compiled from.
  std::string copy;
  const char* text = record_ != nullptr ? record_->parap : nullptr;
  if (text == nullptr) {
    copy.assign(expression);
    text = copy.c_str();
  }
  char message[kBRegExpMessageSize];
  message[0] = '\0';
  int result = call(text, subject.data(), subject.data() + subject.size(), &record_, message);
  if (message[0] != '\0') throw EBRegExpError(message);
  if (result != 0 && record_ != nullptr) {
    subject.assign(record_->outp, static_cast<std::size_t>(record_->outendp - record_->outp));
  }
  return result != 0;
}

TBRegExp& SharedBRegExp() {
  static TBRegExp instance;
  return instance;
}

}  // namespace nalo
