// The handler only stores the signal number in a lock-free atomic, the one thing
// a signal handler may safely do here.
#include "platform/stop_signals.h"

#include <atomic>

namespace nalo {
namespace {

std::atomic<int> g_stop_signal{0};

extern "C" void NoteStopSignal(int signal) { g_stop_signal.store(signal); }

}  // namespace

TStopSignals::TStopSignals() {
  g_stop_signal.store(0);
  struct sigaction action {};
  action.sa_handler = NoteStopSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, &old_int_);
  sigaction(SIGTERM, &action, &old_term_);
}

TStopSignals::~TStopSignals() {
  sigaction(SIGINT, &old_int_, nullptr);
  sigaction(SIGTERM, &old_term_, nullptr);
}

bool TStopSignals::Requested() { return g_stop_signal.load() != 0; }
int TStopSignals::Signal() { return g_stop_signal.load(); }

}  // namespace nalo
