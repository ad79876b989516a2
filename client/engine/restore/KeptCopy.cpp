#include "client/engine/restore/KeptCopy.h"

#include "client/engine/History.h"
#include "client/engine/PathUtil.h"
#include "client/engine/SafeReplace.h"
#include "client/model/PathJoin.h"

namespace vl {
namespace {

// As many numbered names as MoveToHistory tries.
constexpr int kMaxNumberedNames = 100;

// The first history name of targetPath with stamp that nothing holds yet; empty when none.
String FreeHistoryPath(const IFileSystem& fs, const String& folder, const String& targetPath,
                       const String& stamp, FsResult& failure) {
  const String name = PathLastPart(targetPath);
  for (int number = 1; number <= kMaxNumberedNames; ++number) {
    const String path = model::JoinPath(folder, HistoryFileName(name, stamp, number));
    FileStatus status;
    const FsResult taken = fs.GetStatus(path, status);
    if (taken.Missing()) return path;
    if (!taken) {
      failure = taken;
      return String();
    }
  }
  failure = FsFailure(kSysFileExists);
  return String();
}

}  // namespace

FsResult KeepAsHistoryCopy(IFileSystem& fs, const IClock& clock, const String& file,
                           const String& targetPath, String& copyPath) {
  copyPath.clear();
  const String folder = HistoryFolderOf(targetPath);
  const FsResult made = fs.CreateFolder(folder);
  if (!made && made.error != FsError::AlreadyExists) return made;
  FsResult failure;
  const String path = FreeHistoryPath(fs, folder, targetPath, HistoryStamp(clock.NowLocal()),
                                      failure);
  if (path.empty()) return failure;
  const ReplaceOutcome kept =
      ReplaceFileSafely(fs, clock, file, path, HISTORY_MODE_OVERWRITE, true, CopyProgressFn());
  if (!kept.Ok()) return kept.result;
  copyPath = path;
  // As MoveToHistory leaves it: a read-only history copy would stop a prune from removing it.
  FileStatus status;
  if (fs.GetStatus(path, status) && (status.attributes & kAttrReadOnly) != 0) {
    fs.SetAttributes(path, status.attributes & ~uint32_t{kAttrReadOnly});
  }
  return kept.result;
}

}  // namespace vl
