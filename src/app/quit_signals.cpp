// One self-pipe for the process: a signal handler may do nothing but write(2),
// so the number crosses the pipe and is read back on the event loop's thread.
// Both ends are non-blocking: a burst of signals that fills the pipe loses
// only repeats, and the reader drains whatever arrived.
#include "app/quit_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace nalo {
namespace {

int g_pipe[2] = {-1, -1};
constexpr std::array<int, 2> kQuitSignals = {SIGINT, SIGTERM};

extern "C" void WriteSignalToPipe(int signal_number) {
  const int saved_errno = errno;
  const unsigned char byte = static_cast<unsigned char>(signal_number);
  [[maybe_unused]] const ssize_t written = write(g_pipe[1], &byte, 1);
  errno = saved_errno;
}

bool OpenPipe() {
  if (g_pipe[0] >= 0) return true;
  return pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) == 0;
}

bool SetHandler(int signal_number, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  return sigaction(signal_number, &action, nullptr) == 0;
}

}  // namespace

TQuitSignals::TQuitSignals(QObject* parent) : QObject(parent) {
  if (!OpenPipe()) return;
  for (int signal_number : kQuitSignals) {
    if (!SetHandler(signal_number, WriteSignalToPipe)) return;
  }
  notifier_ = std::make_unique<QSocketNotifier>(g_pipe[0], QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, &TQuitSignals::ReadPipe);
}

TQuitSignals::~TQuitSignals() {
  for (int signal_number : kQuitSignals) SetHandler(signal_number, SIG_DFL);
}

void TQuitSignals::ReadPipe() {
  unsigned char byte = 0;
  while (read(g_pipe[0], &byte, 1) == 1) emit Received(byte);
}

}  // namespace nalo
