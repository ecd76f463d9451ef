// Held-open folders are opened with O_PATH: that needs no read permission, only
// the search permission a rename needs too.
#include "execution/batch_paths.h"

#include <cerrno>
#include <cstring>
#include <optional>

#include "execution/move_plan.h"
#include "platform/encoding.h"
#include "platform/file_ops.h"

namespace nalo {
namespace {

bool IsAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

void AppendLength(std::string& out, std::size_t length) {
  const auto value = static_cast<std::uint32_t>(length);
  out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

std::uint32_t LengthAt(const std::string& text, std::size_t offset) {
  std::uint32_t value = 0;
  std::memcpy(&value, text.data() + offset, sizeof value);
  return value;
}

// A converted name's length when it is missing: it has no UTF-8 form.
constexpr std::uint32_t kMissing = ~std::uint32_t{0};

}  // namespace

TBatchPaths::TBatchPaths(const TMoveList& moves) : moves_(moves) {
  folders_.reserve(moves.FolderCount());
  for (std::size_t f = 0; f < moves.FolderCount(); ++f) {
    std::optional<std::string> utf8 = Cp932ToUtf8(moves.Folder(f));
    TFolder folder{utf8.value_or(""), kCurrentFolder, utf8.has_value()};
    if (folder.Convertible) OpenChecked(folder, moves.FolderSeen(f));
    folders_.push_back(std::move(folder));
  }
  native_.reserve(moves.size());
  for (std::size_t i = 0; i < moves.size(); ++i) native_.push_back(Convert(i));
}

TBatchPaths::~TBatchPaths() {
  for (const TFolder& f : folders_) {
    if (f.Fd != kCurrentFolder) CloseFolder(f.Fd);
  }
}

std::uint64_t TBatchPaths::Convert(std::size_t i) {
  if (!FolderOf(i).Convertible) return kNoForm;  // the move has no native form at all
  const std::string_view from = moves_.FromName(i), to = moves_.ToName(i);
  if (IsAscii(from) && IsAscii(to)) return kSameAsCore;
  const std::optional<std::string> from_utf8 = Cp932ToUtf8(from), to_utf8 = Cp932ToUtf8(to);
  const std::uint64_t offset = converted_.size();
  AppendLength(converted_, from_utf8 ? from_utf8->size() : kMissing);
  AppendLength(converted_, to_utf8 ? to_utf8->size() : kMissing);
  for (const std::optional<std::string>* name : {&from_utf8, &to_utf8}) {
    if (*name) converted_.append(**name);
    converted_.push_back('\0');
  }
  return offset;
}

TBatchPaths::TNames TBatchPaths::Native(std::size_t i) const {
  const std::uint64_t at = native_[i];
  if (at == kNoForm) return {};
  if (at == kSameAsCore) return {moves_.FromName(i), moves_.ToName(i), true, true};
  const std::uint32_t from_size = LengthAt(converted_, at), to_size = LengthAt(converted_, at + 4);
  const std::string_view text(converted_);
  const std::size_t from_at = at + 8;
  const std::size_t to_at = from_at + (from_size == kMissing ? 0 : from_size) + 1;
  TNames names;
  names.HasFrom = from_size != kMissing;
  names.HasTo = to_size != kMissing;
  if (names.HasFrom) names.From = text.substr(from_at, from_size);
  if (names.HasTo) names.To = text.substr(to_at, to_size);
  return names;
}

// A final link is followed only when the listing itself went through it (the user
// listed a folder by a link): then the folder it leads to must be the listed one.
void TBatchPaths::OpenChecked(TFolder& folder, const TItemIdentity& listed) {
  int fd = OpenFolderForNames(folder.Utf8);
  const bool link = fd < 0 && (errno == ELOOP || errno == ENOTDIR);
  if (link) {
    if (!listed.Known()) {
      folder.Refusal = kErrFolderIsLink;
      return;
    }
    fd = OpenFolderFollowingLink(folder.Utf8);
  }
  if (fd < 0) return;  // missing or unreadable: each move finds out by itself
  const auto found = IdentityOfOpen(fd);
  if (listed.Known() &&
      (!found || TItemIdentity{static_cast<std::uint64_t>(found->Device),
                               static_cast<std::uint64_t>(found->Inode)} != listed)) {
    folder.Refusal = link ? kErrFolderIsLink : kErrItemReplaced;
    CloseFolder(fd);
    return;
  }
  if (folders_.size() < kMaxHeldFolders) {
    folder.Fd = fd;
  } else {
    CloseFolder(fd);
  }
}

const std::string& TBatchPaths::Arg(std::size_t i, std::string_view utf8_name,
                                    std::string& out) const {
  const TFolder& folder = FolderOf(i);
  if (folder.Fd != kCurrentFolder) return out.assign(utf8_name);
  return out.assign(folder.Utf8).append(utf8_name);
}

}  // namespace nalo
