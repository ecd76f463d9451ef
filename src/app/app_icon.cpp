#include "app/app_icon.h"

#include <QDir>

namespace nalo {

QIcon AppIcon() {
  QIcon icon;
  const QDir folder(QStringLiteral(":/icons"));
  for (const QString& name : folder.entryList({QStringLiteral("nalo-*.png")}, QDir::Files)) {
    icon.addFile(folder.filePath(name));
  }
  return icon;
}

}  // namespace nalo
