// The skinned window classes in a skinned test dialog of this test program, driven with real
// mouse input where the system's input queue reaches them, and checked by their state and by
// the pixels on the screen.
#include <gtest/gtest.h>

#include <memory>

#include "tests/gui/harness/Capture.h"
#include "tests/gui/harness/Input.h"
#include "tests/gui/harness/Screenshots.h"
#include "tests/gui/skin/SkinTestDialog.h"
#include "tests/gui/skin/SkinTestResources.h"

namespace vl::test {
namespace {

constexpr DWORD kSettleMs = 300;
constexpr uint32_t kGreen = 0x00FF00;

class SkinControls : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dialog = std::make_unique<CSkinTestDialog>();
    ASSERT_TRUE(m_dialog->Create());
    ::SetWindowPos(m_dialog->m_hWnd, HWND_TOPMOST, 100, 100, 0, 0, SWP_NOSIZE);
    m_dialog->ShowWindow(SW_SHOW);
    ::SetForegroundWindow(m_dialog->m_hWnd);
    ::UpdateWindow(m_dialog->m_hWnd);
    PumpFor(kSettleMs);
  }

  void TearDown() override {
    ReleaseLeft();
    m_dialog->DestroyWindow();
    PumpFor(50);
  }

  HWND Item(int id) const { return ::GetDlgItem(m_dialog->m_hWnd, id); }
  bool Checked(int id) const { return ::SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

  // Press over one point and release over another, with the real mouse.
  static void Drag(POINT from, POINT to) {
    PlayWhilePumping([=] { DragWithPauses(from, to); }, kSettleMs);
  }

  Image ListRow(int index) const {
    const RECT row = m_dialog->m_list.GetItemRect(index);
    Image list = CaptureClient(Item(IDC_SKIN_LIST));
    Image out;
    out.width = row.right - row.left;
    out.height = row.bottom - row.top;
    for (int y = row.top; y < row.bottom; ++y) {
      for (int x = row.left; x < row.right; ++x) out.pixels.push_back(list.At(x, y));
    }
    return out;
  }

  std::unique_ptr<CSkinTestDialog> m_dialog;
};

TEST_F(SkinControls, CheckBoxButtonTogglesOnlyWhenReleasedOverIt) {
  HWND check = Item(IDC_SKIN_CHECK);
  ASSERT_FALSE(Checked(IDC_SKIN_CHECK));
  RECT rect{};
  ::GetWindowRect(check, &rect);
  const POINT inside = CentreOf(check);
  const POINT outside{rect.right + 40, rect.bottom + 40};

  Drag(inside, outside);
  EXPECT_FALSE(Checked(IDC_SKIN_CHECK)) << "released away from the button";

  Drag(inside, inside);
  EXPECT_TRUE(Checked(IDC_SKIN_CHECK));
  Drag(inside, inside);
  EXPECT_FALSE(Checked(IDC_SKIN_CHECK));
  EXPECT_EQ(m_dialog->m_btnCheck.GetKind(), CxSkinButton::kCheckBox);
}

TEST_F(SkinControls, PushButtonNeverStaysChecked) {
  const POINT inside = CentreOf(Item(IDC_SKIN_BACKUP));
  Drag(inside, inside);
  EXPECT_FALSE(Checked(IDC_SKIN_BACKUP));
  EXPECT_EQ(m_dialog->m_btnBackup.GetKind(), CxSkinButton::kPushButton);
}

TEST_F(SkinControls, UnrecognisedEntryIsLightRedAndNeverHighlighted) {
  const uint32_t highlight = RgbOf(::GetSysColor(COLOR_HIGHLIGHT));
  const uint32_t lightRed = RgbOf(CMyList::kUnrecognisedText);
  const RECT all{0, 0, 10000, 10000};

  ::SendMessageW(Item(IDC_SKIN_LIST), LB_SETCURSEL, 1, 0);
  ::UpdateWindow(Item(IDC_SKIN_LIST));
  PumpFor(kSettleMs);
  const Image unrecognised = ListRow(1);
  EXPECT_GT(unrecognised.Count(lightRed, all), 0) << "text drawn light red";
  EXPECT_EQ(unrecognised.Count(highlight, all), 0) << "selected, yet not highlighted";

  ::SendMessageW(Item(IDC_SKIN_LIST), LB_SETCURSEL, 0, 0);
  ::UpdateWindow(Item(IDC_SKIN_LIST));
  PumpFor(kSettleMs);
  EXPECT_GT(ListRow(0).Count(highlight, all), 100) << "a recognised entry does highlight";
  EXPECT_EQ(ListRow(1).Count(highlight, all), 0);
}

TEST_F(SkinControls, DeleteMarkIsDrawnOverALongPath) {
  // The list keeps the whole path; only the drawing is cut to the entry's width, and the
  // delete mark is drawn over the end of it.
  wchar_t text[512] = {};
  ::SendMessageW(Item(IDC_SKIN_LIST), LB_GETTEXT, 2, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(String(text), m_dialog->m_entries[2].text);
  const Image row = ListRow(2);
  const RECT mark = CMyList::DeleteMarkRect(RECT{0, 0, row.width, row.height});
  const int background = row.Count(RgbOf(::GetSysColor(COLOR_WINDOW)), mark);
  const int text_ink = row.Count(RgbOf(::GetSysColor(COLOR_WINDOWTEXT)), mark);
  const int area = (mark.right - mark.left) * (mark.bottom - mark.top);
  EXPECT_GT(area - background - text_ink, area / 3) << "the mark's own colours";
}

TEST_F(SkinControls, DeleteMarkClickSelectsTheEntryAndAsksTheParent) {
  HWND list = Item(IDC_SKIN_LIST);
  const RECT mark = CMyList::DeleteMarkRect(m_dialog->m_list.GetItemRect(1));
  const POINT centre{(mark.left + mark.right) / 2, (mark.top + mark.bottom) / 2};
  ASSERT_TRUE(ClickAt(ScreenPointOf(list, centre)));
  ASSERT_TRUE(PumpUntil([&] { return m_dialog->m_deleteRequests > 0; }, 2000));
  EXPECT_EQ(::SendMessageW(list, LB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(m_dialog->m_deleteRequests, 1);
  EXPECT_EQ(m_dialog->m_lastDeleteIndex, 1u);
}

TEST_F(SkinControls, ClickBesideTheDeleteMarkOnlySelects) {
  HWND list = Item(IDC_SKIN_LIST);
  const RECT row = m_dialog->m_list.GetItemRect(0);
  ASSERT_TRUE(ClickAt(ScreenPointOf(list, POINT{row.left + 60, (row.top + row.bottom) / 2})));
  PumpFor(kSettleMs);
  EXPECT_EQ(::SendMessageW(list, LB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(m_dialog->m_deleteRequests, 0);
}

TEST_F(SkinControls, HyperlinkWithoutTextShowsNoHandCursor) {
  HCURSOR hand = ::LoadCursorW(nullptr, IDC_HAND);
  MoveMouseTo(CentreOf(Item(IDC_SKIN_EMPTY_LINK)));
  PumpFor(kSettleMs);
  ::SendMessageW(Item(IDC_SKIN_EMPTY_LINK), WM_SETCURSOR,
                 reinterpret_cast<WPARAM>(Item(IDC_SKIN_EMPTY_LINK)),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_NE(::GetCursor(), hand);

  MoveMouseTo(CentreOf(Item(IDC_SKIN_LINK)));
  PumpFor(kSettleMs);
  ::SendMessageW(Item(IDC_SKIN_LINK), WM_SETCURSOR, reinterpret_cast<WPARAM>(Item(IDC_SKIN_LINK)),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(::GetCursor(), hand);
}

TEST_F(SkinControls, InactiveHyperlinkShowsNoHandCursor) {
  m_dialog->m_link.m_bInactive = 1;
  ::SendMessageW(Item(IDC_SKIN_LINK), WM_SETCURSOR, reinterpret_cast<WPARAM>(Item(IDC_SKIN_LINK)),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_NE(::GetCursor(), ::LoadCursorW(nullptr, IDC_HAND));
}

TEST_F(SkinControls, HyperlinkClickTellsTheParentItsId) {
  ASSERT_TRUE(ClickAt(CentreOf(Item(IDC_SKIN_LINK))));
  ASSERT_TRUE(PumpUntil([&] { return m_dialog->m_linkClicks > 0; }, 2000));
  EXPECT_EQ(m_dialog->m_lastLinkId, static_cast<WPARAM>(IDC_SKIN_LINK));
}

TEST_F(SkinControls, HyperlinkDrawsInItsColour) {
  const Image link = CaptureClient(Item(IDC_SKIN_LINK));
  EXPECT_GT(link.Count(RgbOf(CSkinTestDialog::kLinkColour), RECT{0, 0, 10000, 10000}), 0);
}

TEST_F(SkinControls, TransButtonUsesItsOwnColours) {
  const Image option = CaptureClient(Item(IDC_SKIN_OPTION));
  EXPECT_GT(option.Count(0xFFFFFF, RECT{0, 0, 10000, 10000}), option.width * option.height / 3);
}

TEST_F(SkinControls, DialogHasTheBitmapsSizeAndCutOutCorners) {
  RECT client{};
  ::GetClientRect(m_dialog->m_hWnd, &client);
  EXPECT_EQ(client.right, static_cast<LONG>(m_dialog->m_dwWidth));
  EXPECT_EQ(client.bottom, static_cast<LONG>(m_dialog->m_dwHeight));
  ASSERT_TRUE(m_dialog->m_layered) << "no layered windows";
  const Image shot = CaptureClient(m_dialog->m_hWnd);
  ASSERT_FALSE(shot.Empty());
  // The bitmap's corners are pure green; on screen they show what lies behind the dialog.
  const RECT corners[] = {{0, 0, 3, 3},
                          {shot.width - 3, 0, shot.width, 3},
                          {0, shot.height - 3, 3, shot.height},
                          {shot.width - 3, shot.height - 3, shot.width, shot.height}};
  for (const RECT& corner : corners) EXPECT_EQ(shot.Count(kGreen, corner), 0);
  EXPECT_EQ(shot.At(shot.width / 2, 20) & 0xFFFFFF, shot.At(shot.width / 2 + 40, 20) & 0xFFFFFF)
      << "the title band is drawn";
  SaveScreenshot(L"SkinnedDialog", m_dialog->m_hWnd);
}

TEST_F(SkinControls, DialogIsDraggedFromAnyPointThatIsNotAControl) {
  RECT before{};
  ::GetWindowRect(m_dialog->m_hWnd, &before);
  const POINT from{before.left + 200, before.top + 30};
  Drag(from, POINT{from.x + 40, from.y + 25});
  RECT after{};
  ::GetWindowRect(m_dialog->m_hWnd, &after);
  EXPECT_EQ(after.left - before.left, 40);
  EXPECT_EQ(after.top - before.top, 25);
}

}  // namespace
}  // namespace vl::test
