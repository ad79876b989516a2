#include "updater/logic/PutInPlace.h"

namespace vl::updater {

int PutFilesInPlace(const UpdateQueue& queue, const UpdateFolders& folders, IFilePlacer& placer,
                    IUpdateView& view) {
  int placed = 0;
  for (const CUpdateInfo& info : queue.files) {
    if (view.ShouldStop()) break;
    String workPath;
    if (!info.m_bDownloaded || !WorkPathFor(info.m_strFileName, folders, workPath)) continue;
    view.ShowStep(UpdateStep::Copying, info.m_strFileName);
    if (placer.Replace(workPath, info.m_strDestination, static_cast<uint64_t>(info.m_nSize)))
      ++placed;
  }
  return placed;
}

}  // namespace vl::updater
