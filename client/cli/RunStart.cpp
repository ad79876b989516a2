#include "client/cli/RunStart.h"

#include "client/cli/CliFailure.h"
#include "client/engine/SourceRecognition.h"
#include "client/engine/TargetCheck.h"
#include "client/engine/TextFormat.h"
#include "client/engine/TextProvider.h"
#include "client/model/SourceList.h"
#include "client/platform/FileSystemWin32.h"

namespace vl {

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

String PrepareTarget(platform::FileSystemWin32& fs, const String& setTarget,
                     const String& dataFolder) {
  const String target = setTarget.empty() ? DefaultTargetFolder(dataFolder) : setTarget;
  if (!IsTargetReachable(fs, target)) fs.CreateFolder(target);
  return target;
}

}  // namespace vl
