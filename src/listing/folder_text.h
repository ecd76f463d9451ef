// The folder of a listed item, shared: every item of one folder holds the same
// immutable text, so a million entries in a thousand folders keep a thousand
// folder strings. Reads like a const std::string; assigning a new text never
// changes what other holders see. The listing also records the folder's identity
// and the names it read in the folder beside its text; a text made from a plain
// string has neither.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "listing/folder_names.h"
#include "platform/item_identity.h"

namespace nalo {

class TFolderText {
 public:
  TFolderText() = default;
  TFolderText(std::string text)  // NOLINT: a folder is written as a plain string
      : text_(std::make_shared<const TShared>(TShared{std::move(text), {}, nullptr})) {}
  TFolderText(std::string text, TItemIdentity identity,
              std::shared_ptr<const TFolderNames> names = nullptr)
      : text_(
            std::make_shared<const TShared>(TShared{std::move(text), identity, std::move(names)})) {
  }
  TFolderText(std::string_view text) : TFolderText(std::string(text)) {}  // NOLINT
  TFolderText(const char* text) : TFolderText(std::string(text)) {}       // NOLINT

  const std::string& str() const { return text_ ? text_->Text : Empty(); }
  // The folder as the listing saw it (unknown when not from a listing).
  TItemIdentity Identity() const { return text_ ? text_->Identity : TItemIdentity{}; }
  // Every name the scan read in the folder; nothing when the text did not come from
  // a scan that kept them, or the names are out of date (the folder changed since).
  const TFolderNames* Names() const { return text_ ? text_->Names.get() : nullptr; }
  // The same folder and identity without the names, for entries whose folder a
  // batch has changed.
  TFolderText WithoutNames() const { return TFolderText(str(), Identity()); }
  operator const std::string&() const { return str(); }  // NOLINT
  operator std::string_view() const { return str(); }    // NOLINT

  bool empty() const { return str().empty(); }
  std::size_t size() const { return str().size(); }
  const char* data() const { return str().data(); }
  char back() const { return str().back(); }
  std::string substr(std::size_t pos, std::size_t n = std::string::npos) const {
    return str().substr(pos, n);
  }
  // True when both hold the very same shared text (a cheap first test).
  bool SameTextAs(const TFolderText& other) const { return text_ == other.text_; }

  friend bool operator==(const TFolderText& a, const TFolderText& b) {
    return a.SameTextAs(b) || a.str() == b.str();
  }
  friend bool operator==(const TFolderText& a, std::string_view b) { return a.str() == b; }
  friend bool operator==(const TFolderText& a, const char* b) { return a.str() == b; }
  friend bool operator==(const TFolderText& a, const std::string& b) { return a.str() == b; }
  friend std::string operator+(const TFolderText& a, std::string_view b) {
    std::string joined;
    joined.reserve(a.size() + b.size());
    return joined.append(a.str()).append(b);
  }

 private:
  static const std::string& Empty() {
    static const std::string empty;
    return empty;
  }

  struct TShared {
    std::string Text;
    TItemIdentity Identity;
    std::shared_ptr<const TFolderNames> Names;
  };
  std::shared_ptr<const TShared> text_;
};

}  // namespace nalo
