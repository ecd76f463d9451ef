// The buffer is handed to the stream once it passes kBlockSize, so the stream sees
// a few large writes. Conversions reuse one string whose capacity grows to the
// longest text seen, and ASCII texts skip the conversion altogether.
#include "cli/row_writer.h"

#include <algorithm>

namespace nalo::cli {
namespace {

// Bytes gathered before a write: large enough that the write calls cost nothing
// beside the formatting, small enough to stay in the cache.
constexpr std::size_t kBlockSize = 64 * 1024;

bool IsAscii(std::string_view s) {
  return std::all_of(s.begin(), s.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

TRowWriter::TRowWriter(std::ostream& out, const TUserText& text, TRowStyle style)
    : out_(out), text_(text), style_(style) {
  buffer_.reserve(kBlockSize + 4096);
}

TRowWriter::~TRowWriter() { Flush(); }

void TRowWriter::Text(std::string_view cp932) {
  if (IsAscii(cp932)) {
    AddField(cp932);
    return;
  }
  text_.FromCoreInto(cp932, converted_);
  AddField(converted_);
}

void TRowWriter::Text(std::string_view cp932, TRepeatedText& memo) {
  if (!memo.set_ || memo.source_ != cp932) {
    memo.source_.assign(cp932);
    text_.FromCoreInto(cp932, converted_);
    memo.shown_.clear();
    AppendField(converted_, memo.shown_);
    memo.set_ = true;
  }
  buffer_.append(memo.shown_);
}

void TRowWriter::Plain(std::string_view bytes) { buffer_.append(bytes); }

void TRowWriter::AddField(std::string_view bytes) { AppendField(bytes, buffer_); }

void TRowWriter::AppendField(std::string_view bytes, std::string& out) const {
  if (style_.Escape) {
    style_.Escape(bytes, out);
  } else {
    out.append(bytes);
  }
}

void TRowWriter::EndRow() {
  buffer_.push_back(style_.RowEnd);
  if (buffer_.size() >= kBlockSize) {
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
  }
}

void TRowWriter::Flush() {
  if (!buffer_.empty()) out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  buffer_.clear();
  out_.flush();
}

}  // namespace nalo::cli
