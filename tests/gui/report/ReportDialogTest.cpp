// The report dialog as the user sees it after a run: run modally like the backup dialog runs
// it, looked at from a second thread (texts, rows, positions, fonts and the pixels on the
// screen) and closed with the real mouse.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>

#include "client/ui/DlgSyncReport.h"
#include "resources/client/resource.h"
#include "tests/gui/harness/Capture.h"
#include "tests/gui/harness/Input.h"
#include "tests/gui/harness/Screenshots.h"
#include "tests/gui/report/ReportProbe.h"
#include "tests/gui/report/ReportRun.h"

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

RunStats SampleStats() {
  RunStats stats;
  stats.fileCount = 12;
  stats.folderCount = 3;
  stats.copiedNew = 9;
  stats.copiedChanged = 2;
  stats.totalBytes = 1048576;
  stats.startTime = 1700000000;
  stats.endTime = stats.startTime + 3725;
  return stats;
}

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

void ExpectOpenedAndClosed(const ReportRun& run) {
  ASSERT_TRUE(run.Opened()) << "the report never showed";
  EXPECT_TRUE(run.ClosedByTheTest()) << "the report stayed open";
}

TEST(ReportDialog, ShowsTheRunsFiguresUnderTheirLabels) {
  const RunStats stats = SampleStats();
  std::map<int, String> texts;
  String caption;
  ReportRun run(&stats, nullptr);
  run.Run(
      [&](HWND dialog) {
        for (int id : kLabels) texts[id] = ControlText(dialog, id);
        for (int id : kValues) texts[id] = ControlText(dialog, id);
        wchar_t title[64] = {};
        ::GetWindowTextW(dialog, title, 64);
        caption = title;
        SaveScreenshot(L"ReportFigures", dialog);
      },
      &ClickOk);
  ExpectOpenedAndClosed(run);
  EXPECT_EQ(caption, L"Vaultline");
  EXPECT_EQ(texts[IDC_REPORT_FILES], L"12");
  EXPECT_EQ(texts[IDC_REPORT_FOLDERS], L"3");
  EXPECT_EQ(texts[IDC_REPORT_NEW], L"9");
  EXPECT_EQ(texts[IDC_REPORT_UPDATES], L"2");
  EXPECT_EQ(texts[IDC_REPORT_SIZE], L"1.00 MB");
  EXPECT_EQ(texts[IDC_REPORT_ELAPSED], L"01:02:05");
  EXPECT_EQ(texts[IDC_REPORT_FILES_LABEL], L"File");
  EXPECT_EQ(texts[IDC_REPORT_FOLDERS_LABEL], L"Folder");
  EXPECT_EQ(texts[IDC_REPORT_NEW_LABEL], L"New Backup");
  EXPECT_EQ(texts[IDC_REPORT_UPDATES_LABEL], L"Update");
  EXPECT_EQ(texts[IDC_REPORT_SIZE_LABEL], L"Total Size");
  EXPECT_EQ(texts[IDC_REPORT_ELAPSED_LABEL], L"Estimated time");
}

TEST(ReportDialog, ErrorsShowTheErrorLineInRedAndOneRowEachInOrder) {
  const RunStats stats = SampleStats();  // the counter says nothing failed; the list decides
  const ErrorList errors = TwoErrors();
  String result;
  std::vector<ListRow> rows;
  std::vector<ListColumn> columns;
  Image line;
  ReportRun run(&stats, &errors);
  run.Run(
      [&](HWND dialog) {
        result = ControlText(dialog, IDC_REPORT_RESULT);
        rows = ListRows(::GetDlgItem(dialog, IDC_REPORT_ERRORS));
        columns = ListColumns(::GetDlgItem(dialog, IDC_REPORT_ERRORS));
        line = Crop(CaptureClient(dialog), ControlRect(dialog, IDC_REPORT_RESULT));
        SaveScreenshot(L"ReportWithErrors", dialog);
      },
      &ClickClose);
  ExpectOpenedAndClosed(run);
  EXPECT_EQ(result, L"Error occurred");
  EXPECT_GT(line.Count(kRed, kWhole), 0) << "the error line is drawn red";
  EXPECT_EQ(line.Count(kBlue, kWhole), 0);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0], ListRow(L"C:\\Data\\locked.doc", L"Failed to copy the file(s)."));
  EXPECT_EQ(rows[1], ListRow(L"C:\\Data\\Old", L"Failed to delete the target folder."));
  ASSERT_EQ(columns.size(), 2u);
  EXPECT_EQ(columns[0].title, L"File Name");
  EXPECT_EQ(columns[0].width, 150);
  EXPECT_EQ(columns[1].title, L"Error");
  EXPECT_EQ(columns[1].width, 200);
}

TEST(ReportDialog, ACleanRunShowsSuccessInBlueAndAnEmptyList) {
  const RunStats stats = SampleStats();
  const ErrorList none;
  String result;
  std::vector<ListRow> rows;
  Image line;
  ReportRun run(&stats, &none);
  run.Run(
      [&](HWND dialog) {
        result = ControlText(dialog, IDC_REPORT_RESULT);
        rows = ListRows(::GetDlgItem(dialog, IDC_REPORT_ERRORS));
        line = Crop(CaptureClient(dialog), ControlRect(dialog, IDC_REPORT_RESULT));
        SaveScreenshot(L"ReportSuccess", dialog);
      },
      &ClickOk);
  ExpectOpenedAndClosed(run);
  EXPECT_EQ(result, L"The process has been completed successfully");
  EXPECT_GT(line.Count(kBlue, kWhole), 0) << "the success line is drawn blue";
  EXPECT_EQ(line.Count(kRed, kWhole), 0);
  EXPECT_TRUE(rows.empty());
}

TEST(ReportDialog, ACountedErrorWithoutRecordsIsStillAnError) {
  RunStats stats = SampleStats();
  stats.errorCount = 1;
  const ErrorList none;
  String result;
  ReportRun run(&stats, &none);
  run.Run([&](HWND dialog) { result = ControlText(dialog, IDC_REPORT_RESULT); }, &ClickOk);
  ExpectOpenedAndClosed(run);
  EXPECT_EQ(result, L"Error occurred");
}

TEST(ReportDialog, WithoutTheRunsDataItShowsAnEmptySuccessfulRun) {
  std::map<int, String> texts;
  ReportRun run(nullptr, nullptr);
  run.Run(
      [&](HWND dialog) {
        texts[IDC_REPORT_RESULT] = ControlText(dialog, IDC_REPORT_RESULT);
        for (int id : kValues) texts[id] = ControlText(dialog, id);
      },
      &ClickOk);
  ExpectOpenedAndClosed(run);
  EXPECT_EQ(texts[IDC_REPORT_RESULT], L"The process has been completed successfully");
  EXPECT_EQ(texts[IDC_REPORT_FILES], L"0");
  EXPECT_EQ(texts[IDC_REPORT_SIZE], L"0   B");
  EXPECT_EQ(texts[IDC_REPORT_ELAPSED], L"00:00:00");
}

TEST(ReportDialog, ControlsSitWhereTheSkinDrawsThem) {
  const RunStats stats = SampleStats();
  std::map<int, RECT> rects;
  SIZE client{};
  ReportRun run(&stats, nullptr);
  run.Run(
      [&](HWND dialog) {
        for (int id : {IDC_REPORT_CLOSE, IDOK, IDC_REPORT_ERRORS, IDC_REPORT_RESULT})
          rects[id] = ControlRect(dialog, id);
        for (const auto& row : kGrid) {
          for (int id : row) rects[id] = ControlRect(dialog, id);
        }
        RECT area{};
        ::GetClientRect(dialog, &area);
        client = SIZE{area.right, area.bottom};
      },
      &ClickOk);
  ExpectOpenedAndClosed(run);
  const Image background = ResourceBitmap(CDlgSyncReport::kBackgroundBitmap);
  EXPECT_EQ(client.cx, background.width);
  EXPECT_EQ(client.cy, background.height);
  EXPECT_EQ(Placement(rects[IDC_REPORT_CLOSE]), "330,10 11x10");
  EXPECT_EQ(Placement(rects[IDOK]), "141,316 73x28");
  EXPECT_EQ(Placement(rects[IDC_REPORT_ERRORS]), "16,224 320x78");
  const SIZE resultSize = TemplateControlSize(CDlgSyncReport::kTemplateId, IDC_REPORT_RESULT);
  ASSERT_GT(resultSize.cy, 0);
  EXPECT_EQ(Placement(rects[IDC_REPORT_RESULT]), Placement(RECT{20, 54, 338, 54 + resultSize.cy}))
      << "the result line keeps the template's height";

  // Each column as wide as the template makes its first row; a value one pixel right of its
  // label, the second pair ten pixels right of the first.
  int width[4] = {};
  for (int column = 0; column < 4; ++column)
    width[column] = TemplateControlSize(CDlgSyncReport::kTemplateId, kGrid[0][column]).cx;
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
  EXPECT_LE(left[3] + width[3], client.cx) << "the grid fits the dialog";
}

TEST(ReportDialog, ValuesAreGreyLabelsPlainAndTheSkinShowsBehindThem) {
  const RunStats stats = SampleStats();
  const ErrorList none;
  Image shot;
  std::map<int, RECT> rects;
  ReportRun run(&stats, &none);
  run.Run(
      [&](HWND dialog) {
        for (int id : kLabels) rects[id] = ControlRect(dialog, id);
        for (int id : kValues) rects[id] = ControlRect(dialog, id);
        rects[IDC_REPORT_RESULT] = ControlRect(dialog, IDC_REPORT_RESULT);
        shot = CaptureClient(dialog);
      },
      &ClickOk);
  ExpectOpenedAndClosed(run);
  const Image background = ResourceBitmap(CDlgSyncReport::kBackgroundBitmap);
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
  const RunStats stats = SampleStats();
  LOGFONTW result{}, label{}, value{};
  ReportRun run(&stats, nullptr);
  run.Run(
      [&](HWND dialog) {
        result = ControlFont(dialog, IDC_REPORT_RESULT);
        label = ControlFont(dialog, IDC_REPORT_FILES_LABEL);
        value = ControlFont(dialog, IDC_REPORT_ELAPSED);
      },
      &ClickOk);
  ExpectOpenedAndClosed(run);
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
  const RunStats stats = SampleStats();
  Image shot;
  ReportRun run(&stats, nullptr);
  run.Run(
      [&](HWND dialog) {
        shot = CaptureClient(dialog);
        SaveScreenshot(L"ReportOutline", dialog);
      },
      &ClickOk);
  ExpectOpenedAndClosed(run);
  const Image background = ResourceBitmap(CDlgSyncReport::kBackgroundBitmap);
  ASSERT_FALSE(shot.Empty());
  ASSERT_EQ(background.At(0, 0), kGreen) << "the bitmap's corners are the key colour";
  EXPECT_GT(background.Count(kGreen, kWhole), 0);
  EXPECT_EQ(shot.Count(kGreen, kWhole), 0) << "no key colour reaches the screen";
}

TEST(ReportDialog, BothButtonsShowTheHandCursor) {
  const RunStats stats = SampleStats();
  HCURSOR overOk = nullptr;
  HCURSOR overClose = nullptr;
  ReportRun run(&stats, nullptr);
  run.Run(
      [&](HWND dialog) {
        overOk = CursorOver(dialog, IDOK);
        overClose = CursorOver(dialog, IDC_REPORT_CLOSE);
      },
      &ClickClose);
  ExpectOpenedAndClosed(run);
  const HCURSOR hand = ::LoadCursorW(nullptr, IDC_HAND);
  EXPECT_EQ(overOk, hand);
  EXPECT_EQ(overClose, hand);
}

TEST(ReportDialog, EnterAndEscapeEndItToo) {
  const RunStats stats = SampleStats();
  for (const UINT key : {VK_RETURN, VK_ESCAPE}) {
    ReportRun run(&stats, nullptr);
    run.Run([](HWND) {},
            [key](HWND dialog) {
              ::PostMessageW(::GetDlgItem(dialog, IDOK), WM_KEYDOWN, key, 0);
            });
    ExpectOpenedAndClosed(run);
  }
}

}  // namespace
}  // namespace vl::test
