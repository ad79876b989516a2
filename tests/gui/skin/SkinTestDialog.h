#pragma once
// The skinned test dialog: laid out in pixels like the client's backup dialog, it records the
// messages its controls send it.
#include <vector>

#include "skin/DialogSK.h"
#include "skin/MyHyperLink.h"
#include "skin/MyList.h"
#include "skin/SkinButtonCursor.h"
#include "skin/TransButton.h"

namespace vl::test {

class CSkinTestDialog : public CDialogSK {
 public:
  static constexpr COLORREF kLinkColour = RGB(0x5B, 0xAD, 0x12);

  CSkinTestDialog();
  ~CSkinTestDialog() override;

  CxSkinButtonCursor m_btnClose;
  CxSkinButtonCursor m_btnCheck;
  CxSkinButtonCursor m_btnBackup;
  CMyList m_list;
  CMyHyperLink m_link;
  CMyHyperLink m_emptyLink;
  CTransButton m_option;

  // Entries shown by the list: an available folder, an unavailable file, an available folder
  // with a long path.
  std::vector<ListEntryLook> m_entries;

  int m_deleteRequests = 0;
  WPARAM m_lastDeleteIndex = static_cast<WPARAM>(-1);
  int m_linkClicks = 0;
  WPARAM m_lastLinkId = 0;
  bool m_layered = false;

 protected:
  bool OnInitDialog() override;
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  void SubclassControls();
  void PlaceControls();
  void FillList();

};

}  // namespace vl::test
