#pragma once
// The client's icon in the notification area: adding, changing and removing it, and turning a
// right-click into the tray menu and a double-click into the menu's default command.
#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <functional>

namespace vl {

class CWnd;

class CTrayIcon {
 public:
  // The block size of the shell's version-3 layout, which every system from XP on accepts.
  static constexpr DWORD kBlockSize = 952;
  static constexpr UINT kFlagsAll = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  static constexpr size_t kTipLimit = 64;

  CTrayIcon();
  // Removes the icon, so a frame that goes away never leaves a dead icon behind.
  virtual ~CTrayIcon();
  CTrayIcon(const CTrayIcon&) = delete;
  CTrayIcon& operator=(const CTrayIcon&) = delete;

  // Adds the icon (without a picture yet; see SetIcon). uId also names the tray menu resource.
  // Returns the shell's answer, which is also the added flag; FALSE before Windows 4 or
  // without an owner window.
  BOOL Create(CWnd* owner, UINT callbackMessage, const wchar_t* tip, UINT uId);
  // Shows icon resource iconId; does nothing while the icon is not added.
  bool SetIcon(UINT iconId);
  void Remove();
  bool IsAdded() const { return m_bAdded != 0; }

  // Answers whether a backup runs; a double-click does nothing while one does.
  void SetRunQuery(std::function<bool()> isRunActive) { m_isRunActive = std::move(isRunActive); }

  // The tray callback: 1 when the event was the icon's (and the menu could be had), else 0.
  virtual LRESULT OnTrayNotification(WPARAM wParam, LPARAM lParam);

 private:
  LRESULT ShowMenu();
  LRESULT RunDefaultCommand();
  HWND Owner() const { return m_nid.hWnd; }

  int32_t m_bAdded = 0;
  NOTIFYICONDATAW m_nid;
  std::function<bool()> m_isRunActive;
};

}  // namespace vl
