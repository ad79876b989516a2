#include "client/cli/CliArgs.h"

namespace vl {

bool ParseCliArgs(const std::vector<String>& argv, CliCommand& command, String& error) {
  command = CliCommand{};
  size_t i = 0;
  for (; i < argv.size() && command.verb.empty(); ++i) {
    const String& arg = argv[i];
    if (arg == VLT("--set")) {
      if (i + 1 >= argv.size() || argv[i + 1].empty()) {
        error = VLT("--set needs a file name");
        return false;
      }
      command.setFile = argv[++i];
    } else if (!arg.empty() && arg[0] == VLT('-')) {
      error = VLT("unknown option ") + arg;
      return false;
    } else {
      command.verb = arg;
    }
  }
  if (command.verb.empty()) {
    error = VLT("no command given");
    return false;
  }
  command.args.assign(argv.begin() + static_cast<std::ptrdiff_t>(i), argv.end());
  return true;
}

String CliUsage() {
  return VLT(
      "usage: vlbackup [--set FILE] COMMAND\n"
      "  show          print the backup set as JSON (UTF-8)\n"
      "  resave OUT    write the loaded set to OUT in the set-file format\n"
      "  add PATH      add a folder or file as a backup item; the set is saved at once\n"
      "  remove INDEX  remove the item at INDEX (0 is the first item show lists); saved\n"
      "  target PATH   back up into the folder PATH from now on; saved\n"
      "  settings      the set's settings, one \"name: value\" line each\n"
      "  settings set NAME VALUE\n"
      "                change one setting; saved: auto on|off, mode periodic|idle|realtime,\n"
      "                period HOURS (1-24), idle MINUTES (1-120), history archive|overwrite,\n"
      "                autoconnect on|off\n"
      "  plan [--sync] [--json] [--stats]\n"
      "                what a backup would do: the counters, or with --json the job tree\n"
      "                and the counters; --sync plans deletions of what the source lacks;\n"
      "                --stats adds the process's peak memory on stderr\n"
      "  run [--sync] [--item N] [--json]\n"
      "                back up every item (or only item N) into the target, with the\n"
      "                progress on stderr and the report on stdout (--json: as JSON);\n"
      "                --sync also deletes from the target what the source no longer has.\n"
      "                Ctrl+C cancels. Exit status: 0 done, 2 done with errors,\n"
      "                3 cancelled, 1 could not run\n"
      "  versions PATH [--json]\n"
      "                the kept versions of PATH: \"current\" or the history copy's time,\n"
      "                the size and the copy's path, newest first\n"
      "  restore PATH [--version STAMP | --latest] [--to FOLDER] [--replace]\n"
      "                copy a version of PATH back (the current copy unless --version or\n"
      "                --latest, the newest history copy); into FOLDER with --to, else to\n"
      "                PATH only where nothing is or with --replace, which first keeps the\n"
      "                replaced file as a history copy. Exit status: 0 done, 1 refused or\n"
      "                could not run, 2 done with errors\n"
      "  history prune [--keep N] [--older-than DAYS] [--dry-run]\n"
      "                remove the history copies beyond the N newest of each file and/or\n"
      "                older than DAYS; never a current copy; --dry-run only lists them\n"
      "add, remove, target, settings set, run, restore and history refuse while the Vaultline\n"
      "client is running.\n"
      "Without --set the client's own set is used: the first *.bsf in Config of the data folder.\n"
      "add, target and settings set start a new set for a --set FILE that does not exist\n"
      "yet.\n");
}

}  // namespace vl
