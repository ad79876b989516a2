#include "tests/lifecycle/UserAnswers.h"

#include "tests/gui/harness/MessageBoxes.h"
#include "tests/gui/harness/ProcessWindows.h"
#include "tests/win32/WindowProbe.h"
#include "win32/handles/KernelHandle.h"

namespace vl::test {
namespace {

constexpr DWORD kBoxGoesMs = 5000;

int ButtonFor(const String& text, const std::vector<BoxAnswer>& answers) {
  for (const BoxAnswer& answer : answers)
    if (answer.text == text) return answer.buttonId;
  return IDNO;
}

void Answer(HWND box, const std::vector<BoxAnswer>& answers, PlayedRun& run) {
  const String text = ReadMessageBoxText(box);
  run.boxes.push_back(text);
  const int button = ButtonFor(text, answers);
  if (!PressMessageBoxButton(box, button) && button == IDNO) PressMessageBoxButton(box, IDOK);
  WaitFor([&] { return !::IsWindow(box) || !::IsWindowVisible(box); }, kBoxGoesMs);
}

}  // namespace

PlayedRun PlayUntilEnd(DWORD processId, const wchar_t* caption,
                       const std::vector<BoxAnswer>& answers, DWORD timeoutMs) {
  PlayedRun run;
  win32::KernelHandle process(::OpenProcess(
      SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE, processId));
  if (!process) return run;
  const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  while (::WaitForSingleObject(process.Get(), 20) == WAIT_TIMEOUT) {
    if (::GetTickCount64() >= deadline) {
      // Nothing of a stuck program may outlive the story.
      ::TerminateProcess(process.Get(), 1);
      ::WaitForSingleObject(process.Get(), kBoxGoesMs);
      return run;
    }
    if (HWND box = FindMessageBoxOf(processId, caption)) Answer(box, answers, run);
  }
  run.ended = ::GetExitCodeProcess(process.Get(), &run.exitCode) != FALSE;
  return run;
}

}  // namespace vl::test
