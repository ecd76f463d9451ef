#include "text/user_area_case.h"

#include <atomic>

namespace nalo {
namespace {

std::atomic<TUserAreaCaseMap> installed_map{nullptr};

}  // namespace

void SetUserAreaCaseMap(TUserAreaCaseMap map) { installed_map.store(map); }

std::optional<std::string> UserAreaCase(std::uint16_t code, bool upper) {
  const TUserAreaCaseMap map = installed_map.load();
  if (map == nullptr) return std::nullopt;
  return map(code, upper);
}

}  // namespace nalo
