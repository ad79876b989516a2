#include "client/engine/Analyser.h"

#include "client/engine/FolderIndex.h"
#include "client/engine/History.h"
#include "client/engine/ItemPath.h"
#include "client/engine/JobActions.h"
#include "client/engine/PartialCopy.h"
#include "client/engine/PathUtil.h"
#include "client/engine/Progress.h"
#include "client/model/JobItem.h"
#include "client/model/PathJoin.h"
#include "client/model/Source.h"
#include "core/fs/FileSystem.h"

namespace vl {

CAnalyser::CAnalyser(const IFileSystem& fs, CRunState& run, CRunProgress& progress,
                     const ITextProvider& texts)
    : m_fs(fs), m_run(run), m_progress(progress), m_texts(texts), m_volumes(fs) {}

int CAnalyser::AnalyseItem(const CSource& item, const String& sourcePath, const String& name,
                           const String& targetPath, JobList& jobList) {
  if (m_run.CancelRequested()) return 1;
  m_progress.ShowAnalyzing(name, sourcePath);
  m_targetKey = item.targetFolder.empty() ? String()
                                           : FoldName(CanonicalItemPath(item.targetFolder));
  m_targetName = PathLastPart(m_targetKey);
  if (item.IsFile(m_fs)) {
    AnalyseFileItem(item, sourcePath, name, targetPath, jobList);
  } else {
    AnalyseFolderItem(item, sourcePath, name, targetPath, jobList);
  }
  return 1;
}

// A file item's partial copy lies in the target folder, which no folder walk lists.
void CAnalyser::AnalyseFileItem(const CSource& item, const String& sourcePath,
                                const String& name, const String& targetPath, JobList& jobList) {
  FileStatus source;
  FileStatus target;
  for (const String& partial : {PartialCopyPath(targetPath), SetAsidePath(targetPath)}) {
    if (m_fs.GetStatus(partial, target) && !target.IsFolder()) {
      AppendPartialRemoval(jobList, FolderEntry{PathLastPart(partial), partial, false, 0});
    }
  }
  if (!item.targetExists) {
    if (m_fs.GetStatus(sourcePath, source)) {
      Append(jobList, JOB_NEW_FILE, name, sourcePath, targetPath, source.size);
    }
    return;
  }
  if (!m_fs.GetStatus(sourcePath, source) || !m_fs.GetStatus(targetPath, target)) return;
  if (target.IsFolder()) {
    ReplaceFolderByFile(sourcePath, name, item.targetFolder, source.size, jobList, item);
  } else if (!IsSameFile(m_fs, m_volumes, sourcePath, targetPath)) {
    Append(jobList, JOB_CHANGED_FILE, name, sourcePath, targetPath, source.size);
  }
}

void CAnalyser::AnalyseFolderItem(const CSource& item, const String& sourcePath,
                                  const String& name, const String& targetPath,
                                  JobList& jobList) {
  if (item.targetExists) {
    AnalyseExistingFolderItem(item, sourcePath, name, targetPath, jobList);
    return;
  }
  if (!ReadsAsFolder(sourcePath)) return;
  CJobItem& job = Append(jobList, JOB_CREATE_FOLDER, name, sourcePath, targetPath, 0);
  FillNewFolder(sourcePath, targetPath, job, item);
}

// A root's status may not be readable at all; its path alone says it is a folder.
void CAnalyser::AnalyseExistingFolderItem(const CSource& item, const String& sourcePath,
                                          const String& name, const String& targetPath,
                                          JobList& jobList) {
  if (!EndsWithBackslash(sourcePath) && !ReadsAsFolder(sourcePath)) return;
  FileStatus target;
  if (!EndsWithBackslash(targetPath)) {
    if (!m_fs.GetStatus(targetPath, target)) return;
    if (!target.IsFolder()) {
      // The target folder itself cannot be swapped for a root's contents.
      if (name.empty()) return RecordError(sourcePath, IDS_ERROR_KIND_CHANGED);
      return ReplaceFileByFolder(sourcePath, name, item.targetFolder, target.size, jobList, item);
    }
  }
  CJobItem& job = Append(jobList, JOB_EXISTING_FOLDER, name, sourcePath, targetPath, 0);
  FillBothFolders(sourcePath, targetPath, job, item);
}

bool CAnalyser::ReadsAsFolder(const String& path) const {
  FileStatus status;
  return m_fs.GetStatus(path, status) && status.IsFolder();
}

void CAnalyser::WalkNewFolder(const String& sourcePath, const String& name,
                              const String& parentTargetPath, JobList& list,
                              const CSource& item) {
  if (!BeginWalk(sourcePath, name)) return;
  const String targetPath = model::JoinPath(parentTargetPath, name);
  CJobItem& job = Append(list, JOB_CREATE_FOLDER, name, sourcePath, targetPath, 0);
  FillNewFolder(sourcePath, targetPath, job, item);
}

void CAnalyser::WalkBothFolders(const String& sourcePath, const String& name,
                                const String& parentTargetPath, JobList& list,
                                const CSource& item) {
  if (!BeginWalk(sourcePath, name)) return;
  const String targetPath = model::JoinPath(parentTargetPath, name);
  CJobItem& job = Append(list, JOB_EXISTING_FOLDER, name, sourcePath, targetPath, 0);
  FillBothFolders(sourcePath, targetPath, job, item);
}

// The source is gone, so nothing below it can exist either: no source path is asked for.
// Partial copies go with the tree and are not the user's deletions.
void CAnalyser::WalkTargetOnlyFolder(const String& sourcePath, const String& name,
                                     const String& parentTargetPath, JobList& list,
                                     const CSource& item, uint32_t action) {
  if (!BeginWalk(sourcePath, name)) return;
  const String targetPath = model::JoinPath(parentTargetPath, name);
  std::vector<FolderEntry> entries;
  if (!ListOrRecord(targetPath, entries)) return;
  CJobItem& job = Append(list, action, name, sourcePath, targetPath, 0);
  for (const FolderEntry& entry : entries) {
    const String entrySource = model::JoinPath(sourcePath, entry.name);
    if (entry.isFolder) {
      WalkTargetOnlyFolder(entrySource, entry.name, targetPath, job.children, item, action);
    } else if (!IsPartialCopyName(entry.name)) {
      Append(job.children, JOB_DELETE_FILE, entry.name, entrySource, entry.path, entry.size);
    }
  }
}

void CAnalyser::ReplaceFolderByFile(const String& sourcePath, const String& name,
                                    const String& parentTargetPath, uint64_t size,
                                    JobList& list, const CSource& item) {
  if (!item.mirror) return RecordError(sourcePath, IDS_ERROR_KIND_CHANGED);
  const size_t before = list.size();
  WalkTargetOnlyFolder(sourcePath, name, parentTargetPath, list, item, JOB_DELETE_FOLDER);
  if (list.size() == before) return;  // the folder could not be read, so it stays
  Append(list, JOB_NEW_FILE, name, sourcePath, model::JoinPath(parentTargetPath, name), size);
}

void CAnalyser::ReplaceFileByFolder(const String& sourcePath, const String& name,
                                    const String& parentTargetPath, uint64_t targetSize,
                                    JobList& list, const CSource& item) {
  if (!item.mirror) return RecordError(sourcePath, IDS_ERROR_KIND_CHANGED);
  Append(list, JOB_DELETE_FILE, name, sourcePath, model::JoinPath(parentTargetPath, name),
         targetSize);
  WalkNewFolder(sourcePath, name, parentTargetPath, list, item);
}

bool CAnalyser::BeginWalk(const String& sourcePath, const String& name) {
  if (m_run.CancelRequested()) return false;
  m_progress.ShowAnalyzing(name, sourcePath);
  return true;
}

CJobItem& CAnalyser::Append(JobList& list, uint32_t action, const String& name,
                            const String& sourcePath, const String& targetPath, uint64_t size) {
  auto job = std::make_unique<CSyncItem>();
  job->action = action;
  job->isFolder = IsFolderAction(action) ? 1 : 0;
  job->isNew = IsNewAction(action) ? 1 : 0;
  job->name = name;
  job->SetPaths(sourcePath, targetPath);
  job->size = job->isFolder ? 0 : size;

  RunStats& stats = m_run.stats;
  ++stats.jobCount;
  if (job->isFolder) {
    ++stats.folderCount;
  } else {
    ++stats.fileCount;
    stats.totalBytes += static_cast<int64_t>(job->size);
  }
  list.push_back(std::move(job));
  return *list.back();
}

// Not counted: the figures are the user's files.
void CAnalyser::AppendPartialRemoval(JobList& list, const FolderEntry& entry) {
  auto job = std::make_unique<CSyncItem>();
  job->action = JOB_REMOVE_PARTIAL;
  job->name = entry.name;
  job->SetPaths(String(), entry.path);
  list.push_back(std::move(job));
}

bool CAnalyser::ListOrRecord(const String& folder, std::vector<FolderEntry>& entries) {
  const FsResult listed = m_fs.ListFolder(folder, entries);
  if (listed) return true;
  RecordError(folder, IDS_ERROR_READ_FOLDER, listed.systemCode);
  return false;
}

void CAnalyser::RecordError(const String& path, TextId text, uint32_t systemCode) {
  m_run.AddError(path, m_texts.Text(text), systemCode);
}

// History folders and partial copies are the backup's own; the target folder, where it lies
// inside an item, would otherwise be copied into itself.
bool CAnalyser::IsSkippedSource(const FolderEntry& entry) const {
  if (!entry.isFolder) return IsPartialCopyName(entry.name);
  if (IsHistoryFolderName(entry.name)) return true;
  // Only a folder of the target's own name can be it; the others need no full path compared.
  return !m_targetKey.empty() && EqualsNoCase(entry.name, m_targetName) &&
         FoldName(CanonicalItemPath(entry.path)) == m_targetKey;
}

void CAnalyser::FillNewFolder(const String& sourcePath, const String& targetPath,
                              CJobItem& folder, const CSource& item) {
  std::vector<FolderEntry> entries;
  if (!ListOrRecord(sourcePath, entries)) return;
  for (const FolderEntry& entry : entries) {
    if (IsSkippedSource(entry)) continue;
    if (entry.isFolder) {
      WalkNewFolder(entry.path, entry.name, targetPath, folder.children, item);
    } else {
      Append(folder.children, JOB_NEW_FILE, entry.name, entry.path,
             model::JoinPath(targetPath, entry.name), entry.size);
    }
  }
}

// Each side is listed once and serves both passes: the copies look up their counterparts in
// the target's listing, the deletions theirs in the source's.
void CAnalyser::FillBothFolders(const String& sourcePath, const String& targetPath,
                                CJobItem& folder, const CSource& item) {
  std::vector<FolderEntry> sourceEntries;
  std::vector<FolderEntry> targetEntries;
  if (!ListOrRecord(sourcePath, sourceEntries) || !ListOrRecord(targetPath, targetEntries)) return;
  const FolderIndex source(sourcePath, std::move(sourceEntries));
  const FolderIndex target(targetPath, std::move(targetEntries));
  RemovePartials(target, folder);
  CopyPass(source, target, folder, item);
  DeletePass(source, target, folder, item);
}

// Before the copies, which write under the same names.
void CAnalyser::RemovePartials(const FolderIndex& target, CJobItem& folder) {
  for (const FolderEntry& entry : target.Entries()) {
    if (!entry.isFolder && IsPartialCopyName(entry.name)) {
      AppendPartialRemoval(folder.children, entry);
    }
  }
}

void CAnalyser::CopyPass(const FolderIndex& source, const FolderIndex& target, CJobItem& folder,
                         const CSource& item) {
  for (const FolderEntry& entry : source.Entries()) {
    if (IsSkippedSource(entry)) continue;
    if (entry.isFolder) {
      CompareFolder(entry, target, folder.children, item);
    } else {
      CompareFile(entry, target, folder.children, item);
    }
  }
}

void CAnalyser::CompareFolder(const FolderEntry& entry, const FolderIndex& target, JobList& list,
                              const CSource& item) {
  bool targetIsFolder = false;
  if (!target.Find(entry.name, targetIsFolder)) {
    WalkNewFolder(entry.path, entry.name, target.Folder(), list, item);
  } else if (targetIsFolder) {
    WalkBothFolders(entry.path, entry.name, target.Folder(), list, item);
  } else {
    ReplaceFileByFolder(entry.path, entry.name, target.Folder(), target.Listed(entry.name)->size,
                        list, item);
  }
}

// Both listings carry each file's status, so comparing asks the file system nothing more. A
// source path too long to query never counts as copied, as its status could not be read. The
// target folder stands for the target file where only its volume matters.
void CAnalyser::CompareFile(const FolderEntry& entry, const FolderIndex& target, JobList& list,
                            const CSource& item) {
  const FolderEntry* counterpart = target.Readable(entry.name);
  if (counterpart == nullptr) {
    Append(list, JOB_NEW_FILE, entry.name, entry.path, model::JoinPath(target.Folder(), entry.name),
           entry.size);
  } else if (counterpart->isFolder) {
    ReplaceFolderByFile(entry.path, entry.name, target.Folder(), entry.size, list, item);
  } else if (entry.path.size() >= kMaxPathChars ||
             !IsSameFile(m_volumes, entry.path, entry.Status(), target.Folder(),
                         counterpart->Status())) {
    Append(list, JOB_CHANGED_FILE, entry.name, entry.path,
           model::JoinPath(target.Folder(), entry.name), entry.size);
  }
}

// Only a synchronizing run deletes; it also deletes history folders, which the source never
// has. An entry the source lists counts as present whatever its path's length: only a complete
// listing that lacks it says it is gone.
void CAnalyser::DeletePass(const FolderIndex& source, const FolderIndex& target,
                           CJobItem& folder, const CSource& item) {
  if (!item.mirror) return;
  for (const FolderEntry& entry : target.Entries()) {
    if (source.Listed(entry.name) != nullptr) continue;
    if (!entry.isFolder && IsPartialCopyName(entry.name)) continue;
    const String sourcePath = model::JoinPath(source.Folder(), entry.name);
    if (entry.isFolder) {
      WalkTargetOnlyFolder(sourcePath, entry.name, target.Folder(), folder.children, item,
                           JOB_DELETE_FOLDER);
    } else {
      Append(folder.children, JOB_DELETE_FILE, entry.name, sourcePath, entry.path, entry.size);
    }
  }
}

}  // namespace vl
