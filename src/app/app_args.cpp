// A small hand-written reader: options with a value in the next argument or after
// "=", "--" ends the options, the first other argument is the folder.
#include "app/app_args.h"

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

std::optional<std::string> EarlyAnswer(int argc, char* argv[], std::string_view version) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--") break;
    if (arg == "--version") return "nalo " + std::string(version) + "\n";
    if (arg == "--help") {
      return "Usage: nalo [--settings-dir DIR] [FOLDER]\n"
             "Interactive batch renamer for files and folders.\n\n"
             "  FOLDER              the folder to list at start (else the folder listed last)\n"
             "  --settings-dir DIR  folder of Nalo.ini and the other settings files\n"
             "                      (else $NALO_SETTINGS_DIR or the usual place)\n"
             "  --version           print the version and exit\n"
             "  --help              print this help and exit\n\n"
             "The command-line program is nalo-cli. See nalo(1).\n";
    }
  }
  return std::nullopt;
}

}  // namespace nalo
