// Names as the user types and reads them: UTF-8 by default, raw code page 932 with
// --encoding cp932. Core names are CP932, with the user-area table for the rest; a
// text that would need more table codes than there are is an error, never a
// silently changed name.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace nalo::cli {

// A usage or validation problem: exit code 2 with this message.
class EUsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TUserText {
 public:
  explicit TUserText(bool cp932) : cp932_(cp932) {}

  // A text from the command line or an input file as a core (CP932) string.
  // Throws EUsageError naming `what` when the user-area table has no code left.
  std::string ToCore(std::string_view text, std::string_view what) const;
  // A core string for output in the user's encoding.
  std::string FromCore(std::string_view cp932) const;
  // The same into `out`, whose capacity is reused where the conversion allows.
  void FromCoreInto(std::string_view cp932, std::string& out) const;
  // Whether the user's texts are code page 932.
  bool IsCp932() const { return cp932_; }

 private:
  bool cp932_;
};

// A file-system path (always UTF-8 here) as a core string, or an EUsageError.
std::string PathToCore(std::string_view utf8_path);

}  // namespace nalo::cli
