#include "client/engine/SourceRegistration.h"

#include <memory>

#include "client/engine/ItemPath.h"
#include "client/engine/ItemPlacement.h"
#include "client/engine/PathUtil.h"
#include "client/engine/RunState.h"
#include "client/engine/SourceRecognition.h"
#include "client/model/SourceList.h"

namespace vl {
namespace {

bool IsRegistered(const CSourceList& items, StringView path, uint32_t volumeSerial) {
  for (const auto& item : items) {
    if (IsSameSourceItem(*item, path, volumeSerial)) return true;
  }
  return false;
}

}  // namespace

bool IsSameSourceItem(const CSource& item, StringView path, uint32_t volumeSerial) {
  return item.volumeSerial == volumeSerial &&
         EqualsNoCase(CanonicalItemPath(item.path), CanonicalItemPath(path));
}

AddSourceResult AddSourceItem(CSourceList& items, const String& path, const String& targetFolder,
                              const IFileSystem& fs, CRunState& run) {
  auto item = std::make_unique<CSource>();
  item->path = CanonicalItemPath(path);
  item->volumeSerial = VolumeSerialOf(fs, item->path);
  AddSourceResult refused;
  if (IsRegistered(items, item->path, item->volumeSerial)) {
    refused.refusal = IDS_MSG_ALREADY_REGISTERED;
    return refused;
  }
  refused.refusal = NewItemRefusal(items, item->path, targetFolder);
  if (refused.refusal != 0) return refused;
  item->recognized = 1;
  items.AddTail(std::move(item));
  AddSourceResult result;
  result.added = true;
  result.index = items.GetCount() - 1;
  run.runItemIndex = static_cast<int32_t>(result.index);
  return result;
}

}  // namespace vl
