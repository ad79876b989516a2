#include "client/cli/ConsoleProgress.h"

#include "client/cli/Console.h"

namespace vl {

ConsoleProgress::ConsoleProgress()
    : m_inPlace(ErrIsConsole()), m_view([this](const String& line) { Write(line); }) {}

void ConsoleProgress::Write(const String& line) {
  WriteErr(m_inPlace ? m_line.Next(line) : line + VLT("\n"));
}

void ConsoleProgress::Finish() {
  if (m_inPlace) WriteErr(m_line.Finish());
}

}  // namespace vl
