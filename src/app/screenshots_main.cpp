// nalo-screenshots OUT_DIR: renders the windows of the desktop program into PNG
// files in OUT_DIR. A separate program, so the shipped nalo carries none of it.
#include <QApplication>
#include <cstdio>

#include "app/main_window.h"
#include "app/screenshots.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(nalo::kAppTitle));
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() != 2 || arguments[1].startsWith(QChar('-'))) {
    std::fprintf(stderr, "usage: nalo-screenshots OUT_DIR\n");
    return 2;
  }
  return nalo::RenderScreenshots(arguments[1]);
}
