#pragma once
// The backup engine as the backup dialog (and the console tool) hold it: the run state plus
// the services a run works through. Everything a run touches outside the process goes
// through the file system, the text provider, the progress view and the clock given here.
#include "client/engine/Progress.h"
#include "client/engine/RunState.h"
#include "core/base/String.h"
#include "core/fs/FileSystem.h"

namespace vl {

class CSource;
class CSourceList;
class IClock;
class IFileSystem;
class IProgressView;
class ITextProvider;

class CBackupEngine {
 public:
  CBackupEngine(IFileSystem& fs, const ITextProvider& texts, IProgressView& view,
                const IClock& clock);
  CBackupEngine(const CBackupEngine&) = delete;
  CBackupEngine& operator=(const CBackupEngine&) = delete;

  CRunState& State() { return m_state; }
  const CRunState& State() const { return m_state; }
  CRunProgress& Progress() { return m_progress; }
  IFileSystem& FileSystem() const { return m_fs; }
  const ITextProvider& Texts() const { return m_texts; }
  const IClock& Clock() const { return m_clock; }

  void UpdateProgress(const String& name) { m_progress.UpdateProgress(name); }
  // Sets the item's sourceExists and targetExists; returns how the source's query went.
  FsResult ProbeItem(CSource& item) const;
  // Analyses one item into the run's job list, advancing the analysis counters. Returns 1.
  int AnalyseItem(const CSource& item, const String& sourcePath, const String& name,
                  const String& targetPath);
  // Analyses items[index], recognised already, as a run does: an item whose copy would share
  // a target folder with an earlier item's, or that lies inside the target, and an item that
  // cannot be read, become error records; a missing item is left alone. Returns whether the
  // item was analysed.
  bool AnalyseListedItem(CSourceList& items, size_t index, const String& targetFolder,
                         bool synchronize);

 private:
  IFileSystem& m_fs;
  const ITextProvider& m_texts;
  const IClock& m_clock;
  CRunState m_state;
  CRunProgress m_progress;
};

}  // namespace vl
