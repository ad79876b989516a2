#pragma once
// Putting the downloaded files in place, in queue order: only files marked whole, each through
// the placer (which never deletes a destination first). A file that cannot be placed keeps its
// old version and the others still go; the user's cancel stops before the next file.
#include "updater/logic/UpdatePaths.h"
#include "updater/logic/UpdateQueue.h"
#include "updater/logic/UpdateServices.h"

namespace vl::updater {

// How many files were put in place.
int PutFilesInPlace(const UpdateQueue& queue, const UpdateFolders& folders, IFilePlacer& placer,
                    IUpdateView& view);

}  // namespace vl::updater
