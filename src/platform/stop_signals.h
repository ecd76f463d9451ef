// Ctrl-C (SIGINT) and SIGTERM as a request to stop, for the time a batch runs. While
// a TStopSignals exists the two signals only raise a flag; the batch looks at it
// between two renames, so it ends at a step boundary with its record complete.
// The handlers in place before are put back when the object goes.
#pragma once

#include <csignal>

namespace nalo {

class TStopSignals {
 public:
  TStopSignals();
  ~TStopSignals();
  TStopSignals(const TStopSignals&) = delete;
  TStopSignals& operator=(const TStopSignals&) = delete;

  // True once a stop signal arrived while an object existed.
  static bool Requested();
  // The signal that asked to stop (0 when none did).
  static int Signal();

 private:
  struct sigaction old_int_ {};
  struct sigaction old_term_ {};
};

}  // namespace nalo
