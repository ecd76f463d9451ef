// The Linux watch thread on inotify. Every folder of the tree gets a watch for
// IN_CREATE, IN_DELETE, IN_MOVED_FROM and IN_MOVED_TO; a folder that appears
// (created or moved in) is added with its own sub-folders. The thread polls two
// descriptors, the inotify one and an eventfd that Stop() writes, so it sleeps
// without a time limit and wakes at once when asked to end. It runs at the lowest
// scheduling priority and touches nothing but its own descriptors.
#include "platform/dir_watcher.h"

#include <dirent.h>
#include <poll.h>
#include <sched.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>
#include <unordered_map>

#include "platform/encoding.h"

namespace nalo {
namespace {

constexpr uint32_t kNameEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;

// Room for many events per read; inotify events are at most
// sizeof(inotify_event) + NAME_MAX + 1 bytes each.
constexpr std::size_t kEventBufferBytes = 64 * 1024;

// Deepest folder nesting given a watch; deeper folders are not watched (the
// per-user inotify watch limit is the real bound, this one guards the stack).
constexpr int kMaxWatchDepth = 128;

}  // namespace

struct TWatchThread::TState {
  std::string directory;
  bool sub_tree = false;
  TNotice notice;
  int inotify_fd = -1;
  int stop_fd = -1;
  bool watching = false;
  std::unordered_map<int, std::string> folders;  // watch descriptor -> path
  std::thread thread;

  void AddTree(const std::string& path, int depth) {
    int wd = inotify_add_watch(inotify_fd, path.c_str(), kNameEvents | IN_ONLYDIR | IN_DONT_FOLLOW);
    if (wd < 0) return;
    folders[wd] = path;
    if (!sub_tree || depth >= kMaxWatchDepth) return;
    DIR* dir = opendir(path.c_str());
    if (!dir) return;
    while (struct dirent* ent = readdir(dir)) {
      if (ent->d_type != DT_DIR && ent->d_type != DT_UNKNOWN) continue;
      if (std::strcmp(ent->d_name, ".") == 0 || std::strcmp(ent->d_name, "..") == 0) continue;
      AddTree(path + "/" + ent->d_name, depth + 1);  // a non-folder fails IN_ONLYDIR
    }
    closedir(dir);
  }

  // Reads the pending events; adds watches for folders that appeared. True when
  // any event is a name change worth a notice.
  bool Drain() {
    alignas(inotify_event) char buffer[kEventBufferBytes];
    bool changed = false;
    ssize_t n = read(inotify_fd, buffer, sizeof buffer);
    for (ssize_t pos = 0; pos < n;) {
      auto* ev = reinterpret_cast<inotify_event*>(buffer + pos);
      pos += static_cast<ssize_t>(sizeof(inotify_event) + ev->len);
      if (ev->mask & IN_IGNORED) {
        folders.erase(ev->wd);
        continue;
      }
      if (ev->mask & (kNameEvents | IN_Q_OVERFLOW)) changed = true;
      bool new_folder = (ev->mask & IN_ISDIR) && (ev->mask & (IN_CREATE | IN_MOVED_TO));
      auto it = folders.find(ev->wd);
      if (sub_tree && new_folder && ev->len > 0 && it != folders.end()) {
        AddTree(it->second + "/" + ev->name, 1);
      }
    }
    return changed;
  }

  void Run() {
    setpriority(PRIO_PROCESS, 0, 19);  // this thread only (Linux threads are tasks)
    pollfd fds[2] = {{stop_fd, POLLIN, 0}, {inotify_fd, POLLIN, 0}};
    nfds_t count = watching ? 2 : 1;
    for (;;) {
      int rc = poll(fds, count, -1);
      if (rc < 0) {
        if (errno == EINTR) continue;
        return;
      }
      if (fds[0].revents) return;
      if (count == 2 && (fds[1].revents & POLLIN) && Drain() && notice) notice();
    }
  }
};

TWatchThread::TWatchThread(const std::string& cp932_directory, bool sub_tree, TNotice notice)
    : state_(std::make_unique<TState>()) {
  TState& s = *state_;
  s.directory = Cp932ToUtf8(cp932_directory).value_or("");
  while (s.directory.size() > 1 && s.directory.back() == '/') s.directory.pop_back();
  s.sub_tree = sub_tree;
  s.notice = std::move(notice);
  s.stop_fd = eventfd(0, EFD_CLOEXEC);
  s.inotify_fd = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
  if (s.inotify_fd >= 0 && !s.directory.empty()) {
    s.AddTree(s.directory, 0);
    s.watching = !s.folders.empty();
  }
  if (s.stop_fd >= 0) s.thread = std::thread([this] { state_->Run(); });
}

TWatchThread::~TWatchThread() {
  Stop();
  if (state_->inotify_fd >= 0) close(state_->inotify_fd);
  if (state_->stop_fd >= 0) close(state_->stop_fd);
}

void TWatchThread::Stop() {
  if (!state_->thread.joinable()) return;
  uint64_t one = 1;
  if (state_->stop_fd >= 0) {
    ssize_t ignored = write(state_->stop_fd, &one, sizeof one);
    (void)ignored;
  }
  state_->thread.join();
}

bool TWatchThread::Watching() const { return state_->watching; }

}  // namespace nalo
