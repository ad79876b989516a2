#include "client/engine/JobExecutor.h"

#include "client/engine/BackupEngine.h"
#include "client/engine/FileCopy.h"
#include "client/engine/JobActions.h"
#include "client/engine/PartialCopy.h"
#include "client/engine/TreeRemoval.h"
#include "client/model/JobItem.h"
#include "core/fs/FileSystem.h"

namespace vl {

CJobExecutor::CJobExecutor(CBackupEngine& engine, int32_t historyMode)
    : m_engine(engine), m_copies(engine, historyMode) {}

void CJobExecutor::Finish() { m_copies.AccountAll(); }

void CJobExecutor::Execute(const CJobItem& job) {
  if (job.isFolder) {
    ExecuteFolderJob(job);
  } else {
    ExecuteFileJob(job);
  }
}

void CJobExecutor::ExecuteFolderJob(const CJobItem& job) {
  if (m_engine.State().CancelRequested()) return;
  switch (job.action) {
    case JOB_CREATE_FOLDER: MakeTargetFolder(job); break;
    case JOB_EXISTING_FOLDER: ExecuteChildren(job); break;
    case JOB_DELETE_FOLDER: RemoveTargetTree(job); break;
    default: break;
  }
}

void CJobExecutor::ExecuteFileJob(const CJobItem& job) {
  if (m_engine.State().CancelRequested()) return;
  switch (job.action) {
    case JOB_NEW_FILE:
    case JOB_CHANGED_FILE: m_copies.Copy(job); break;
    case JOB_DELETE_FILE: RemoveTargetFile(job); break;
    case JOB_REMOVE_PARTIAL: RemovePartialCopy(m_engine.FileSystem(), job.targetPath()); break;
    default: break;
  }
}

// The children of a folder that could not be created cannot succeed; their bytes count as
// done so that the bar still reaches the end.
void CJobExecutor::MakeTargetFolder(const CJobItem& job) {
  m_copies.ShowProgress(job);
  const FsResult made = m_engine.FileSystem().CreateFolder(job.targetPath());
  if (made) {
    ++m_engine.State().stats.createdFolders;
    ExecuteChildren(job);
    return;
  }
  RecordError(job.targetPath(), IDS_ERROR_CREATE_FOLDER, made);
  m_engine.State().stats.doneBytes += FolderTotalSize(job);
  m_engine.UpdateProgress(job.name);
}

// The children exist for the analysis' counts; the tree goes at once. A removal stopped by
// the cancel flag is neither a deletion nor an error: the run ends as cancelled.
void CJobExecutor::RemoveTargetTree(const CJobItem& job) {
  CRunState& state = m_engine.State();
  const FsResult removed = DeleteTree(m_engine.FileSystem(), state, job.targetPath(), true);
  m_copies.AccountAll();
  if (removed) {
    ++state.stats.deletedFolders;
    state.deletedList.push_back(DeletedEntry{job.targetPath(), true});
  } else if (removed.error != FsError::Cancelled) {
    RecordError(job.sourcePath(), IDS_ERROR_DELETE_FOLDER, removed);
  }
  state.stats.doneBytes += FolderTotalSize(job);
}

void CJobExecutor::RemoveTargetFile(const CJobItem& job) {
  CRunState& state = m_engine.State();
  const FsResult removed = m_engine.FileSystem().RemoveFile(job.targetPath());
  m_copies.AccountAll();
  if (removed) {
    ++state.stats.deletedFiles;
    state.deletedList.push_back(DeletedEntry{job.targetPath(), false});
  } else {
    RecordError(job.sourcePath(), IDS_ERROR_DELETE_FILE, removed);
  }
  state.stats.doneBytes += static_cast<int64_t>(job.size);
}

void CJobExecutor::ExecuteChildren(const CJobItem& job) {
  for (const auto& child : job.children) Execute(*child);
}

// Earlier copies may still be under way; their records come first.
void CJobExecutor::RecordError(const String& path, TextId text, const FsResult& failure) {
  m_copies.AccountAll();
  m_engine.State().AddError(path, m_engine.Texts().Text(text), failure.systemCode);
}

}  // namespace vl
