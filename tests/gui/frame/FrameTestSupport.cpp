#include "tests/gui/frame/FrameTestSupport.h"

#include "client/model/BackupSetFile.h"
#include "tests/gui/frame/FakeBackupDialog.h"
#include "tests/win32/TempFolder.h"
#include "win32/ResString.h"

namespace vl::test {

std::unique_ptr<GuiProgram> MakeClient() {
  return std::make_unique<GuiProgram>(VL_CLIENT_EXE, L"Vaultline.exe");
}

std::unique_ptr<GuiProgram> MakeFrameHost() {
  return std::make_unique<GuiProgram>(VL_FRAME_HOST_EXE, L"FrameHost.exe");
}

HWND StartAndWaitForFrame(GuiProgram& program) {
  if (!program.Start()) return nullptr;
  if (!program.Process().WaitForOutput(kTraceStartupDone, kGuiStartTimeoutMs)) return nullptr;
  return program.WaitForWindow(nullptr, kMainFrameTitle);
}

String ClientString(const String& exePath, UINT id) {
  HMODULE module = ::LoadLibraryExW(exePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  String text;
  if (module) {
    LoadResString(id, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), text, module);
    ::FreeLibrary(module);
  }
  return text;
}

bool SetRunActive(GuiProgram& host, bool active) {
  HWND fake = host.WaitForWindow(nullptr, FakeBackupDialog::kCaption);
  DWORD_PTR answer = 0;
  return fake && ::SendMessageTimeoutW(fake, FakeBackupDialog::kSetRunActive, active ? 1 : 0, 0,
                                       SMTO_ABORTIFHUNG, kGuiStepTimeoutMs, &answer) &&
         answer == 1;
}

bool WriteSetFile(const String& path, const String& backupPath,
                  const std::function<void(CSettings&)>& adjust) {
  CSourceList sources;
  CVaultlineDoc doc(sources);
  doc.OnNewDocument(backupPath);
  doc.m_settings.m_strBackupPath = backupPath;
  if (adjust) adjust(doc.m_settings);
  const std::vector<uint8_t> bytes = StoreBackupSet(doc);
  return WriteFileBytes(path, std::string(bytes.begin(), bytes.end()));
}

}  // namespace vl::test
