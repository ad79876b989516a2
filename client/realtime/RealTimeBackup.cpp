#include "client/realtime/RealTimeBackup.h"

#include <utility>

#include "client/model/Settings.h"
#include "client/model/SourceList.h"

namespace vl {
namespace {

constexpr unsigned kPassPauseMs = 500;
constexpr DWORD kBetweenRecordsMs = 10;

RealTimeScope ScopeOf(const CSourceList& items, const CSettings& settings) {
  RealTimeScope scope;
  for (size_t i = 0; i < items.GetCount(); ++i) scope.itemPaths.push_back(items.GetAt(i).path);
  scope.backupPath = settings.m_strBackupPath;
  scope.historyMode = settings.m_nHistoryMode;
  return scope;
}

// The warm-up needs the folder items only; a file item has nothing below it to open.
std::vector<String> ItemFolders(const CSourceList& items, const IFileSystem& fs) {
  std::vector<String> folders;
  for (size_t i = 0; i < items.GetCount(); ++i) {
    const String& path = items.GetAt(i).path;
    FileStatus status;
    if (fs.GetStatus(path, status) && status.IsFolder()) folders.push_back(path);
  }
  return folders;
}

}  // namespace

CRealTimeBackup::CRealTimeBackup(TraceFn trace, std::function<bool()> runActive)
    : m_trace(std::move(trace)),
      m_runActive(std::move(runActive)),
      m_intake(m_fs),
      m_queue(m_longNames, m_ticks),
      m_processor(m_fs, m_clock, m_ticks, m_queue, this),
      m_lost(kChangeMergeMs),
      m_loop([this](const std::atomic<bool>& stop) { Pass(stop); },
             [this] { return m_runActive(); }, kPassPauseMs) {}

CRealTimeBackup::~CRealTimeBackup() {
  m_warmup.Stop();
  m_watchers.Stop();
  m_loop.RequestStop();
  m_loop.Join();
}

void CRealTimeBackup::Start(HWND notify, const CSourceList& items, const CSettings& settings) {
  UpdateScope(items, settings);
  m_watchers.Start(notify);
  m_warmup.Start(ItemFolders(items, m_fs));
  if (!m_loop.Start()) Trace(VLT("[VAULTLINE][RealTime] no processing thread"));
}

void CRealTimeBackup::Stop() {
  m_warmup.Stop();
  m_watchers.Stop();
  m_loop.RequestStop();
}

void CRealTimeBackup::UpdateScope(const CSourceList& items, const CSettings& settings) {
  m_processor.SetScope(ScopeOf(items, settings));
}

std::unique_ptr<CHANGE_EVENT> CRealTimeBackup::OnDirectoryChange(const CSourceList& items,
                                                                 uint32_t action,
                                                                 const String& path) {
  m_lost.NoteChange(m_ticks.TickCount());
  return m_intake.OnDirectoryChange(items, action, path);
}

void CRealTimeBackup::OnChangeEvent(CHANGE_EVENT& event, const String& backupFolder) {
  if (!m_loop.IsRunning()) return;
  m_queue.Accept(event, backupFolder);
}

void CRealTimeBackup::OnChangesLost() {
  Trace(VLT("[VAULTLINE][RealTime] changes lost"));
  m_lost.NoteLost(m_ticks.TickCount());
}

bool CRealTimeBackup::TakeRescanDue(bool canStart) {
  return m_lost.TakeDue(m_ticks.TickCount(), canStart);
}

void CRealTimeBackup::Trace(const String& line) {
  if (m_trace) m_trace(line);
}

void CRealTimeBackup::Pass(const std::atomic<bool>& stop) {
  PassControl control;
  control.pause = [] { ::Sleep(kBetweenRecordsMs); };
  control.stopRequested = [&stop] { return stop.load(); };
  m_processor.ProcessChanges(control);
}

}  // namespace vl
