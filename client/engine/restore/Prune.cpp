#include "client/engine/restore/Prune.h"

#include <algorithm>
#include <map>

#include "client/engine/Clock.h"
#include "client/engine/History.h"
#include "client/engine/PathUtil.h"
#include "client/engine/restore/HistoryName.h"

namespace vl {
namespace {

constexpr int64_t kSecondsPerDay = 86400;

struct PruneRule {
  int keepNewest;
  int olderThanDays;
  int64_t nowSeconds;
};

bool NewerFirst(const FileVersion& a, const FileVersion& b) {
  if (a.stamp != b.stamp) return a.stamp > b.stamp;
  return a.number > b.number;
}

bool RuleLetsGo(const PruneRule& rule, size_t newerCopies, const FileVersion& copy) {
  if (rule.keepNewest < 0 && rule.olderThanDays < 0) return false;
  if (rule.keepNewest >= 0 && newerCopies < static_cast<size_t>(rule.keepNewest)) return false;
  if (rule.olderThanDays < 0) return true;
  LocalTime stamped;
  ParseHistoryStamp(copy.stamp, stamped);
  return LocalTimeSeconds(stamped) < rule.nowSeconds - rule.olderThanDays * kSecondsPerDay;
}

void NoteUnread(PrunePlan& plan, const String& folder, const FsResult& result) {
  if (plan.result.Ok()) plan.result = result;
  plan.unreadFolders.push_back(folder);
}

// Decides on the history copies in one history folder, file by file.
void PlanHistoryFolder(const IFileSystem& fs, const String& folder, const PruneRule& rule,
                       PrunePlan& plan) {
  std::vector<FolderEntry> entries;
  const FsResult listed = fs.ListFolder(folder, entries);
  if (!listed) return NoteUnread(plan, folder, listed);
  std::map<String, std::vector<FileVersion>> byFile;
  for (const FolderEntry& entry : entries) {
    HistoryName parsed;
    if (entry.isFolder || !ParseHistoryName(entry.name, parsed)) continue;
    FileVersion copy;
    copy.path = entry.path;
    copy.stamp = parsed.stamp;
    copy.number = parsed.number;
    copy.size = entry.size;
    byFile[FoldName(parsed.original)].push_back(std::move(copy));
  }
  for (auto& [name, copies] : byFile) {
    std::sort(copies.begin(), copies.end(), NewerFirst);
    for (size_t i = 0; i < copies.size(); ++i) {
      if (!RuleLetsGo(rule, i, copies[i])) {
        ++plan.keptFiles;
        continue;
      }
      plan.bytes += copies[i].size;
      plan.remove.push_back(std::move(copies[i]));
    }
  }
}

void PlanTree(const IFileSystem& fs, const String& folder, const PruneRule& rule,
              PrunePlan& plan) {
  std::vector<FolderEntry> entries;
  const FsResult listed = fs.ListFolder(folder, entries);
  if (!listed) return NoteUnread(plan, folder, listed);
  for (const FolderEntry& entry : entries) {
    if (!entry.isFolder) continue;
    if (IsHistoryFolderName(entry.name)) {
      PlanHistoryFolder(fs, entry.path, rule, plan);
    } else {
      PlanTree(fs, entry.path, rule, plan);
    }
  }
}

// Whether path is still what a plan may remove: a history copy's name in a history folder.
bool IsHistoryCopyPath(const String& path) {
  HistoryName parsed;
  return IsHistoryFolderName(PathLastPart(PathBeforeLastPart(path))) &&
         ParseHistoryName(PathLastPart(path), parsed);
}

}  // namespace

PrunePlan PlanPrune(const IFileSystem& fs, const String& targetFolder, int keepNewest,
                    int olderThanDays, const IClock& clock) {
  const PruneRule rule{keepNewest, olderThanDays, LocalTimeSeconds(clock.NowLocal())};
  PrunePlan plan;
  PlanTree(fs, targetFolder, rule, plan);
  return plan;
}

PruneOutcome CarryOutPrune(IFileSystem& fs, const PrunePlan& plan) {
  PruneOutcome outcome;
  for (const FileVersion& copy : plan.remove) {
    if (!IsHistoryCopyPath(copy.path)) continue;
    const FsResult removed = fs.RemoveFile(copy.path);
    if (removed) {
      ++outcome.files;
      outcome.bytes += copy.size;
    } else if (!removed.Missing()) {
      if (outcome.result.Ok()) outcome.result = removed;
      outcome.failedPaths.push_back(copy.path);
    }
  }
  return outcome;
}

}  // namespace vl
