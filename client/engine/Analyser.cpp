#include "client/engine/Analyser.h"

#include "client/engine/FolderIndex.h"
#include "client/engine/History.h"
#include "client/engine/JobActions.h"
#include "client/engine/PathUtil.h"
#include "client/engine/Progress.h"
#include "client/model/JobItem.h"
#include "client/model/PathJoin.h"
#include "client/model/Source.h"
#include "core/fs/FileSystem.h"

namespace vl {

CAnalyser::CAnalyser(const IFileSystem& fs, CRunState& run, CRunProgress& progress)
    : m_fs(fs), m_run(run), m_progress(progress), m_volumes(fs) {}

int CAnalyser::AnalyseItem(const CSource& item, const String& sourcePath, const String& name,
                           const String& targetPath, JobList& jobList) {
  if (m_run.CancelRequested()) return 1;
  m_progress.ShowAnalyzing(name, sourcePath);
  if (item.IsFile(m_fs)) {
    AnalyseFileItem(item, sourcePath, name, targetPath, jobList);
  } else {
    AnalyseFolderItem(item, sourcePath, name, targetPath, jobList);
  }
  return 1;
}

void CAnalyser::AnalyseFileItem(const CSource& item, const String& sourcePath,
                                const String& name, const String& targetPath, JobList& jobList) {
  FileStatus source;
  FileStatus target;
  if (!item.targetExists) {
    if (m_fs.GetStatus(sourcePath, source)) {
      Append(jobList, JOB_NEW_FILE, name, sourcePath, targetPath, source.size);
    }
    return;
  }
  if (!m_fs.GetStatus(sourcePath, source) || !m_fs.GetStatus(targetPath, target)) return;
  if (!IsSameFile(m_fs, m_volumes, sourcePath, targetPath)) {
    Append(jobList, JOB_CHANGED_FILE, name, sourcePath, targetPath, source.size);
  }
}

void CAnalyser::AnalyseFolderItem(const CSource& item, const String& sourcePath,
                                  const String& name, const String& targetPath,
                                  JobList& jobList) {
  if (!item.targetExists) {
    if (!ReadsAsFolder(sourcePath)) return;
    CJobItem& job = Append(jobList, JOB_CREATE_FOLDER, name, sourcePath, targetPath, 0);
    FillNewFolder(sourcePath, targetPath, job, item);
    return;
  }
  // A root's status may not be readable at all; its path alone says it is a folder.
  const bool sourceOk = EndsWithBackslash(sourcePath) || ReadsAsFolder(sourcePath);
  const bool targetOk = EndsWithBackslash(targetPath) || ReadsAsFolder(targetPath);
  if (!sourceOk || !targetOk) return;
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
void CAnalyser::WalkTargetOnlyFolder(const String& sourcePath, const String& name,
                                     const String& parentTargetPath, JobList& list,
                                     const CSource& item, uint32_t action) {
  if (!BeginWalk(sourcePath, name)) return;
  const String targetPath = model::JoinPath(parentTargetPath, name);
  CJobItem& job = Append(list, action, name, sourcePath, targetPath, 0);
  std::vector<FolderEntry> entries;
  m_fs.ListFolder(targetPath, entries);
  for (const FolderEntry& entry : entries) {
    const String entrySource = model::JoinPath(sourcePath, entry.name);
    if (entry.isFolder) {
      WalkTargetOnlyFolder(entrySource, entry.name, targetPath, job.children, item, action);
    } else {
      Append(job.children, JOB_DELETE_FILE, entry.name, entrySource, entry.path, entry.size);
    }
  }
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
  job->sourcePath = sourcePath;
  job->targetPath = targetPath;
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

void CAnalyser::FillNewFolder(const String& sourcePath, const String& targetPath,
                              CJobItem& folder, const CSource& item) {
  std::vector<FolderEntry> entries;
  m_fs.ListFolder(sourcePath, entries);
  for (const FolderEntry& entry : entries) {
    if (!entry.isFolder) {
      Append(folder.children, JOB_NEW_FILE, entry.name, entry.path,
             model::JoinPath(targetPath, entry.name), entry.size);
    } else if (!IsHistoryFolderName(entry.name)) {
      WalkNewFolder(entry.path, entry.name, targetPath, folder.children, item);
    }
  }
}

// Each side is listed once and serves both passes: the copies look up their counterparts in
// the target's listing, the deletions theirs in the source's.
void CAnalyser::FillBothFolders(const String& sourcePath, const String& targetPath,
                                CJobItem& folder, const CSource& item) {
  const FolderIndex source(m_fs, sourcePath);
  const FolderIndex target(m_fs, targetPath);
  CopyPass(source, target, folder, item);
  DeletePass(source, target, folder, item);
}

void CAnalyser::CopyPass(const FolderIndex& source, const FolderIndex& target, CJobItem& folder,
                         const CSource& item) {
  for (const FolderEntry& entry : source.Entries()) {
    if (!entry.isFolder) {
      CompareFile(entry, target, folder.children);
      continue;
    }
    if (IsHistoryFolderName(entry.name)) continue;
    bool targetIsFolder = false;
    if (target.Find(entry.name, targetIsFolder)) {
      WalkBothFolders(entry.path, entry.name, target.Folder(), folder.children, item);
    } else {
      WalkNewFolder(entry.path, entry.name, target.Folder(), folder.children, item);
    }
  }
}

void CAnalyser::CompareFile(const FolderEntry& entry, const FolderIndex& target, JobList& list) {
  const String targetPath = model::JoinPath(target.Folder(), entry.name);
  bool targetIsFolder = false;
  if (!target.Find(entry.name, targetIsFolder)) {
    Append(list, JOB_NEW_FILE, entry.name, entry.path, targetPath, entry.size);
    return;
  }
  if (targetIsFolder || IsSameFile(m_fs, m_volumes, entry.path, targetPath)) return;
  Append(list, JOB_CHANGED_FILE, entry.name, entry.path, targetPath, entry.size);
}

// Only a synchronizing run deletes; it also deletes history folders, which the source never
// has, so the target's listing is taken as it is.
void CAnalyser::DeletePass(const FolderIndex& source, const FolderIndex& target,
                           CJobItem& folder, const CSource& item) {
  if (!item.mirror) return;
  for (const FolderEntry& entry : target.Entries()) {
    bool sourceIsFolder = false;
    if (source.Find(entry.name, sourceIsFolder)) continue;
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
