// A small hand-written reader: options with a value in the next argument or after
// "=", "--" ends the options, the first other argument is the folder.
#include "app/app_args.h"

#include <string_view>

namespace nalo {
namespace {

bool TakeValue(const QStringList& args, qsizetype& i, const QString& name,
               std::optional<QString>& out, QString& error) {
  const QString& arg = args[i];
  if (arg.startsWith(name + QChar('='))) {
    out = arg.mid(name.size() + 1);
    return true;
  }
  if (arg != name) return false;
  if (i + 1 >= args.size()) {
    error = name + QStringLiteral(" にはフォルダを指定してください。");
    return true;
  }
  out = args[++i];
  return true;
}

}  // namespace

TAppArgs ParseAppArgs(const QStringList& arguments) {
  TAppArgs result;
  bool options_end = false;
  for (qsizetype i = 0; i < arguments.size() && result.Error.isEmpty(); ++i) {
    const QString& arg = arguments[i];
    if (!options_end && arg == QStringLiteral("--")) {
      options_end = true;
      continue;
    }
    if (!options_end && TakeValue(arguments, i, QStringLiteral("--settings-dir"),
                                  result.SettingsDir, result.Error)) {
      continue;
    }
    if (!result.Folder) result.Folder = arg;
  }
  return result;
}

bool AsksForVersion(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--") return false;
    if (arg == "--version") return true;
  }
  return false;
}

}  // namespace nalo
