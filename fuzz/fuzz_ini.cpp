// Parses arbitrary bytes as a settings file and checks that writing never changes
// what reads back: the file's own text re-parsed gives the same sections, keys,
// values and lists, and a file built from scratch by writing every value read
// gives the same sections, keys and values again. Number readers run on every key.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ini_file.h"
#include "settings/ini_text.h"

namespace {

using nalo::TIniFile;

struct Model {
  // section -> (key -> value) in file order, one entry per distinct name.
  std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> sections;
  std::vector<std::vector<std::string>> lists;

  bool operator==(const Model&) const = default;
};

bool Listed(const std::vector<std::pair<std::string, std::string>>& keys, std::string_view key) {
  for (const auto& [k, v] : keys) {
    if (nalo::ini::NamesEqual(k, key)) return true;
  }
  return false;
}

Model Read(const TIniFile& ini, bool with_lists) {
  Model m;
  for (const std::string& section : ini.SectionNames()) {
    std::vector<std::pair<std::string, std::string>> keys;
    for (const std::string& key : ini.KeyNames(section)) {
      if (Listed(keys, key)) continue;
      keys.emplace_back(key, ini.ReadRaw(section, key).value());
      (void)ini.ReadInteger(section, key, 0);
      (void)ini.ReadDateTime(section, key, 0);
    }
    m.sections.emplace_back(section, std::move(keys));
    if (with_lists) m.lists.push_back(ini.ReadList(section));
  }
  return m;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const TIniFile first = TIniFile::FromText(text);
  const Model model = Read(first, true);

  const TIniFile reparsed = TIniFile::FromText(first.ToText());
  if (!(Read(reparsed, true) == model)) std::abort();

  TIniFile rebuilt = TIniFile::FromText("");
  for (const auto& [section, keys] : model.sections) {
    for (const auto& [key, value] : keys) rebuilt.WriteString(section, key, value);
  }
  Model expected = model;
  expected.lists.clear();
  std::erase_if(expected.sections, [](const auto& s) { return s.second.empty(); });
  if (!(Read(TIniFile::FromText(rebuilt.ToText()), false) == expected)) std::abort();
  return 0;
}
