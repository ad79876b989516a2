#pragma once
// CMyList: an owner-drawn list of paths. Each entry shows an icon (file or folder), its text
// shortened to fit, a delete mark at its right end and a thin line below. Entries marked
// unavailable are drawn light red and never look selected. A click on an entry's delete mark
// posts 2028 with the entry's index to the parent; the tooltip of an entry is its text.
// The list knows nothing of what its entries stand for: the owner keeps the data each entry
// points to and says, when asked, how to draw it.
#include <functional>

#include "core/base/String.h"
#include "skin/SkinControl.h"
#include "skin/ToolTip.h"
#include "win32/handles/IconHandle.h"

namespace vl {

// How one entry is drawn, as the list's owner describes it from the entry's data.
struct ListEntryLook {
  String text;
  bool isFile = false;    // the file icon instead of the folder icon
  bool available = true;  // false: drawn light red, never highlighted
};

// Icon resources of the program that hosts the list.
struct ListIcons {
  UINT deleteMark = 0;
  UINT file = 0;
  UINT folder = 0;
};

class CMyList : public CSkinControl {
 public:
  static constexpr UINT kDeleteItemMessage = 2028;  // WM_DELETE_ITEM
  static constexpr int kDeleteMarkSize = 9;
  static constexpr int kDeleteMarkRightOffset = 18;
  static constexpr int kIconSize = 16;
  static constexpr int kTextLeft = 20;
  static constexpr COLORREF kUnrecognisedText = RGB(0xFF, 0x80, 0x80);
  static constexpr COLORREF kBottomLine = RGB(0xDD, 0xEB, 0xB2);
  static constexpr size_t kTipChars = 79;

  using Describe = std::function<ListEntryLook(const void* data)>;

  // describe is asked for an entry's look whenever it is drawn or its tip is shown.
  CMyList(const ListIcons& icons, Describe describe);

  // Adds an entry for data (not owned; it must outlive the entry) and returns its index, or
  // LB_ERR.
  int AddEntry(void* data);
  void* EntryData(int index) const;
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
  void DrawEntryText(HDC dc, const RECT& rect, const String& text, bool selected, bool available);
  void DrawEntryIcons(HDC dc, const RECT& rect, bool isFile);
  void OnLeftButtonDown(WPARAM wParam, LPARAM lParam);
  void TrackTip(UINT message, WPARAM wParam, LPARAM lParam);
  bool OnTipText(NMHDR* header);

  Describe m_describe;
  win32::IconHandle m_deleteMark;
  win32::IconHandle m_fileIcon;
  win32::IconHandle m_folderIcon;
  CToolTip m_toolTip;
  int m_tipIndex = -1;
  String m_tipText;
  std::string m_tipTextAnsi;
};

}  // namespace vl
