#include "client/engine/History.h"

#include "client/engine/PathUtil.h"
#include "client/model/PathJoin.h"
#include "core/fs/FileSystem.h"

namespace vl {
namespace {

void AppendDigits(String& out, int value, int width) {
  String digits(static_cast<size_t>(width), VLT('0'));
  for (int i = width - 1; i >= 0; --i, value /= 10) {
    digits[static_cast<size_t>(i)] = static_cast<Char>(VLT('0') + value % 10);
  }
  out += digits;
}

}  // namespace

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

String HistoryFileName(StringView name, StringView stamp) {
  const size_t dot = name.rfind(VLT('.'));
  const StringView stem = dot == StringView::npos ? name : name.substr(0, dot);
  const StringView extension = dot == StringView::npos ? StringView() : name.substr(dot);
  String result(stem);
  result += VLT("_VL");
  result.append(stamp);
  result.append(extension);
  return result;
}

String MakeHistoryName(IFileSystem& fs, const IClock& clock, const String& targetPath) {
  const String history = model::JoinPath(PathBeforeLastPart(targetPath), HISTORY_FOLDER);
  fs.CreateFolder(history);
  const String stamp = HistoryStamp(clock.NowLocal());
  return model::JoinPath(history, HistoryFileName(PathLastPart(targetPath), stamp));
}

}  // namespace vl
