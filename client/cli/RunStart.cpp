#include "client/cli/RunStart.h"

#include "client/cli/CliFailure.h"
#include "client/engine/SourceRecognition.h"
#include "client/engine/TargetCheck.h"
#include "client/engine/TextFormat.h"
#include "client/engine/TextProvider.h"
#include "client/model/SourceList.h"
#include "client/platform/FileSystemWin32.h"
#include "win32/SystemMessage.h"

namespace vl {
namespace {

// A folder that is there but does not answer makes its creation fail as "already exists";
// its own status then tells the real reason (access denied, say).
uint32_t UnreachableCode(const platform::FileSystemWin32& fs, const String& target,
                         const FsResult& created) {
  FileStatus status;
  const FsResult asked = fs.GetStatus(target, status);
  return asked.Ok() || asked.Missing() ? created.systemCode : asked.systemCode;
}

String SystemReason(uint32_t code) {
  const String text = win32::SystemMessageText(code);
  return text.empty() ? VLT("system error ") + DecimalText(code) : text;
}

}  // namespace

bool HasItemToRun(CSourceList& items, int32_t itemIndex, const platform::FileSystemWin32& fs,
                  const ITextProvider& texts) {
  const auto count = static_cast<int64_t>(items.GetCount());
  if (itemIndex >= count) {
    Fail(VLT("run: there is no item ") + DecimalText(itemIndex) + VLT("; the set has ") +
         DecimalText(count));
    return false;
  }
  const bool recognised =
      itemIndex < 0 ? RecognizeAll(items, fs, fs) != 0
                    : RecognizeSource(items.GetAt(static_cast<size_t>(itemIndex)), fs, fs);
  if (recognised) return true;
  Fail(texts.Text(IDS_MSG_SELECT_ITEM));
  return false;
}

bool PrepareTarget(platform::FileSystemWin32& fs, const String& setTarget,
                   const String& dataFolder, String& target) {
  target = setTarget.empty() ? DefaultTargetFolder(dataFolder) : setTarget;
  if (IsTargetReachable(fs, target)) return true;
  const FsResult created = fs.CreateFolder(target);
  if (created) return true;
  FailOnFile(target, VLT("the backup target can neither be reached nor created (") +
                         SystemReason(UnreachableCode(fs, target, created)) + VLT(")"));
  return false;
}

}  // namespace vl
