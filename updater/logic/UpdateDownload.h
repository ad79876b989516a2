#pragma once
// The download: each queued file into the working folder, in blocks, with the progress bar
// following the bytes of all files together. A file whose address cannot be opened is skipped;
// a file that arrives broken, of another length or with another digest stays unmarked (and is
// removed), so it is never put in place. A local file that cannot be made or written, or the
// user's cancel, ends the whole download.
#include <cstddef>

#include "updater/logic/UpdatePaths.h"
#include "updater/logic/UpdateQueue.h"
#include "updater/logic/UpdateServices.h"

namespace vl::updater {

constexpr size_t kDownloadBlockBytes = 65536;
constexpr unsigned kPauseBeforeFileMs = 500;

// False when the queue is empty or the download ended early as above; true when every file was
// tried (the files to put in place are those marked m_bDownloaded).
bool RunDownload(UpdateQueue& queue, const UpdateFolders& folders, UpdateServices& services);

}  // namespace vl::updater
