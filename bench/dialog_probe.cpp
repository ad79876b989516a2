// What one progress message costs the running client's backup dialog: the round trip alone,
// each of the three messages a run sends for every progress update, and the same three again
// once the dialog is no longer colour-keyed (layered). bench/run-dialog-bench runs it against
// the client after its timed run; the client is ended afterwards, so the style it loses here
// matters to nobody.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "resources/client/resource.h"

namespace {

constexpr int kRounds = 300;
constexpr const wchar_t* kDialogClass = L"VaultlineBackupDialog";

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 /
         static_cast<double>(frequency.QuadPart);
}

// Sends kRounds messages made by make(round) to window and prints the mean time of one.
template <typename MakeMessage>
void Measure(const char* label, HWND window, MakeMessage make) {
  LARGE_INTEGER start;
  LARGE_INTEGER end;
  ::QueryPerformanceCounter(&start);
  for (int round = 0; round < kRounds; ++round) {
    std::wstring text;
    UINT message = 0;
    WPARAM wParam = 0;
    make(round, message, wParam, text);
    DWORD_PTR answer = 0;
    const LPARAM lParam = text.empty() ? 0 : reinterpret_cast<LPARAM>(text.c_str());
    if (!::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, 10000, &answer)) {
      std::printf("%-44s no answer\n", label);
      return;
    }
  }
  ::QueryPerformanceCounter(&end);
  std::printf("%-44s %8.3f ms per message\n", label, Milliseconds(start, end) / kRounds);
}

void MeasureProgressMessages(HWND dialog, const char* when) {
  const HWND bar = ::GetDlgItem(dialog, IDC_BACKUP_PROGRESS);
  const HWND status = ::GetDlgItem(dialog, IDC_BACKUP_SOURCE_LINE);
  const std::string suffix = std::string(", ") + when;
  Measure(("progress bar PBM_SETPOS" + suffix).c_str(), bar,
          [](int round, UINT& message, WPARAM& wParam, std::wstring&) {
            message = PBM_SETPOS;
            wParam = static_cast<WPARAM>(round % 101);
          });
  Measure(("status line WM_SETTEXT" + suffix).c_str(), status,
          [](int round, UINT& message, WPARAM&, std::wstring& text) {
            message = WM_SETTEXT;
            text = L"Backing up file_0" + std::to_wstring(10000 + round) + L".dat (" +
                   std::to_wstring(round % 101) + L" %)";
          });
  Measure(("caption WM_SETTEXT" + suffix).c_str(), dialog,
          [](int round, UINT& message, WPARAM&, std::wstring& text) {
            message = WM_SETTEXT;
            text = L"Vaultline (" + std::to_wstring(round % 101) + L" %)";
          });
}

}  // namespace

int wmain() {
  const HWND dialog = ::FindWindowW(kDialogClass, nullptr);
  if (!dialog) {
    std::fprintf(stderr, "dialog_probe: no backup dialog is open\n");
    return 1;
  }
  // A run shows the bar; an idle dialog hides it, and a hidden bar would paint nothing.
  ::ShowWindow(::GetDlgItem(dialog, IDC_BACKUP_PROGRESS), SW_SHOWNA);
  Measure("round trip WM_NULL", dialog,
          [](int, UINT& message, WPARAM&, std::wstring&) { message = WM_NULL; });
  MeasureProgressMessages(dialog, "colour-keyed");
  const LONG_PTR exStyle = ::GetWindowLongPtrW(dialog, GWL_EXSTYLE);
  ::SetWindowLongPtrW(dialog, GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
  ::RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  MeasureProgressMessages(dialog, "not layered");
  return 0;
}
