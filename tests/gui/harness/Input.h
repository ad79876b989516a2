#pragma once
// Driving windows as a person would: real mouse input through the system's input queue, and
// posted mouse messages where real input cannot reach (windows of a hidden program).
#include <windows.h>

#include <functional>

namespace vl::test {

// Real input: moves the cursor to a screen point, presses and releases the left button.
bool MoveMouseTo(POINT screen);
bool PressLeft();
bool ReleaseLeft();
bool ClickAt(POINT screen);
// The screen point of a window's client point.
POINT ScreenPointOf(HWND hWnd, POINT client);
// The centre of a window on the screen.
POINT CentreOf(HWND hWnd);

// Posted messages: a press and release at a client point of hWnd.
void PostClick(HWND hWnd, POINT client);

// Runs script (real input, with pauses) on a thread of its own while this thread keeps
// dispatching messages: a window of this thread may run a modal loop (dragging, menus) that
// only ends on input still to come.
void PlayWhilePumping(const std::function<void()>& script, DWORD settleMs = 300);
// Real input on the current thread with a pause after each step; meant for PlayWhilePumping.
void DragWithPauses(POINT from, POINT to, DWORD pauseMs = 80);

// Dispatches this thread's messages until done() holds or timeoutMs passed; the last done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);
// Dispatches this thread's messages for ms milliseconds.
void PumpFor(DWORD ms);

}  // namespace vl::test
