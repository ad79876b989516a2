#include "tests/gui/dialog/DialogClient.h"

#include "client/model/BackupSetFile.h"
#include "client/model/PathJoin.h"
#include "tests/gui/harness/Capture.h"
#include "tests/gui/harness/Input.h"
#include "tests/gui/harness/Keyboard.h"
#include "tests/gui/harness/MessageBoxes.h"
#include "tests/gui/harness/ProcessWindows.h"
#include "tests/gui/harness/Tray.h"
#include "tests/win32/TempFolder.h"
#include "tests/win32/WindowProbe.h"

namespace vl::test {
namespace {

constexpr int kDeleteMarkSize = 9;
constexpr int kDeleteMarkRightOffset = 18;
constexpr const wchar_t* kEllipsis = L"...";

uint32_t VolumeSerialOf(const String& path) {
  DWORD serial = 0;
  const String root = path.substr(0, 3);
  if (!::GetVolumeInformationW(root.c_str(), nullptr, 0, &serial, nullptr, nullptr, nullptr, 0))
    return 0;
  return serial;
}

}  // namespace

DialogClient::DialogClient() : m_program(VL_CLIENT_EXE, L"Vaultline.exe") {}

const String& DialogClient::DataFolder() const { return m_program.Folder().Path(); }

String DialogClient::DefaultTarget() const { return model::JoinPath(DataFolder(), L"Backup"); }

String DialogClient::SetFilePath() const {
  return model::JoinPath(DataFolder(), L"Config\\Default.bsf");
}

bool DialogClient::WriteSet(const std::vector<String>& items, const String& target,
                            const std::function<void(CSettings&)>& adjust) {
  CSourceList sources;
  CVaultlineDoc doc(sources);
  doc.OnNewDocument(DataFolder());
  doc.m_settings.m_strBackupPath = target;
  if (adjust) adjust(doc.m_settings);
  for (const String& path : items) {
    auto item = std::make_unique<CSource>();
    item->path = path;
    item->volumeSerial = VolumeSerialOf(path);
    item->recognized = 1;
    sources.AddTail(std::move(item));
  }
  const std::vector<uint8_t> bytes = StoreBackupSet(doc);
  ::CreateDirectoryW(model::JoinPath(DataFolder(), L"Config").c_str(), nullptr);
  return WriteFileBytes(SetFilePath(), std::string(bytes.begin(), bytes.end()));
}

bool DialogClient::Start() { return m_program.Start(); }

HWND DialogClient::StartAndWaitForDialog() { return Start() ? WaitForDialog() : nullptr; }

HWND DialogClient::WaitForDialog(DWORD timeoutMs) {
  m_dialog = WaitForWindowWithControl(ProcessId(), IDC_BACKUP_START, timeoutMs);
  return m_dialog;
}

HWND DialogClient::WaitForReport(DWORD timeoutMs) {
  return WaitForWindowWithControl(ProcessId(), IDC_REPORT_RESULT, timeoutMs);
}

bool DialogClient::WaitForRunDone(int code, DWORD timeoutMs) {
  return m_program.WaitForOutputCount(kTraceRunDone + std::to_wstring(code), 1, timeoutMs);
}

::testing::AssertionResult DialogClient::Answer(const String& text, int buttonId,
                                                DWORD timeoutMs) {
  HWND box = WaitForMessageBoxOf(ProcessId(), timeoutMs);
  if (!box)
    return ::testing::AssertionFailure() << "no message box \"" << Narrow(text) << "\"\n"
                                         << Output();
  // A box over the visible dialog is modal to it: a click on Backup or Stop behind the box
  // would start a second command in the middle of the first.
  const bool dialogUsable = m_dialog && ::IsWindowVisible(m_dialog) && ::IsWindowEnabled(m_dialog);
  const String shown = ReadMessageBoxText(box);
  if (shown != text || dialogUsable) {
    // Answered anyway, so the client is not left waiting in a box the test did not expect.
    PressMessageBoxButton(box, IDOK) || PressMessageBoxButton(box, IDNO);
    if (dialogUsable)
      return ::testing::AssertionFailure() << "the dialog stayed usable behind \""
                                           << Narrow(shown) << "\"";
    return ::testing::AssertionFailure() << "message box \"" << Narrow(shown) << "\", expected \""
                                         << Narrow(text) << "\"";
  }
  if (!PressMessageBoxButton(box, buttonId))
    return ::testing::AssertionFailure() << "no button " << buttonId << " in the box, only "
                                         << Narrow(DescribeButtons(box));
  if (!WaitFor([&] { return !::IsWindow(box); }, kGuiStepTimeoutMs))
    return ::testing::AssertionFailure() << "the box \"" << Narrow(text) << "\" stayed";
  return ::testing::AssertionSuccess();
}

bool DialogClient::NoBoxWithin(DWORD ms) {
  return WaitForMessageBoxOf(ProcessId(), ms) == nullptr;
}

String DialogClient::Text(int id) const { return ControlText(m_dialog, id); }

bool DialogClient::Click(int id) { return ClickCentreOf(Control(id)); }

int DialogClient::ItemCount() const {
  DWORD_PTR count = 0;
  if (!::SendMessageTimeoutW(Control(IDC_BACKUP_LIST), LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG,
                             kGuiStepTimeoutMs, &count))
    return -1;
  return static_cast<int>(count);
}

RECT DialogClient::ItemRect(int index) const {
  // The system carries a list box's rectangle across processes itself, like WM_GETTEXT.
  RECT rect{};
  DWORD_PTR answer = 0;
  if (!::SendMessageTimeoutW(Control(IDC_BACKUP_LIST), LB_GETITEMRECT, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(&rect), SMTO_ABORTIFHUNG, kGuiStepTimeoutMs,
                             &answer) ||
      static_cast<LRESULT>(answer) == LB_ERR)
    return RECT{};
  return rect;
}

bool DialogClient::ClickItem(int index) {
  const RECT rect = ItemRect(index);
  if (::IsRectEmpty(&rect)) return false;
  // On the text, well left of the delete mark.
  return ClickClientPoint(Control(IDC_BACKUP_LIST),
                          POINT{rect.left + 40, (rect.top + rect.bottom) / 2});
}

bool DialogClient::ClickDeleteMark(int index) {
  const RECT rect = ItemRect(index);
  if (::IsRectEmpty(&rect)) return false;
  const int top = rect.top + std::max(0L, (rect.bottom - rect.top - kDeleteMarkSize) / 2);
  return ClickClientPoint(
      Control(IDC_BACKUP_LIST),
      POINT{rect.right - kDeleteMarkRightOffset + kDeleteMarkSize / 2, top + kDeleteMarkSize / 2});
}

SavedSet DialogClient::ReadSet() const {
  SavedSet saved;
  std::string bytes;
  if (!ReadFileBytes(SetFilePath(), bytes)) return saved;
  CSourceList sources;
  CVaultlineDoc doc(sources);
  String message;
  if (!ParseBackupSet(std::vector<uint8_t>(bytes.begin(), bytes.end()), SetFilePath(), doc,
                      message))
    return saved;
  saved.read = true;
  saved.target = doc.m_settings.m_strBackupPath;
  saved.settings = doc.m_settings;
  for (const auto& item : sources) saved.items.push_back(item->path);
  return saved;
}

HWND DialogClient::OpenFromTrayMenu(char accessKey, int controlId) {
  HWND frame = m_program.WaitForWindow(nullptr, L"Vaultline MainFrame");
  if (!frame) return nullptr;
  PostTrayEvent(frame, WM_RBUTTONUP);
  if (!m_program.WaitForMenu()) return nullptr;
  PressKey(accessKey);
  return WaitForWindowWithControl(ProcessId(), controlId, kGuiStepTimeoutMs);
}

bool ClickClientPoint(HWND hWnd, POINT client) {
  return hWnd && ClickAt(ScreenPointOf(hWnd, client));
}

bool ClickCentreOf(HWND hWnd) { return hWnd && ClickAt(CentreOf(hWnd)); }

void ParkMouse() {
  MoveMouseTo(POINT{::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1});
  ::Sleep(100);
}

int CountColour(HWND hWnd, COLORREF colour) {
  const Image image = CaptureWindow(hWnd);
  return image.Count(RgbOf(colour), RECT{0, 0, image.width, image.height});
}

bool IsFittedFormOf(const String& text, const String& path) {
  if (text == path) return true;
  const size_t ellipsis = String(kEllipsis).size();
  if (text.size() <= ellipsis || text.compare(text.size() - ellipsis, ellipsis, kEllipsis) != 0)
    return false;
  const String prefix = text.substr(0, text.size() - ellipsis);
  return prefix.size() < path.size() && path.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace vl::test
