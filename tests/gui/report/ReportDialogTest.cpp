// The report dialog as the user sees it after a run: run modally like the backup dialog runs
// it, looked at from a second thread (texts, rows, positions, fonts and the pixels on the
// screen) and closed with the real mouse.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "client/ui/DlgSyncReport.h"
#include "resources/client/resource.h"
#include "resources/skin/ClientSkinIds.h"
#include "tests/gui/harness/Capture.h"
#include "tests/gui/harness/Input.h"
#include "tests/gui/harness/ProcessWindows.h"
#include "tests/gui/harness/Screenshots.h"
#include "tests/gui/report/ReportProbe.h"
#include "tests/gui/report/ReportRun.h"
#include "tests/support/SampleRun.h"

namespace vl::test {
namespace {

// 0x00RRGGBB, as the captures hold them.
constexpr uint32_t kBlue = 0x0000FF;
constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGrey = 0x828282;
constexpr uint32_t kGreen = 0x00FF00;
constexpr RECT kWhole{0, 0, 10000, 10000};
constexpr DWORD kHoverSettleMs = 300;

constexpr int kLabels[] = {IDC_REPORT_FILES_LABEL, IDC_REPORT_FOLDERS_LABEL,
                           IDC_REPORT_NEW_LABEL,   IDC_REPORT_UPDATES_LABEL,
                           IDC_REPORT_SIZE_LABEL,  IDC_REPORT_ELAPSED_LABEL};
constexpr int kValues[] = {IDC_REPORT_FILES,   IDC_REPORT_FOLDERS, IDC_REPORT_NEW,
                           IDC_REPORT_UPDATES, IDC_REPORT_SIZE,    IDC_REPORT_ELAPSED};
// The figure grid row by row: label, value, label, value.
constexpr int kGrid[3][4] = {
    {IDC_REPORT_FILES_LABEL, IDC_REPORT_FILES, IDC_REPORT_FOLDERS_LABEL, IDC_REPORT_FOLDERS},
    {IDC_REPORT_NEW_LABEL, IDC_REPORT_NEW, IDC_REPORT_UPDATES_LABEL, IDC_REPORT_UPDATES},
    {IDC_REPORT_SIZE_LABEL, IDC_REPORT_SIZE, IDC_REPORT_ELAPSED_LABEL, IDC_REPORT_ELAPSED},
};

ErrorList TwoErrors() {
  ErrorList errors;
  errors.push_back(
      std::make_unique<CErrorItem>(L"C:\\Data\\locked.doc", L"Failed to copy the file(s)."));
  errors.push_back(
      std::make_unique<CErrorItem>(L"C:\\Data\\Old", L"Failed to delete the target folder."));
  return errors;
}

void ClickControl(HWND dialog, int id) { ClickAt(CentreOf(::GetDlgItem(dialog, id))); }
void ClickOk(HWND dialog) { ClickControl(dialog, IDOK); }
void ClickClose(HWND dialog) { ClickControl(dialog, IDC_REPORT_CLOSE); }

// "x,y WxH", so a misplaced control reads plainly in the failure.
std::string Placement(const RECT& rect) {
  return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " +
         std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top);
}

// The cursor the system shows with the mouse over a control.
HCURSOR CursorOver(HWND dialog, int id) {
  MoveMouseTo(CentreOf(::GetDlgItem(dialog, id)));
  ::Sleep(kHoverSettleMs);
  CURSORINFO info{};
  info.cbSize = sizeof(info);
  return ::GetCursorInfo(&info) ? info.hCursor : nullptr;
}

// The lowest channel average of any pixel: 0 black, 255 white.
uint32_t Darkest(const Image& image) {
  uint32_t darkest = 0xFF;
  for (uint32_t p : image.pixels) {
    darkest = std::min(darkest, (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF)) / 3);
  }
  return darkest;
}

int DifferingPixels(const Image& a, const Image& b) {
  int count = 0;
  for (size_t i = 0; i < a.pixels.size() && i < b.pixels.size(); ++i)
    count += a.pixels[i] != b.pixels[i] ? 1 : 0;
  return count;
}

// Shows the report over stats and errors as the backup dialog does: inspect looks at it once
// it is painted, close ends it. Fails the test when it never showed or stayed open.
void ShowReport(const RunStats* stats, const ErrorList* errors,
                const ReportRun::WindowStep& inspect,
                const ReportRun::WindowStep& close = &ClickOk) {
  ReportRun run(stats, errors);
  run.Run(inspect, close);
  ASSERT_TRUE(run.Opened()) << "the report never showed";
  EXPECT_TRUE(run.ClosedByTheTest()) << "the report stayed open";
}

// The result line, its pixels and the error list as the user sees them.
struct ResultSeen {
  String text;
  Image line;
  std::vector<ListRow> rows;
  std::vector<ListColumn> columns;
};

ResultSeen ReadResult(HWND dialog) {
  ResultSeen seen;
  seen.text = ControlText(dialog, IDC_REPORT_RESULT);
  seen.line = Crop(CaptureClient(dialog), ControlRect(dialog, IDC_REPORT_RESULT));
  HWND list = ::GetDlgItem(dialog, IDC_REPORT_ERRORS);
  seen.rows = ListRows(list);
  seen.columns = ListColumns(list);
  return seen;
}

TEST(ReportDialog, ShowsTheRunsFiguresUnderTheirLabels) {
  const RunStats stats = SampleRunStats();
  std::map<int, String> texts;
  String caption;
  ShowReport(&stats, nullptr, [&](HWND dialog) {
    for (int id : kLabels) texts[id] = ControlText(dialog, id);
    for (int id : kValues) texts[id] = ControlText(dialog, id);
    wchar_t title[64] = {};
    ::GetWindowTextW(dialog, title, 64);
    caption = title;
    SaveScreenshot(L"ReportFigures", dialog);
  });
  EXPECT_EQ(caption, L"Vaultline");
  const std::pair<int, const wchar_t*> expected[] = {
      {IDC_REPORT_FILES_LABEL, L"File"},
      {IDC_REPORT_FILES, L"12"},
      {IDC_REPORT_FOLDERS_LABEL, L"Folder"},
      {IDC_REPORT_FOLDERS, L"3"},
      {IDC_REPORT_NEW_LABEL, L"New Backup"},
      {IDC_REPORT_NEW, L"9"},
      {IDC_REPORT_UPDATES_LABEL, L"Update"},
      {IDC_REPORT_UPDATES, L"2"},
      {IDC_REPORT_SIZE_LABEL, L"Total Size"},
      {IDC_REPORT_SIZE, L"1.00 MB"},
      {IDC_REPORT_ELAPSED_LABEL, L"Estimated time"},
      {IDC_REPORT_ELAPSED, L"01:02:05"},
  };
  for (const auto& [id, text] : expected) EXPECT_EQ(texts[id], text) << "control " << id;
}

TEST(ReportDialog, ErrorsShowTheErrorLineInRedAndOneRowEachInOrder) {
  const RunStats stats = SampleRunStats();  // the counter says nothing failed; the list decides
  const ErrorList errors = TwoErrors();
  ResultSeen seen;
  ShowReport(
      &stats, &errors,
      [&](HWND dialog) {
        seen = ReadResult(dialog);
        SaveScreenshot(L"ReportWithErrors", dialog);
      },
      &ClickClose);
  EXPECT_EQ(seen.text, L"Error occurred");
  EXPECT_GT(seen.line.Count(kRed, kWhole), 0) << "the error line is drawn red";
  EXPECT_EQ(seen.line.Count(kBlue, kWhole), 0);
  ASSERT_EQ(seen.rows.size(), 2u);
  EXPECT_EQ(seen.rows[0], ListRow(L"C:\\Data\\locked.doc", L"Failed to copy the file(s)."));
  EXPECT_EQ(seen.rows[1], ListRow(L"C:\\Data\\Old", L"Failed to delete the target folder."));
  ASSERT_EQ(seen.columns.size(), 2u);
  EXPECT_EQ(seen.columns[0].title, L"File Name");
  EXPECT_EQ(seen.columns[0].width, 150);
  EXPECT_EQ(seen.columns[1].title, L"Error");
  EXPECT_EQ(seen.columns[1].width, 200);
}

TEST(ReportDialog, ACleanRunShowsSuccessInBlueAndAnEmptyList) {
  const RunStats stats = SampleRunStats();
  const ErrorList none;
  ResultSeen seen;
  ShowReport(&stats, &none, [&](HWND dialog) {
    seen = ReadResult(dialog);
    SaveScreenshot(L"ReportSuccess", dialog);
  });
  EXPECT_EQ(seen.text, L"The process has been completed successfully");
  EXPECT_GT(seen.line.Count(kBlue, kWhole), 0) << "the success line is drawn blue";
  EXPECT_EQ(seen.line.Count(kRed, kWhole), 0);
  EXPECT_TRUE(seen.rows.empty());
}

TEST(ReportDialog, ACountedErrorWithoutRecordsIsStillAnError) {
  RunStats stats = SampleRunStats();
  stats.errorCount = 1;
  const ErrorList none;
  String result;
  ShowReport(&stats, &none, [&](HWND dialog) { result = ControlText(dialog, IDC_REPORT_RESULT); });
  EXPECT_EQ(result, L"Error occurred");
}

TEST(ReportDialog, WithoutTheRunsDataItShowsAnEmptySuccessfulRun) {
  std::map<int, String> texts;
  ShowReport(nullptr, nullptr, [&](HWND dialog) {
    texts[IDC_REPORT_RESULT] = ControlText(dialog, IDC_REPORT_RESULT);
    for (int id : kValues) texts[id] = ControlText(dialog, id);
  });
  EXPECT_EQ(texts[IDC_REPORT_RESULT], L"The process has been completed successfully");
  EXPECT_EQ(texts[IDC_REPORT_FILES], L"0");
  EXPECT_EQ(texts[IDC_REPORT_SIZE], L"0   B");
  EXPECT_EQ(texts[IDC_REPORT_ELAPSED], L"00:00:00");
}

TEST(ReportDialog, ControlsSitWhereTheSkinDrawsThem) {
  const RunStats stats = SampleRunStats();
  std::map<int, RECT> rects;
  SIZE client{};
  ShowReport(&stats, nullptr, [&](HWND dialog) {
    for (int id : {IDC_REPORT_CLOSE, IDOK, IDC_REPORT_ERRORS, IDC_REPORT_RESULT})
      rects[id] = ControlRect(dialog, id);
    for (const auto& row : kGrid) {
      for (int id : row) rects[id] = ControlRect(dialog, id);
    }
    RECT area{};
    ::GetClientRect(dialog, &area);
    client = SIZE{area.right, area.bottom};
  });
  const Image background = ResourceBitmap(IDB_REPORT_BACKGROUND);
  EXPECT_EQ(client.cx, background.width);
  EXPECT_EQ(client.cy, background.height);
  EXPECT_EQ(Placement(rects[IDC_REPORT_CLOSE]), "330,10 11x10");
  EXPECT_EQ(Placement(rects[IDOK]), "141,316 73x28");
  EXPECT_EQ(Placement(rects[IDC_REPORT_ERRORS]), "16,224 320x78");
  const SIZE resultSize = TemplateControlSize(IDD_SYNC_REPORT, IDC_REPORT_RESULT);
  ASSERT_GT(resultSize.cy, 0);
  EXPECT_EQ(Placement(rects[IDC_REPORT_RESULT]), Placement(RECT{20, 54, 338, 54 + resultSize.cy}))
      << "the result line keeps the template's height";

  // Each column as wide as the template makes its first row; a value one pixel right of its
  // label, the second pair ten pixels right of the first.
  int width[4] = {};
  for (int column = 0; column < 4; ++column)
    width[column] = TemplateControlSize(IDD_SYNC_REPORT, kGrid[0][column]).cx;
  const int left[4] = {40, 40 + width[0] + 1, 40 + width[0] + 1 + width[1] + 10,
                       40 + width[0] + 1 + width[1] + 10 + width[2] + 1};
  const int top[3] = {118, 138, 158};
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 4; ++column) {
      const RECT expected{left[column], top[row], left[column] + width[column], top[row] + 20};
      EXPECT_EQ(Placement(rects[kGrid[row][column]]), Placement(expected))
          << "row " << row << ", column " << column;
    }
  }
  EXPECT_LE(left[3] + width[3], rects[IDC_REPORT_RESULT].right)
      << "the grid ends inside the skin, where the result line ends";
}

TEST(ReportDialog, ValuesAreGreyLabelsPlainAndTheSkinShowsBehindThem) {
  const RunStats stats = SampleRunStats();
  const ErrorList none;
  Image shot;
  std::map<int, RECT> rects;
  ShowReport(&stats, &none, [&](HWND dialog) {
    for (int id : kLabels) rects[id] = ControlRect(dialog, id);
    for (int id : kValues) rects[id] = ControlRect(dialog, id);
    rects[IDC_REPORT_RESULT] = ControlRect(dialog, IDC_REPORT_RESULT);
    shot = CaptureClient(dialog);
  });
  const Image background = ResourceBitmap(IDB_REPORT_BACKGROUND);
  ASSERT_FALSE(shot.Empty());
  ASSERT_FALSE(background.Empty());
  // Text is smoothed into the background, so its pixels range from the text colour up to the
  // background's white: grey text never has a pixel darker than the grey itself, black text does.
  uint32_t darkestValue = 0xFF;
  for (int id : kValues) {
    const Image value = Crop(shot, rects[id]);
    EXPECT_GT(DifferingPixels(value, Crop(background, rects[id])), 0) << "value " << id << " shown";
    EXPECT_GE(Darkest(value), kGrey & 0xFF) << "value " << id << " no darker than grey";
    darkestValue = std::min(darkestValue, Darkest(value));
  }
  EXPECT_EQ(darkestValue, kGrey & 0xFF) << "the values are drawn in the grey itself";
  for (int id : kLabels) {
    EXPECT_LT(Darkest(Crop(shot, rects[id])), kGrey & 0xFF) << "label " << id << " drawn plain";
  }
  // Below the text of each line, its pixels are the background bitmap's own.
  for (const auto& [id, rect] : rects) {
    const RECT strip{rect.left, rect.bottom - 2, rect.right, rect.bottom};
    const Image seen = Crop(shot, strip);
    EXPECT_EQ(seen.pixels, Crop(background, strip).pixels) << "control " << id;
  }
}

TEST(ReportDialog, FontsComeFromTheMenuFontWithABoldResultLine) {
  const RunStats stats = SampleRunStats();
  LOGFONTW result{}, label{}, value{};
  ShowReport(&stats, nullptr, [&](HWND dialog) {
    result = ControlFont(dialog, IDC_REPORT_RESULT);
    label = ControlFont(dialog, IDC_REPORT_FILES_LABEL);
    value = ControlFont(dialog, IDC_REPORT_ELAPSED);
  });
  const LOGFONTW menu = SystemMenuFont();
  EXPECT_EQ(result.lfWeight, 700);
  EXPECT_STREQ(result.lfFaceName, menu.lfFaceName);
  EXPECT_EQ(result.lfHeight, menu.lfHeight);
  for (const LOGFONTW& font : {label, value}) {
    EXPECT_STREQ(font.lfFaceName, menu.lfFaceName);
    EXPECT_EQ(font.lfHeight, menu.lfHeight);
    EXPECT_EQ(font.lfWeight, menu.lfWeight);
  }
}

TEST(ReportDialog, TheGreenOfTheSkinIsCutOut) {
  const RunStats stats = SampleRunStats();
  Image shot;
  ShowReport(&stats, nullptr, [&](HWND dialog) {
    shot = CaptureClient(dialog);
    SaveScreenshot(L"ReportOutline", dialog);
  });
  const Image background = ResourceBitmap(IDB_REPORT_BACKGROUND);
  ASSERT_FALSE(shot.Empty());
  ASSERT_EQ(background.At(0, 0), kGreen) << "the bitmap's corners are the key colour";
  EXPECT_GT(background.Count(kGreen, kWhole), 0);
  EXPECT_EQ(shot.Count(kGreen, kWhole), 0) << "no key colour reaches the screen";
}

TEST(ReportDialog, BothButtonsShowTheHandCursor) {
  const RunStats stats = SampleRunStats();
  HCURSOR overOk = nullptr;
  HCURSOR overClose = nullptr;
  ShowReport(
      &stats, nullptr,
      [&](HWND dialog) {
        overOk = CursorOver(dialog, IDOK);
        overClose = CursorOver(dialog, IDC_REPORT_CLOSE);
      },
      &ClickClose);
  const HCURSOR hand = ::LoadCursorW(nullptr, IDC_HAND);
  EXPECT_EQ(overOk, hand);
  EXPECT_EQ(overClose, hand);
}

TEST(ReportDialog, EnterAndEscapeEndItToo) {
  const RunStats stats = SampleRunStats();
  for (const UINT key : {VK_RETURN, VK_ESCAPE}) {
    ShowReport(
        &stats, nullptr, [](HWND) {},
        [key](HWND dialog) { ::PostMessageW(::GetDlgItem(dialog, IDOK), WM_KEYDOWN, key, 0); });
  }
}

}  // namespace
}  // namespace vl::test
