#pragma once
// The updater's steps shown on its dialog. Safe on the worker thread: texts and the bar are set
// through the dialog's controls, and the question goes to the dialog's own thread.
#include <windows.h>

#include "updater/logic/PauseGate.h"
#include "updater/logic/UpdateServices.h"

namespace vl::updater {

class CDialogView : public IUpdateView {
 public:
  CDialogView(HWND dialog, PauseGate& gate) : m_hDialog(dialog), m_gate(gate) {}

  void ShowStep(UpdateStep step, const String& fileName) override;
  void SetProgress(int percent) override;
  bool AskToUpdate() override;
  bool ShouldStop() override { return m_gate.ShouldStop(); }
  void Wait(unsigned milliseconds) override { ::Sleep(milliseconds); }

 private:
  HWND m_hDialog;
  PauseGate& m_gate;
};

}  // namespace vl::updater
