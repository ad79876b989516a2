#include "client/engine/Progress.h"

#include "client/engine/ProgressView.h"
#include "client/engine/TextFormat.h"
#include "client/engine/TextProvider.h"
#include "client/model/JobItem.h"

namespace vl {

int PercentDone(const RunStats& stats) {
  if (stats.totalBytes == 0) return 100;
  return static_cast<int>(stats.doneBytes * 100 / stats.totalBytes);
}

int64_t FolderTotalSize(const CJobItem& job) {
  int64_t total = 0;
  for (const auto& child : job.children) total += static_cast<int64_t>(child->TotalSize());
  return total;
}

CRunProgress::CRunProgress(CRunState& state, const ITextProvider& texts, IProgressView& view)
    : m_state(state), m_texts(texts), m_view(view) {}

void CRunProgress::UpdateProgress(const String& name) {
  if (!name.empty()) m_state.currentName = name;
  const int percent = PercentDone(m_state.stats);
  m_view.ShowPercent(percent);
  m_view.ShowStatus(FormatText(m_texts.Text(IDS_STATUS_PROGRESS), {m_state.currentName, percent}));
  m_view.ShowCaption(FormatText(VLT("%s (%d %%)"), {m_texts.Text(IDS_TITLE_APPLICATION), percent}));
}

void CRunProgress::ShowAnalyzing(const String& name, const String& path) {
  m_view.ShowStatus(FormatText(m_texts.Text(IDS_STATUS_ANALYZING), {name.empty() ? path : name}));
}

void CRunProgress::ShowIdle() {
  m_view.ShowCaption(m_texts.Text(IDS_TITLE_APPLICATION));
  m_view.ShowStatus(String());
}

}  // namespace vl

