#include "client/engine/BackupEngine.h"

#include "client/engine/Analyser.h"
#include "client/engine/ExistenceProbe.h"
#include "client/engine/History.h"
#include "client/engine/ItemPlacement.h"
#include "client/model/SourceList.h"

namespace vl {

CBackupEngine::CBackupEngine(IFileSystem& fs, const ITextProvider& texts, IProgressView& view,
                             const IClock& clock)
    : m_fs(fs), m_texts(texts), m_clock(clock), m_progress(m_state, texts, view) {}

FsResult CBackupEngine::ProbeItem(CSource& item) const { return vl::ProbeItem(item, m_fs); }

int CBackupEngine::AnalyseItem(const CSource& item, const String& sourcePath, const String& name,
                               const String& targetPath) {
  CAnalyser analyser(m_fs, m_state, m_progress, m_texts);
  return analyser.AnalyseItem(item, sourcePath, name, targetPath, m_state.jobList);
}

bool CBackupEngine::AnalyseListedItem(CSourceList& items, size_t index,
                                      const String& targetFolder, bool synchronize) {
  CSource& item = items.GetAt(index);
  item.targetFolder = targetFolder;
  const FsResult probed = ProbeItem(item);
  if (!item.sourceExists) {
    if (!probed.Missing()) {
      m_state.AddError(item.path, m_texts.Text(IDS_ERROR_READ_FOLDER), probed.systemCode);
    }
    return false;
  }
  const TextId problem = ListedItemProblem(items, index, targetFolder);
  if (problem != 0) {
    m_state.AddError(item.path, m_texts.Text(problem));
    return false;
  }
  String name = item.GetItemName();
  if (name == item.path) name.clear();
  item.mirror = synchronize ? 1 : 0;
  AnalyseItem(item, item.path, name, item.MakeTargetPath());
  return true;
}

}  // namespace vl
