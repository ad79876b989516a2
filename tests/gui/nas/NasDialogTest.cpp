// The NAS dialog under Wine, run in the test's process: where its controls sit and what they
// show, the entries its connect button refuses and where it puts the user back, the real
// network call failing as Wine makes it fail, and the ways out that store nothing.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string>

#include "client/ui/logic/NasEntry.h"
#include "resources/client/resource.h"
#include "resources/skin/ClientSkinIds.h"
#include "tests/gui/harness/Input.h"
#include "tests/gui/harness/ProcessWindows.h"
#include "tests/gui/harness/Screenshots.h"
#include "tests/gui/nas/NasRun.h"
#include "tests/gui/report/ReportProbe.h"
#include "tests/win32/WindowProbe.h"
#include "win32/ResString.h"

namespace vl::test {
namespace {

constexpr uint32_t kNas = 0xC0A80A14;  // 192.168.10.20
constexpr int kLabels[] = {IDC_NAS_ADDRESS_LABEL, IDC_NAS_SHARE_LABEL, IDC_NAS_ACCOUNT_LABEL,
                           IDC_NAS_PASSWORD_LABEL};
constexpr int kFields[] = {IDC_NAS_ADDRESS, IDC_NAS_SHARE, IDC_NAS_ACCOUNT, IDC_NAS_PASSWORD};

std::string Placement(const RECT& rect) {
  return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " +
         std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top);
}

void StoreSample(CSettings& settings) {
  settings.m_dwNasAddress = kNas;
  settings.m_strNasShare = L"Backup";
  settings.m_strNasAccount = L"admin";
  settings.m_strNasPassword = L"Secret";
}

void Enter(HWND dialog, uint32_t address, const wchar_t* share) {
  ::SendDlgItemMessageW(dialog, IDC_NAS_ADDRESS, IPM_SETADDRESS, 0, address);
  ::SetDlgItemTextW(dialog, IDC_NAS_SHARE, share);
}

// With the real mouse, which rests on the button first as a user's would.
void ClickButton(HWND dialog, int id) {
  const POINT centre = CentreOf(::GetDlgItem(dialog, id));
  MoveMouseTo(centre);
  ::Sleep(300);
  ClickAt(centre);
}

void PressConnect(HWND dialog) {
  ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_NAS_CONNECT, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDC_NAS_CONNECT)));
}

HWND FocusOf(HWND dialog) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  ::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog, nullptr), &info);
  return info.hwndFocus;
}

void ExpectNothingStored(const NasRun& run) {
  EXPECT_EQ(run.saves, 0);
  EXPECT_EQ(run.settings.m_dwNasAddress, kNas);
  EXPECT_EQ(run.settings.m_strNasShare, L"Backup");
  EXPECT_EQ(run.settings.m_strNasPassword, L"Secret");
  EXPECT_TRUE(run.drive.empty());
  EXPECT_EQ(run.address, 0u);
}

TEST(NasDialog, ShowsTheStoredEntryOnItsSkinWithTheFieldsInRows) {
  NasRun run;
  StoreSample(run.settings);
  std::map<int, RECT> rects;
  std::map<int, String> texts;
  String caption;
  DWORD shown = 0;
  LONG passwordStyle = 0;
  bool icon = false;
  SIZE client{};
  run.Run([&](HWND dialog) {
    for (int id : {IDC_NAS_CLOSE, IDC_NAS_CONNECT, IDC_NAS_CANCEL})
      rects[id] = ControlRect(dialog, id);
    for (int i = 0; i < 4; ++i) {
      rects[kLabels[i]] = ControlRect(dialog, kLabels[i]);
      rects[kFields[i]] = ControlRect(dialog, kFields[i]);
      texts[kFields[i]] = ControlText(dialog, kFields[i]);
    }
    caption = ReadWindowText(dialog);
    icon = ::SendMessageW(dialog, WM_GETICON, ICON_SMALL, 0) != 0;
    ::SendDlgItemMessageW(dialog, IDC_NAS_ADDRESS, IPM_GETADDRESS, 0,
                          reinterpret_cast<LPARAM>(&shown));
    passwordStyle = ::GetWindowLongW(::GetDlgItem(dialog, IDC_NAS_PASSWORD), GWL_STYLE);
    RECT area{};
    ::GetClientRect(dialog, &area);
    client = SIZE{area.right, area.bottom};
    MoveMouseTo(POINT{0, 0});
    SaveScreenshot(L"nas-dialog", dialog);
    ClickButton(dialog, IDC_NAS_CLOSE);
  });
  ASSERT_TRUE(run.Opened());
  EXPECT_TRUE(run.ClosedByTheTest());
  EXPECT_EQ(caption, L"NAS Settings");
  EXPECT_TRUE(icon);
  const Image background = ResourceBitmap(IDB_NAS_BACKGROUND);
  EXPECT_EQ(client.cx, background.width);
  EXPECT_EQ(client.cy, background.height);
  EXPECT_EQ(shown, kNas);
  EXPECT_EQ(texts[IDC_NAS_SHARE], L"Backup");
  EXPECT_EQ(texts[IDC_NAS_ACCOUNT], L"admin");
  EXPECT_EQ(texts[IDC_NAS_PASSWORD], L"Secret");
  EXPECT_NE(passwordStyle & ES_PASSWORD, 0) << "the password's characters are hidden";

  EXPECT_EQ(Placement(rects[IDC_NAS_CLOSE]), "330,10 11x10");
  EXPECT_EQ(Placement(rects[IDC_NAS_CONNECT]), "104,214 73x28");
  EXPECT_EQ(Placement(rects[IDC_NAS_CANCEL]), "180,214 73x28");
  const SIZE label = TemplateControlSize(IDD_NAS, IDC_NAS_ADDRESS_LABEL);
  const SIZE address = TemplateControlSize(IDD_NAS, IDC_NAS_ADDRESS);
  const SIZE edit = TemplateControlSize(IDD_NAS, IDC_NAS_SHARE);
  ASSERT_GT(address.cy, 0);
  const int row = address.cy + 3;
  const int left = 30 + label.cx + 1;
  const int top = 80 + (label.cy - address.cy) / 2;
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(Placement(rects[kLabels[i]]),
              Placement(RECT{30, 80 + i * row, 30 + label.cx, 80 + i * row + label.cy}))
        << "label " << i;
    const LONG height = i == 0 ? address.cy : edit.cy;
    EXPECT_EQ(Placement(rects[kFields[i]]),
              Placement(RECT{left, top + i * row, 320, top + i * row + height}))
        << "field " << i;
  }
}

TEST(NasDialog, RefusedEntriesSayWhyAndPutTheUserBackInTheField) {
  const struct {
    uint32_t address;
    const wchar_t* share;
    UINT message;
    int field;
    bool wholeTextSelected;
  } cases[] = {
      {0, L"Backup", IDS_MSG_NAS_BAD_ADDRESS, IDC_NAS_ADDRESS, false},
      {0x00A80A14, L"Backup", IDS_MSG_NAS_BAD_ADDRESS, IDC_NAS_ADDRESS, false},
      {kNas, L"", IDS_MSG_NAS_NO_SHARE, IDC_NAS_SHARE, false},
      {kNas, L"Data:Photos", IDS_MSG_NAS_BAD_SHARE_CHARS, IDC_NAS_SHARE, true},
  };
  for (const auto& c : cases) {
    NasRun run;
    StoreSample(run.settings);
    String said;
    bool stillOpen = false, focusInField = false;
    DWORD start = 1, end = 0;
    run.Run([&](HWND dialog) {
      Enter(dialog, c.address, c.share);
      PressConnect(dialog);
      said = AnswerMessageBox();
      HWND field = ::GetDlgItem(dialog, c.field);
      WaitFor([&] { return FocusOf(dialog) == field || ::IsChild(field, FocusOf(dialog)); },
              2000);
      focusInField = FocusOf(dialog) == field || ::IsChild(field, FocusOf(dialog));
      ::SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
      stillOpen = ::IsWindowVisible(dialog) != FALSE;
      ClickButton(dialog, IDC_NAS_CANCEL);
    });
    const std::wstring share = c.share;
    ASSERT_TRUE(run.Opened());
    EXPECT_EQ(said, LoadResString(c.message)) << share;
    EXPECT_TRUE(stillOpen) << share;
    EXPECT_TRUE(focusInField) << share;
    if (c.wholeTextSelected) {
      EXPECT_EQ(start, 0u);
      EXPECT_EQ(end, share.size());
    }
    EXPECT_EQ(run.Result(), IDCANCEL);
    ExpectNothingStored(run);
  }
  EXPECT_NE(LoadResString(IDS_MSG_NAS_BAD_SHARE_CHARS).find(L"'\\/:*?\"<>|'"), String::npos);
}

TEST(NasDialog, AConnectionTheNetworkRefusesStoresNothingAndKeepsTheDialogOpen) {
  NasRun run;
  StoreSample(run.settings);
  String said;
  bool stillOpen = false;
  run.Run([&](HWND dialog) {
    Enter(dialog, 0x7F000001, L"Other Share");  // 127.0.0.1
    ::SetDlgItemTextW(dialog, IDC_NAS_PASSWORD, L"new");
    PressConnect(dialog);
    said = AnswerMessageBox();
    stillOpen = ::IsWindowVisible(dialog) != FALSE;
    ClickButton(dialog, IDC_NAS_CLOSE);
  });
  ASSERT_TRUE(run.Opened());
  EXPECT_EQ(said, LoadResString(IDS_MSG_NAS_NOT_CONNECTED));
  EXPECT_TRUE(stillOpen);
  EXPECT_TRUE(run.ClosedByTheTest());
  EXPECT_EQ(run.Result(), IDCANCEL);
  ExpectNothingStored(run);
}

TEST(NasDialog, CancelCloseAndEscapeStoreNothing) {
  for (const int way : {IDC_NAS_CANCEL, IDC_NAS_CLOSE, IDCANCEL}) {
    NasRun run;
    StoreSample(run.settings);
    run.Run([&](HWND dialog) {
      Enter(dialog, 0x0A000001, L"Changed");
      if (way == IDCANCEL)
        ::PostMessageW(::GetDlgItem(dialog, IDC_NAS_SHARE), WM_KEYDOWN, VK_ESCAPE, 0);
      else
        ClickButton(dialog, way);
    });
    ASSERT_TRUE(run.Opened());
    EXPECT_TRUE(run.ClosedByTheTest()) << way;
    EXPECT_EQ(run.Result(), IDCANCEL) << way;
    ExpectNothingStored(run);
  }
}

}  // namespace
}  // namespace vl::test
