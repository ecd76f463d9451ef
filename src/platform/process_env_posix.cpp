// POSIX back end of the process facts: getpid, the /proc/self/exe link of Linux,
// getpwuid and access(W_OK), which asks with the real user's rights.
#include "platform/process_env.h"

#include <pwd.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace nalo {

int ProcessId() { return static_cast<int>(::getpid()); }

std::string ExecutableFolder() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : exe.parent_path().string();
}

std::string AccountHomeFolder() {
  const passwd* pw = ::getpwuid(::getuid());
  return pw != nullptr && pw->pw_dir != nullptr ? std::string(pw->pw_dir) : std::string();
}

bool MayWrite(const std::string& path) { return ::access(path.c_str(), W_OK) == 0; }

}  // namespace nalo
