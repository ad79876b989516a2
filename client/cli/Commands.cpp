#include "client/cli/Commands.h"

#include "client/cli/Console.h"
#include "client/cli/SetJson.h"
#include "client/cli/SetLocation.h"
#include "client/model/BackupSetFile.h"
#include "win32/CodePage.h"
#include "win32/SetFileStoreWin32.h"

namespace vl {
namespace {

// The set in memory, loaded from its file or new.
struct LoadedSet {
  CSourceList items;
  CVaultlineDoc doc{items};
};

int Fail(const String& text) {
  WriteErr(L"vlbackup: " + text + L"\n");
  return kExitFailed;
}

// The framework's messages do not always name the file, so the line always starts with it.
int FailOnFile(const String& path, const String& message) { return Fail(path + L": " + message); }

bool Load(const CliCommand& command, LoadedSet& set, int& status) {
  SetLocation location;
  String error;
  if (!LocateSet(command.setFile, location, error)) {
    status = Fail(error);
    return false;
  }
  if (location.path.empty()) {
    set.doc.OnNewDocument(location.dataFolder);
    return true;
  }
  win32::SetFileStoreWin32 store;
  if (!LoadBackupSet(store, location.path, set.doc, error, win32::MakeAnsiDecoder())) {
    status = FailOnFile(location.path, error);
    return false;
  }
  return true;
}

int Show(const CliCommand& command) {
  if (!command.args.empty()) return Fail(L"show takes no arguments");
  LoadedSet set;
  int status = kExitOk;
  if (!Load(command, set, status)) return status;
  WriteOut(BackupSetToJson(set.doc));
  return kExitOk;
}

int Resave(const CliCommand& command) {
  if (command.args.size() != 1 || command.args[0].empty()) return Fail(L"resave needs one output file");
  LoadedSet set;
  int status = kExitOk;
  if (!Load(command, set, status)) return status;
  const String& out = command.args[0];
  win32::SetFileStoreWin32 store;
  const StoreResult result = store.WriteReplacing(out, StoreBackupSet(set.doc));
  if (!result.Ok()) return FailOnFile(out, StoreErrorMessage(result.error, out, true));
  return kExitOk;
}

}  // namespace

int RunCommand(const CliCommand& command) {
  if (command.verb == L"show") return Show(command);
  if (command.verb == L"resave") return Resave(command);
  WriteErr(L"vlbackup: unknown command " + command.verb + L"\n" + CliUsage());
  return kExitFailed;
}

}  // namespace vl
