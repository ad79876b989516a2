#pragma once
// The execution phase: carries out the analysed jobs in order. A failed job becomes an error
// record and the run goes on; only the cancel flag stops it, checked as each job starts. Small
// files are copied while the next jobs go on (CopyPipeline.h); everything is still accounted
// for in job order.
#include <cstdint>

#include "client/engine/CopyPipeline.h"
#include "client/engine/TextProvider.h"
#include "core/base/String.h"
#include "core/fs/FileSystem.h"

namespace vl {

class CBackupEngine;
class CJobItem;

class CJobExecutor {
 public:
  // historyMode: the settings' m_nHistoryMode (HISTORY_MODE_ARCHIVE keeps replaced versions).
  CJobExecutor(CBackupEngine& engine, int32_t historyMode);

  // Either of the two below, by the job's kind.
  void Execute(const CJobItem& job);
  void ExecuteFolderJob(const CJobItem& job);
  void ExecuteFileJob(const CJobItem& job);
  // Waits for the copies still under way and accounts for them; the run calls it last.
  void Finish();

 private:
  void MakeTargetFolder(const CJobItem& job);
  void RemoveTargetTree(const CJobItem& job);
  void RemoveTargetFile(const CJobItem& job);
  void ExecuteChildren(const CJobItem& job);
  void RecordError(const String& path, TextId text, const FsResult& failure);

  CBackupEngine& m_engine;
  CopyPipeline m_copies;
};

}  // namespace vl
