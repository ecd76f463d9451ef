// SIGINT and SIGTERM in the desktop program, sent by a real child process: they
// arrive on the event loop, and the main window then closes as its close button
// would, writing its settings; during an apply the batch stops and the window
// closes after it.
#include "app/quit_signals.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <csignal>

#include "app/main_window_fixture.h"
#include "settings/ini_file.h"

namespace nalo::test {
namespace {

// The child's shell sends `signal_number` to this process and ends.
void SignalFromChild(int signal_number) {
  const QString command =
      QStringLiteral("kill -%1 %2").arg(signal_number).arg(QCoreApplication::applicationPid());
  ASSERT_EQ(QProcess::execute(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command}), 0);
}

// Runs the event loop until `done` holds; a give-up limit fails the test rather
// than hanging it.
void RunUntil(const std::function<bool()>& done) {
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (done()) loop.quit();
  });
  poll.start(5);
  QTimer::singleShot(20000, &loop, &QEventLoop::quit);
  loop.exec();
}

TEST(QuitSignals, EachSignalArrivesOnTheEventLoop) {
  App();
  for (int signal_number : {SIGINT, SIGTERM}) {
    SCOPED_TRACE(signal_number);
    TQuitSignals quit;
    ASSERT_TRUE(quit.Installed());
    int received = 0;
    QObject::connect(&quit, &TQuitSignals::Received, [&](int n) { received = n; });
    SignalFromChild(signal_number);
    RunUntil([&] { return received != 0; });
    EXPECT_EQ(received, signal_number);
  }
}

class QuitSignalWindowTest : public TMainWindowFixture {};

TEST_F(QuitSignalWindowTest, TheWindowClosesAndWritesItsSettings) {
  MakeItems(Data(), {"a.txt"});
  auto w = Open(Data());
  TQuitSignals quit;
  QObject::connect(&quit, &TQuitSignals::Received, w.get(), [&w] { w->CloseFromSignal(); });
  SignalFromChild(SIGTERM);
  RunUntil([&] { return !w->isVisible(); });
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(TIniFile(IniPath()).ReadString("LastTimeFolder", "Path", ""), Data().toStdString());
}

// The signal comes while the confirmation window is open: the window is
// cancelled, nothing is renamed, and the main window closes after the run.
TEST_F(QuitSignalWindowTest, ASignalDuringTheConfirmationCancelsItAndCloses) {
  MakeItems(Data(), {"a_1.txt"});
  auto w = Open(Data());
  TQuitSignals quit;
  QObject::connect(&quit, &TQuitSignals::Received, w.get(), [&w] { w->CloseFromSignal(); });
  SetStringRule(*w, "_", "-");
  messenger_.OnExec = [](QDialog& d) {
    d.show();  // on screen as the modal run shows it
    SignalFromChild(SIGINT);
    bool rejected = false;
    QObject::connect(&d, &QDialog::rejected, [&rejected] { rejected = true; });
    RunUntil([&] { return rejected; });
    EXPECT_TRUE(rejected);
    return rejected ? static_cast<int>(QDialog::Rejected) : static_cast<int>(QDialog::Accepted);
  };
  w->btn_ActionClick();
  RunUntil([&] { return !w->isVisible(); });
  EXPECT_FALSE(w->isVisible());
  EXPECT_TRUE(QFileInfo::exists(QDir(Data()).filePath("a_1.txt")));
}

}  // namespace
}  // namespace nalo::test
