#include "client/engine/realtime/LostChanges.h"

#include "client/engine/TickSource.h"

namespace vl {

void CLostChanges::NoteLost(uint32_t now) {
  m_pending = true;
  m_lastActivity = now;
}

void CLostChanges::NoteChange(uint32_t now) {
  if (m_pending) m_lastActivity = now;
}

bool CLostChanges::TakeDue(uint32_t now, bool canStart) {
  if (!m_pending || !canStart || TicksSince(m_lastActivity, now) < m_quietMs) return false;
  m_pending = false;
  return true;
}

}  // namespace vl
