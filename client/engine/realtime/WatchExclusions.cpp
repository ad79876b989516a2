#include "client/engine/realtime/WatchExclusions.h"

#include "client/engine/PathUtil.h"

namespace vl {
namespace {

const Char kCacheEnd[] = VLT("Temporary Internet Files");
// Folded as FoldName folds: the recycle bins of NTFS and of older FAT drives.
const Char kRecycleBin[] = VLT("\\$RECYCLE.BIN\\");
const Char kOldRecycler[] = VLT("\\RECYCLER\\S-");

String CutAfterCacheName(const String& cache) {
  const String cacheEnd = kCacheEnd;
  const size_t at = FoldName(cache).find(FoldName(cacheEnd));
  return at == String::npos ? cache : cache.substr(0, at + cacheEnd.size());
}

String WithFinalBackslash(const String& path) {
  return path.empty() || EndsWithBackslash(path) ? path : path + VLT("\\");
}

}  // namespace

std::vector<String> ExcludedFolders(const String& windows, const String& programFiles,
                                    const String& internetCache, const String& temp) {
  std::vector<String> folders;
  for (const String& folder :
       {windows, programFiles, CutAfterCacheName(internetCache), WithFinalBackslash(temp)}) {
    if (!folder.empty()) folders.push_back(folder);
  }
  return folders;
}

WatchExclusions::WatchExclusions(const std::vector<String>& folders) {
  for (const String& folder : folders) {
    if (!folder.empty()) m_folded.push_back(FoldName(folder));
  }
}

bool WatchExclusions::Excludes(StringView path) const {
  const String folded = FoldName(path);
  for (const String& prefix : m_folded) {
    if (folded.compare(0, prefix.size(), prefix) == 0) return true;
  }
  return folded.find(kRecycleBin) != String::npos || folded.find(kOldRecycler) != String::npos;
}

}  // namespace vl
