#pragma once
// CMyList: the owner-drawn list of backup items. Each entry shows an icon (file or folder),
// the item's path shortened to fit, a delete mark at its right end and a thin line below.
// Items that were not found on this computer are drawn light red and never look selected.
// A click on an entry's delete mark posts 2028 with the entry's index to the parent; the tooltip
// of an entry is its item's path.
#include "core/fs/FileSystem.h"
#include "skin/SkinControl.h"
#include "skin/ToolTip.h"
#include "win32/handles/IconHandle.h"

namespace vl {

class CSource;

class CMyList : public CSkinControl {
 public:
  static constexpr UINT kDeleteItemMessage = 2028;  // WM_DELETE_ITEM
  static constexpr UINT kDeleteMarkIcon = 169;
  static constexpr UINT kFileIcon = 187;
  static constexpr UINT kFolderIcon = 188;
  static constexpr int kDeleteMarkSize = 9;
  static constexpr int kDeleteMarkRightOffset = 18;
  static constexpr int kIconSize = 16;
  static constexpr int kTextLeft = 20;
  static constexpr COLORREF kUnrecognisedText = RGB(0xFF, 0x80, 0x80);
  static constexpr COLORREF kBottomLine = RGB(0xDD, 0xEB, 0xB2);
  static constexpr size_t kTipChars = 79;

  // fs answers whether an item is a file; the list keeps a reference.
  explicit CMyList(const IFileSystem& fs);

  // Adds an entry for source (not owned) and returns its index, or LB_ERR.
  int AddSource(CSource* source);
  CSource* SourceAt(int index) const;
  int GetCount() const;
  RECT GetItemRect(int index) const;
  // The delete mark's square inside an entry's rectangle.
  static RECT DeleteMarkRect(const RECT& item);

 protected:
  void PreSubclassWindow() override;
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  void DrawEntry(const DRAWITEMSTRUCT& item);
  void DrawEntryText(HDC dc, const RECT& rect, const String& text, bool selected, bool recognised);
  void DrawEntryIcons(HDC dc, const RECT& rect, const CSource* source);
  void OnLeftButtonDown(WPARAM wParam, LPARAM lParam);
  void TrackTip(UINT message, WPARAM wParam, LPARAM lParam);
  bool OnTipText(NMHDR* header);

  const IFileSystem& m_fs;
  win32::IconHandle m_deleteMark;
  win32::IconHandle m_fileIcon;
  win32::IconHandle m_folderIcon;
  CToolTip m_toolTip;
  int m_tipIndex = -1;
  String m_tipText;
  std::string m_tipTextAnsi;
};

}  // namespace vl
