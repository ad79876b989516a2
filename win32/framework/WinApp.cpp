#include "win32/framework/WinApp.h"

#include <shellapi.h>

#include "win32/framework/Wnd.h"

namespace vl {
namespace {

CWinAppBase* g_app = nullptr;

}  // namespace

CWinAppBase::CWinAppBase(const wchar_t* appName) : m_pszAppName(appName) { g_app = this; }

CWinAppBase::~CWinAppBase() {
  if (g_app == this) g_app = nullptr;
}

int CWinAppBase::Run() {
  MSG msg{};
  for (;;) {
    const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      m_nExitCode = static_cast<int>(msg.wParam);
      break;
    }
    if (got == -1) {
      m_nExitCode = -1;
      break;
    }
    if (PreTranslateMessage(msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return ExitInstance();
}

bool CWinAppBase::PreTranslateMessage(MSG& msg) {
  for (HWND hWnd = msg.hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
    CWnd* wnd = CWnd::FromHandlePermanent(hWnd);
    if (wnd && wnd->PreTranslateMessage(msg)) return true;
  }
  return false;
}

int CWinAppBase::WinMain(HINSTANCE instance, int showCommand) {
  m_hInstance = instance;
  m_nCmdShow = showCommand;
  m_args = SplitCommandLine(::GetCommandLineW());
  if (InitInstance()) return Run();
  m_nExitCode = kInitFailedExitCode;
  return ExitInstance();
}

CWinAppBase* AfxGetApp() { return g_app; }

int AfxWinMain(HINSTANCE instance, int showCommand) {
  if (!g_app) return CWinAppBase::kInitFailedExitCode;
  return g_app->WinMain(instance, showCommand);
}

HINSTANCE AfxGetInstanceHandle() {
  if (g_app && g_app->m_hInstance) return g_app->m_hInstance;
  return ::GetModuleHandleW(nullptr);
}

std::vector<String> SplitCommandLine(const wchar_t* commandLine) {
  std::vector<String> args;
  if (!commandLine || !*commandLine) return args;
  int count = 0;
  LPWSTR* argv = ::CommandLineToArgvW(commandLine, &count);
  if (!argv) return args;
  for (int i = 1; i < count; ++i) args.emplace_back(argv[i]);
  ::LocalFree(argv);
  return args;
}

}  // namespace vl
