// Renames on a file system that does not know RENAME_NOREPLACE. A child process
// makes the kernel refuse renameat2 with ENOSYS (a seccomp filter), so the
// look-then-rename path runs for real; the child reports through its exit code.
#include <gtest/gtest.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>

#include "platform/file_ops.h"
#include "support/temp_folder.h"

namespace nalo {
namespace {

using testing::TTempFolder;

// Every renameat2 call of this process fails with ENOSYS from now on.
bool RefuseRenameat2() {
  sock_filter filter[] = {
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_renameat2, 0, 1),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (ENOSYS & SECCOMP_RET_DATA)),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
  };
  sock_fprog program {static_cast<unsigned short>(sizeof filter / sizeof filter[0]), filter};
  return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
         prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

// The checks, run in the child: 0 when all hold, else the number of the first
// that failed.
int FallbackChecks(const TTempFolder& dir) {
  if (!RefuseRenameat2()) return 100;  // no seccomp here: reported as a skip
  if (RenameNoReplace(dir.Path("a"), dir.Path("b")) != EEXIST) return 1;
  if (RenameNoReplace(dir.Path("missing"), dir.Path("c")) != ENOENT) return 2;
  if (RenameNoReplace(dir.Path("a"), dir.Path("c")) != 0) return 3;
  if (RenameNoReplace(dir.Path("c"), dir.Path("C")) != 0) return 5;  // case only
  return 0;
}

TEST(RenameFallback, WithoutNoReplaceALookComesFirstAndNothingIsReplaced) {
  TTempFolder dir;
  dir.Write("a", "a");
  dir.Write("b", "b");
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) _exit(FallbackChecks(dir));
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 100) GTEST_SKIP() << "seccomp filters are not available";
  EXPECT_EQ(WEXITSTATUS(status), 0) << "check " << WEXITSTATUS(status) << " failed";
  EXPECT_EQ(dir.Read("b"), "b");
  EXPECT_EQ(dir.Read("C"), "a");
}

}  // namespace
}  // namespace nalo
