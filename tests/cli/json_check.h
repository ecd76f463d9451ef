// A strict reader for the JSON nalo-cli prints: an array of flat objects whose
// values are strings. It refuses anything else, including bytes that are not
// UTF-8, so a test can tell valid output from output that merely looks right.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace nalo::cli::test {

using TJsonObject = std::map<std::string, std::string>;

// The objects, in order, with their strings decoded; nothing when `text` is not
// such a document (surrounding white space allowed).
std::optional<std::vector<TJsonObject>> ParseJsonRows(const std::string& text);

}  // namespace nalo::cli::test
