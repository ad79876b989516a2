#include "client/engine/SourceRegistration.h"

#include <memory>

#include "client/engine/PathUtil.h"
#include "client/engine/RunState.h"
#include "client/engine/SourceRecognition.h"
#include "client/model/SourceList.h"

namespace vl {
namespace {

bool IsRegistered(const CSourceList& items, const CSource& candidate) {
  for (const auto& item : items) {
    if (item->volumeSerial == candidate.volumeSerial && EqualsNoCase(item->path, candidate.path))
      return true;
  }
  return false;
}

}  // namespace

AddSourceResult AddSourceItem(CSourceList& items, const String& path, const IFileSystem& fs,
                              CRunState& run) {
  auto item = std::make_unique<CSource>();
  item->path = path;
  item->volumeSerial = VolumeSerialOf(fs, path);
  if (IsRegistered(items, *item)) return AddSourceResult{};
  item->recognized = 1;
  items.AddTail(std::move(item));
  AddSourceResult result;
  result.added = true;
  result.index = items.GetCount() - 1;
  run.runItemIndex = static_cast<int32_t>(result.index);
  return result;
}

}  // namespace vl
