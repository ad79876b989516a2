#pragma once
// Lets a worker thread send synchronous messages to a window only while the window is not
// going away, and lets the window wait for the sends already under way. Without it a window
// being destroyed could stop handling messages while the worker waits inside SendMessage for
// it, and the worker would never end.
#include <atomic>

namespace vl {

class WorkerSendGate {
 public:
  // Worker side: true when the send may go ahead; Leave() must follow it.
  bool Enter() {
    m_inFlight.fetch_add(1);
    if (!m_closed.load()) return true;
    m_inFlight.fetch_sub(1);
    return false;
  }
  void Leave() { m_inFlight.fetch_sub(1); }

  // Window side: no new sends from now on; Busy() tells whether one is still under way.
  // (Both sides use sequentially consistent order, so a send that saw the gate open is always
  // seen as under way.)
  void Close() { m_closed.store(true); }
  bool Busy() const { return m_inFlight.load() > 0; }

 private:
  std::atomic<bool> m_closed{false};
  std::atomic<int> m_inFlight{0};
};

// One send through the gate: open when it converts to true, left again at scope end.
class GatePass {
 public:
  explicit GatePass(WorkerSendGate& gate) : m_gate(gate), m_open(gate.Enter()) {}
  ~GatePass() {
    if (m_open) m_gate.Leave();
  }
  GatePass(const GatePass&) = delete;
  GatePass& operator=(const GatePass&) = delete;
  explicit operator bool() const { return m_open; }

 private:
  WorkerSendGate& m_gate;
  bool m_open;
};

}  // namespace vl
