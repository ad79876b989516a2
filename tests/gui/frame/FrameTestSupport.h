#pragma once
// The programs the frame tests drive and the trace lines they look for.
#include <functional>
#include <memory>

#include "tests/gui/harness/GuiProgram.h"

namespace vl {
class CSettings;
}

namespace vl::test {

constexpr const wchar_t* kMainFrameTitle = L"Vaultline MainFrame";
constexpr const wchar_t* kTraceStartupDone = L"[VAULTLINE][Frame] start-up done";
constexpr const wchar_t* kTraceOpen = L"[VAULTLINE][Frame] open";
constexpr const wchar_t* kTraceIconRemoved = L"[VAULTLINE][Frame] tray icon removed";
constexpr const wchar_t* kTraceSkippedByRun =
    L"[VAULTLINE]OnTrayNotification Skipped by m_pDlgBackup->m_hThread";
constexpr const wchar_t* kTraceSkippedByPopup =
    L"[VAULTLINE]OnTrayNotification Skipped by m_bPopup";
constexpr const wchar_t* kTraceFakeShow = L"[FAKEDLG] show";
constexpr const wchar_t* kTraceFakeRunActive = L"[FAKEDLG] run active 1";

// The real client, or the frame host (the client with a stand-in backup dialog).
std::unique_ptr<GuiProgram> MakeClient();
std::unique_ptr<GuiProgram> MakeFrameHost();

// Starts the program and waits until its start-up sequence has run; the main frame, or null.
HWND StartAndWaitForFrame(GuiProgram& program);

// The English text of a client string, read from the program file itself.
String ClientString(const String& exePath, UINT id);

// Makes the stand-in dialog of the frame host report a running backup.
bool SetRunActive(GuiProgram& host, bool active);

// Writes a backup set whose target is backupPath to path, its settings changed by adjust.
bool WriteSetFile(const String& path, const String& backupPath,
                  const std::function<void(CSettings&)>& adjust = {});

}  // namespace vl::test
