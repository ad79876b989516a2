#pragma once
// The real client under test with its backup dialog: a fresh copy with its own data folder
// (and a prepared backup set when the story needs one), the dialog and report found among the
// client's windows, their controls read and clicked as a person would, message boxes answered
// after their text was checked, and the set file read back.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "client/model/Settings.h"
#include "resources/client/resource.h"
#include "tests/gui/harness/GuiProgram.h"

namespace vl::test {

// Controls: the IDC_BACKUP_ and IDC_REPORT_ ids of the client's resources.
// Messages of the backup dialog.
constexpr UINT kMsgDeleteItem = 2028;

// Colour references (0x00BBGGRR).
constexpr COLORREF kBlue = 0xFF0000;
constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kGrey = 0x808080;

// Texts of the client's message boxes (English).
constexpr const wchar_t* kTextAlreadyRegistered = L"The folder is already registered.";
constexpr const wchar_t* kTextConfirmDelete = L"Are you sure you want to delete the backup item?";
constexpr const wchar_t* kTextNothingToBackUp = L"There is no item to be backed up.";
constexpr const wchar_t* kTextCancelled = L"The job has been cancelled by the user.";
constexpr const wchar_t* kTextConfirmCancel = L"Are you sure you want to cancel the job now?";
constexpr const wchar_t* kTextTargetMissing =
    L"Failed to find the Backup Target folder. Would you like to change it to the default "
    L"folder now?";
constexpr const wchar_t* kTextBackupNow = L"Will you backup folder(s) and files(s) now?";
constexpr const wchar_t* kTextFoldersOnly = L"You can add only folders on the list.";
constexpr const wchar_t* kTextCopyFailed = L"Failed to copy the file(s).";

// The dialog's debug trace.
constexpr const wchar_t* kTraceShown = L"[VAULTLINE][Dialog] shown";
constexpr const wchar_t* kTraceRunStarted = L"[VAULTLINE][Dialog] run started";
constexpr const wchar_t* kTraceRunDone = L"[VAULTLINE][Dialog] run done ";
constexpr const wchar_t* kTraceOpen = L"[VAULTLINE][Dialog] open ";

// A backup run over a few files of real size can take a while under Wine.
constexpr DWORD kRunTimeoutMs = 60000;

// What the set file holds after the client saved it.
struct SavedSet {
  bool read = false;
  String target;
  std::vector<String> items;
  CSettings settings;
};

class DialogClient {
 public:
  DialogClient();

  const String& DataFolder() const;
  String DefaultTarget() const;
  String SetFilePath() const;

  // A set with these items (volume serial numbers read as the client does when adding) and
  // this target, its settings changed by adjust, written before Start.
  bool WriteSet(const std::vector<String>& items, const String& target,
                const std::function<void(CSettings&)>& adjust = {});
  bool Start();
  // Start, then the dialog the start-up sequence shows by itself.
  HWND StartAndWaitForDialog();
  // The backup dialog once it is on screen; null when it did not come.
  HWND WaitForDialog(DWORD timeoutMs = kGuiStartTimeoutMs);
  HWND Dialog() const { return m_dialog; }
  // The report dialog; null when none came.
  HWND WaitForReport(DWORD timeoutMs = kRunTimeoutMs);

  DWORD ProcessId() { return m_program.Process().Id(); }
  GuiProgram& Program() { return m_program; }
  std::string Output() const { return m_program.OutputForFailure(); }
  // Waits for the trace line "run done <code>".
  bool WaitForRunDone(int code, DWORD timeoutMs = kRunTimeoutMs);
  size_t CountTrace(const String& needle) const { return m_program.CountOutput(needle); }

  // Waits for a message box of the client, checks its text and presses buttonId.
  ::testing::AssertionResult Answer(const String& text, int buttonId,
                                    DWORD timeoutMs = kGuiStepTimeoutMs);
  // True when no message box comes up within ms.
  bool NoBoxWithin(DWORD ms = kGuiQuietMs);

  HWND Control(int id) const { return ::GetDlgItem(m_dialog, id); }
  String Text(int id) const;
  bool IsShown(int id) const { return ::IsWindowVisible(Control(id)) != FALSE; }
  // A real click in the middle of the control.
  bool Click(int id);

  // The item list: entries, an entry's rectangle (list client coordinates), real clicks on
  // an entry's text and on its delete mark.
  int ItemCount() const;
  RECT ItemRect(int index) const;
  bool ClickItem(int index);
  bool ClickDeleteMark(int index);

  SavedSet ReadSet() const;

  // Opens the tray menu, chooses the item with this access key and waits for the dialog that
  // has the control; null when it did not come.
  HWND OpenFromTrayMenu(char accessKey, int controlId);

 private:
  GuiProgram m_program;
  HWND m_dialog = nullptr;
};

// A real click at a point of a window's client area.
bool ClickClientPoint(HWND hWnd, POINT client);
bool ClickCentreOf(HWND hWnd);
// Moves the pointer out of every window, so nothing is drawn in its hover state.
void ParkMouse();
// How many pixels of the window, as seen on screen, have exactly this colour.
int CountColour(HWND hWnd, COLORREF colour);

// Whether text is path or the fitted form of it: a prefix of path followed by "...".
bool IsFittedFormOf(const String& text, const String& path);

}  // namespace vl::test
