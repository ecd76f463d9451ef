#include "cli/cli_parser.h"

namespace nalo::cli {
namespace {

void AddGlobalOptions(CLI::App& app, TGlobalArgs& g) {
  app.add_option("--settings-dir", g.SettingsDir,
                 "Folder of Nalo.ini and the other settings files (or NALO_SETTINGS_DIR)")
      ->envname("NALO_SETTINGS_DIR");
  app.add_option(
         "--encoding", g.Encoding,
         "Encoding of names read from --names-from and printed: utf8 or cp932 (rule arguments are always UTF-8)")
      ->check(CLI::IsMember({"utf8", "cp932"}));
}

void AddSelectionOptions(CLI::App* sub, TSelectionArgs& s) {
  const char* group = "Selection";
  sub->add_flag("--folders", s.Folders, "List folders instead of files")->group(group);
  sub->add_flag("--recursive", s.Recursive, "Include every sub-folder")->group(group);
  sub->add_option("--mask", s.Mask, "File-name masks, e.g. \"*.jpg;*.png\"")->group(group);
  sub->add_option("--contains", s.Contains, "Names must contain this text")->group(group);
  sub->add_flag("--contains-case", s.ContainsCase, "--contains is case-sensitive")->group(group);
  sub->add_option("--exclude", s.Exclude, "Names must not contain this text")->group(group);
  sub->add_flag("--exclude-case", s.ExcludeCase, "--exclude is case-sensitive")->group(group);
  sub->add_option("--min-size", s.MinSize, "Smallest size, in --unit")->group(group);
  sub->add_option("--max-size", s.MaxSize, "Largest size, in --unit")->group(group);
  sub->add_option("--unit", s.Unit, "Size unit: byte, KB or MB")
      ->check(CLI::IsMember({"byte", "KB", "MB"}))->group(group);
  sub->add_option("--since", s.Since, "Last written on or after YYYY-MM-DD")->group(group);
  sub->add_option("--until", s.Until, "Last written on or before YYYY-MM-DD")->group(group);
  sub->add_option("--sort", s.Sort, "Order: name, size, date or location")
      ->check(CLI::IsMember({"name", "size", "date", "location"}))->group(group);
  sub->add_flag("--desc", s.Desc, "Descending order (alone: the usual order reversed)")->group(group);
  sub->add_flag("--no-trim", s.NoTrim, "Keep blanks around base name and extension")->group(group);
}

// A two-value option whose values are taken as they are: without this CLI11
// would read "[]" as an empty list and "[a,b]" as two values.
CLI::Option* AddPairOption(CLI::App* sub, const char* name, std::vector<std::string>& values,
                           const char* help) {
  return sub->add_option(name, values, help)
      ->expected(2)
      ->allow_extra_args(false);
}

void AddRuleOptions(CLI::App* sub, TRuleArgs& r) {
  const char* group = "Rule (exactly one)";
  AddPairOption(sub, "--brackets", r.Brackets,
                "Replace bracket pair OLD by NEW; pairs are written \"()\", \"【】\"; NEW may be delete or delete-with-content")
      ->type_name("PAIR")
      ->group(group);
  AddPairOption(sub, "--replace", r.Replace,
                "Replace the string OLD by NEW (NEW may not be empty: delete with --replace-with-spaces OLD --count 0)")
      ->type_name("TEXT")
      ->group(group);
  sub->add_option("--replace-with-spaces", r.ReplaceWithSpaces, "Replace a string by --count spaces")->group(group);
  sub->add_option("--add", r.Add, "Add TEXT at --at")->group(group);
  sub->add_option("--add-info", r.AddInfo, "Add file information at --at: avi, date, image, mp3, folder")
      ->check(CLI::IsMember({"avi", "date", "image", "mp3", "folder"}))->group(group);
  sub->add_option("--number", r.Number, "Number the names: PREFIX + number + extension")->group(group);
  sub->add_option("--extension", r.Extension, "Replace the extension (with its dot, e.g. .txt)")->group(group);
  sub->add_option("--name-case", r.NameCase, "Base-name case: upper, lower, capitalize")
      ->check(CLI::IsMember({"upper", "lower", "capitalize"}))->group(group);
  sub->add_option("--ext-case", r.ExtCase, "Extension case: upper, lower, capitalize")
      ->check(CLI::IsMember({"upper", "lower", "capitalize"}))->group(group);
  sub->add_option("--convert", r.Convert, "half-to-full, full-to-half, hira-to-kata, kata-to-hira, trim")
      ->check(CLI::IsMember({"half-to-full", "full-to-half", "hira-to-kata", "kata-to-hira", "trim"}))
      ->group(group);
  sub->add_option("--move-bracket", r.MoveBracket, "Move the leading bracketed group (a pair, e.g. \"[]\") to --to")->group(group);
  sub->add_option("--move", r.Move, "Move the first occurrence of a string to --to")->group(group);
  sub->add_option("--perl", r.Perl, "Perl-style s/// or tr/// expression")->group(group);
  sub->add_option("--awk", r.Awk, "AWK-style pattern, replaced by --template")->group(group);
  sub->add_option("--from-settings", r.FromSettings, "The rule saved by the desktop program: replace, add, convert, move, regex")
      ->check(CLI::IsMember({"replace", "add", "convert", "move", "regex"}))->group(group);
  sub->add_flag("--fix-encoding", r.FixEncoding,
                "Rewrite names stored in legacy Shift-JIS (CP932) bytes as the same text in UTF-8")
      ->group(group);

  const char* mods = "Rule modifiers";
  sub->add_option("--count", r.Count, "Number of spaces for --replace-with-spaces (0-20; 0 deletes)")->group(mods);
  sub->add_flag("--full-width", r.FullWidth, "Full-width spaces for --replace-with-spaces")->group(mods);
  sub->add_flag("--case-sensitive", r.CaseSensitive, "Match case (--replace, --replace-with-spaces, --move)")->group(mods);
  sub->add_flag("--first-only", r.FirstOnly, "Only the first occurrence (or the leading bracket)")->group(mods);
  sub->add_option("--at", r.At, "Where to add: start, end, after-ext, before:S, after:S")->group(mods);
  sub->add_option("--to", r.To, "Where to move: start, end, after-ext, before:S, after:S")->group(mods);
  sub->add_option("--digits", r.Digits, "Minimum digits of --number (1-5)")->group(mods);
  sub->add_option("--start", r.Start, "First number of --number (0-99)")->group(mods);
  sub->add_option("--template", r.Template, "Replacement of --awk (& is the match)")->group(mods);
  sub->add_flag("--all", r.All, "--awk replaces every match, not only the first")->group(mods);
  sub->add_option("--not", r.Not, "Leave names containing this text unchanged (in the rules that use the exclusion condition)")->group(mods);
  sub->add_flag("--not-case", r.NotCase, "--not is case-sensitive")->group(mods);
}

// How names are written in tab-separated output, for the help of every command
// that prints them.
constexpr const char* kTsvEscapes =
    "In tab-separated output a name writes \\ as \\\\, TAB as \\t, CR as \\r, LF as \\n and\n"
    "any other control character as \\xHH, so one line is always one record.\n"
    "--null prints the names raw instead and ends every field with a NUL byte.\n";

void AddFormatOptions(CLI::App* sub, TCliArgs& a) {
  sub->add_option("--format", a.Format, "tsv or json (JSON is always UTF-8)")
      ->check(CLI::IsMember({"tsv", "json"}));
  sub->add_flag("--null,-0", a.Null, "Raw names, every field ended by a NUL byte (for scripts)");
}

CLI::App* AddList(CLI::App& app, TCliArgs& a) {
  CLI::App* sub = app.add_subcommand("list", "List the entries of a folder: name, size, date, location");
  sub->add_option("DIR", a.Dir, "Folder to list")->required();
  AddSelectionOptions(sub, a.Selection);
  AddFormatOptions(sub, a);
  sub->footer(std::string(kTsvEscapes) +
              "Examples:\n  nalo-cli list ~/Pictures --mask \"*.jpg;*.png\"\n"
              "  nalo-cli list . --recursive --sort size --desc --unit KB\n"
              "  nalo-cli list . --null | xargs -0 -n 4 printf '%s|%s|%s|%s\\n'");
  return sub;
}

CLI::App* AddPreview(CLI::App& app, TCliArgs& a) {
  CLI::App* sub = app.add_subcommand("preview", "Show old and new names a rule would give, renaming nothing");
  sub->add_option("DIR", a.Dir, "Folder to list");
  sub->add_option("--names-from", a.NamesFrom, "Read names from FILE (or - for standard input) instead of a folder");
  AddSelectionOptions(sub, a.Selection);
  AddRuleOptions(sub, a.Rule);
  AddFormatOptions(sub, a);
  sub->footer(
      "Output: old<TAB>new<TAB>folder<TAB>problem (exists, duplicate, invalid, too-long);\n" +
      std::string(kTsvEscapes) +
      "with --names-from the listed names stand in for the folder (no file is looked at).\n"
      "Examples:\n  nalo-cli preview . --replace \" \" \"_\"\n"
      "  ls | nalo-cli preview --names-from - --number Photo_ --digits 3 --start 1\n"
      "  nalo-cli preview . --awk \"[0-9]+\" --template \"<&>\" --all");
  return sub;
}

CLI::App* AddApply(CLI::App& app, TCliArgs& a) {
  CLI::App* sub = app.add_subcommand("apply", "Rename the entries of a folder by a rule");
  sub->add_option("DIR", a.Dir, "Folder to list")->required();
  AddSelectionOptions(sub, a.Selection);
  AddRuleOptions(sub, a.Rule);
  sub->add_flag("--yes,-y", a.Yes, "Do not ask for confirmation");
  sub->footer(
      "Shows the rows like preview, then asks on a terminal unless --yes is given.\n" +
      std::string(kTsvEscapes) +
      "Only one batch or undo runs at a time per settings folder; another one waits\n"
      "two seconds, then stops with a message. A batch that did not reach its end\n"
      "(a crash, a kill) must be undone or discarded (nalo-cli undo [--discard])\n"
      "before the next one. Ctrl-C ends the batch after the rename under way.\n"
      "Exit codes: 0 done, 1 nothing to rename, 2 usage or rule error, 3 some renames failed,\n"
      "128 + the signal when Ctrl-C or SIGTERM stopped it.\n"
      "Examples:\n  nalo-cli apply . --mask \"*.JPG\" --ext-case lower --yes\n"
      "  nalo-cli apply ~/music --add-info mp3 --at end");
  return sub;
}

CLI::App* AddUndo(CLI::App& app, TCliArgs& a) {
  CLI::App* sub = app.add_subcommand(
      "undo", "Undo the newest batch of the history not yet undone (also after a crash)");
  sub->add_flag("--yes,-y", a.Yes, "Do not ask for confirmation");
  sub->add_flag("--discard", a.Discard, "Give up that batch instead, so that undo can go past it");
  sub->footer(
      "Run again, undo goes on with the batch before (see nalo-cli history). An item whose\n"
      "name now holds another item, or that is gone, is given up and listed: the batch then\n"
      "counts as partly undone. An item that could not be moved back for a passing reason\n"
      "(permission, a missing folder, a taken name) is listed and the batch stays pending:\n"
      "the next undo tries it again first.\n"
      "Exit codes: 0 done, 1 nothing to undo, 2 another batch runs, 3 some items were not\n"
      "restored, 128 + the signal when Ctrl-C or SIGTERM stopped it.\n"
      "Examples:\n  nalo-cli undo --yes\n  nalo-cli undo --discard");
  return sub;
}

CLI::App* AddHistory(CLI::App& app, TCliArgs& a) {
  CLI::App* sub = app.add_subcommand("history", "List the last batches, newest first");
  AddFormatOptions(sub, a);
  sub->footer(
      "Output: number<TAB>time<TAB>folder<TAB>renamed<TAB>state, number 1 being the newest;\n"
      "state is finished, unfinished, interrupted, undo-pending, partly-undone, undone,\n"
      "discarded or damaged. The column names go to standard error.\n" +
      std::string(kTsvEscapes) +
      "The history keeps the last 20 batches besides one that runs or was cut short.\n"
      "Exit codes: 0 done, 1 no batch yet.\n"
      "Example:\n  nalo-cli history");
  return sub;
}

CLI::App* AddInfo(CLI::App& app, TCliArgs& a) {
  CLI::App* sub = app.add_subcommand("info", "Print the information text of each file by its template");
  sub->add_option("KIND", a.InfoKind, "avi, date, image, mp3 or folder")
      ->required()->check(CLI::IsMember({"avi", "date", "image", "mp3", "folder"}));
  sub->add_option("FILE", a.InfoFiles, "Files to read")->required();
  sub->footer("Example:\n  nalo-cli info image photo.jpg logo.png");
  return sub;
}

}  // namespace

TSubcommands BuildParser(CLI::App& app, TCliArgs& args) {
  app.footer(
      "Global options may also follow the subcommand. A value that begins with \"-\"\n"
      "is written --option=VALUE (e.g. --add=-draft).\n"
      "Exit codes: 0 done, 1 nothing to rename, 2 usage or rule error, 3 some renames failed\n"
      "(or not undone), 128 + the signal when Ctrl-C or SIGTERM stopped a batch.\n"
      "Examples:\n  nalo-cli list ~/Pictures --mask \"*.jpg\"\n"
      "  nalo-cli preview ~/Pictures --replace IMG_ Photo_\n"
      "  nalo-cli apply ~/Pictures --replace IMG_ Photo_ --yes && nalo-cli undo --yes");
  app.fallthrough();
  app.require_subcommand(1);
  AddGlobalOptions(app, args.Global);
  TSubcommands subs;
  subs.List = AddList(app, args);
  subs.Preview = AddPreview(app, args);
  subs.Apply = AddApply(app, args);
  subs.Undo = AddUndo(app, args);
  subs.History = AddHistory(app, args);
  subs.Info = AddInfo(app, args);
  return subs;
}

}  // namespace nalo::cli
