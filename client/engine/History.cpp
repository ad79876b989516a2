#include "client/engine/History.h"

#include "client/engine/PathUtil.h"
#include "client/model/PathJoin.h"
#include "core/fs/FileSystem.h"

namespace vl {
namespace {

// Replacements of one file within one second beyond this many mean something is wrong.
constexpr int kMaxNumberedNames = 100;

void AppendDigits(String& out, int value, int width) {
  String digits(static_cast<size_t>(width), VLT('0'));
  for (int i = width - 1; i >= 0; --i, value /= 10) {
    digits[static_cast<size_t>(i)] = static_cast<Char>(VLT('0') + value % 10);
  }
  out += digits;
}

}  // namespace

String HistoryFolderOf(const String& targetPath) {
  return model::JoinPath(PathBeforeLastPart(targetPath), HISTORY_FOLDER);
}

bool IsHistoryFolderName(StringView name) { return EqualsNoCase(name, HISTORY_FOLDER); }

String HistoryStamp(const LocalTime& time) {
  String stamp;
  AppendDigits(stamp, time.year, 4);
  AppendDigits(stamp, time.month, 2);
  AppendDigits(stamp, time.day, 2);
  AppendDigits(stamp, time.hour, 2);
  AppendDigits(stamp, time.minute, 2);
  AppendDigits(stamp, time.second, 2);
  return stamp;
}

String HistoryFileName(StringView name, StringView stamp, int number) {
  if (number > 1) {
    String numbered(stamp);
    numbered += VLT('_');
    AppendDigits(numbered, number, number < 10 ? 1 : number < 100 ? 2 : 3);
    return HistoryFileName(name, numbered);
  }
  const size_t dot = name.rfind(VLT('.'));
  const StringView stem = dot == StringView::npos ? name : name.substr(0, dot);
  const StringView extension = dot == StringView::npos ? StringView() : name.substr(dot);
  String result(stem);
  result += VLT("_VL");
  result.append(stamp);
  result.append(extension);
  return result;
}

HistoryMove MoveToHistory(IFileSystem& fs, const IClock& clock, const String& targetPath) {
  HistoryMove move;
  move.folder = HistoryFolderOf(targetPath);
  const FsResult made = fs.CreateFolder(move.folder);
  if (!made && made.error != FsError::AlreadyExists) {
    move.result = made;
    move.folderFailed = true;
    return move;
  }
  const String stamp = HistoryStamp(clock.NowLocal());
  const String name = PathLastPart(targetPath);
  for (int number = 1; number <= kMaxNumberedNames; ++number) {
    move.historyPath = model::JoinPath(move.folder, HistoryFileName(name, stamp, number));
    move.result = fs.MoveFileTo(targetPath, move.historyPath);
    if (move.result.error != FsError::AlreadyExists) break;
  }
  if (!move.result) move.historyPath.clear();
  return move;
}

}  // namespace vl
