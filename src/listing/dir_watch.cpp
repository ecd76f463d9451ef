// The quiet delay: a notice moves the deadline, and the deadline passes once.
#include "listing/dir_watch.h"

namespace nalo {

bool TQuietDelay::Due(TClock::time_point now) {
  if (!deadline_ || now < *deadline_) return false;
  deadline_.reset();
  return true;
}

}  // namespace nalo
