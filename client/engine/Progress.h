#pragma once
// The run's progress display: one routine that the analysis, the copy and the run driver all
// go through, so the bar, the status line and the caption always agree.
#include <cstdint>

#include "client/engine/RunState.h"
#include "core/base/String.h"

namespace vl {

class CJobItem;
class IProgressView;
class ITextProvider;

// doneBytes as a whole percentage of totalBytes; 100 while there is nothing to copy.
int PercentDone(const RunStats& stats);

// The bytes of all file jobs below a folder job, at any depth.
int64_t FolderTotalSize(const CJobItem& job);

class CRunProgress {
 public:
  CRunProgress(CRunState& state, const ITextProvider& texts, IProgressView& view);

  // Shows the percentage with name, or with the previous name when name is empty (the copy's
  // progress routine does not know it).
  void UpdateProgress(const String& name);
  // The analysis status line, naming name or, for a drive or share root, path.
  void ShowAnalyzing(const String& name, const String& path);
  // The idle look: the title alone and an empty status line.
  void ShowIdle();

 private:
  CRunState& m_state;
  const ITextProvider& m_texts;
  IProgressView& m_view;
};

}  // namespace vl
