#include "client/engine/BackupEngine.h"

#include "client/engine/Analyser.h"
#include "client/engine/ExistenceProbe.h"
#include "client/engine/History.h"

namespace vl {

CBackupEngine::CBackupEngine(IFileSystem& fs, const ITextProvider& texts, IProgressView& view,
                             const IClock& clock)
    : m_fs(fs), m_texts(texts), m_clock(clock), m_progress(m_state, texts, view) {}

void CBackupEngine::ProbeItem(CSource& item) const { vl::ProbeItem(item, m_fs); }

int CBackupEngine::AnalyseItem(const CSource& item, const String& sourcePath, const String& name,
                               const String& targetPath) {
  CAnalyser analyser(m_fs, m_state, m_progress);
  return analyser.AnalyseItem(item, sourcePath, name, targetPath, m_state.jobList);
}

String CBackupEngine::MakeHistoryName(const String& targetPath) {
  return vl::MakeHistoryName(m_fs, m_clock, targetPath);
}

}  // namespace vl
