// TQuitSignals: SIGINT and SIGTERM reach the desktop program's event loop. The
// handler only writes the signal's number into a pipe; a socket notifier on the
// pipe's other end emits Received on the user-interface thread, where the window
// can close as its close button would (and stop a batch first).
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace nalo {

class TQuitSignals : public QObject {
  Q_OBJECT
 public:
  // Installs the handlers; false from Installed when the pipe or a handler could
  // not be set up (the signals then end the program as usual).
  explicit TQuitSignals(QObject* parent = nullptr);
  // Puts the default handlers back.
  ~TQuitSignals() override;

  bool Installed() const { return notifier_ != nullptr; }

 signals:
  void Received(int signal_number);

 private:
  void ReadPipe();

  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace nalo
