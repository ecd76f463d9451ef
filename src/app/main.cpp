// Start-up of the desktop program.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Nalo");
  QMainWindow window;
  window.setWindowTitle("Nalo");
  window.show();
  return app.exec();
}
