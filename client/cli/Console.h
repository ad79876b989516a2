#pragma once
// Console output of vlbackup: UTF-8 on stdout and stderr, whether they are a console, a pipe
// or a file.
#include <string>

#include "core/base/String.h"

namespace vl {

void ConsoleInit();
void WriteOut(const std::string& utf8);
void WriteOut(const String& text);
void WriteErr(const String& text);
// Whether stderr is a console window, where a line can be rewritten in place.
bool ErrIsConsole();

}  // namespace vl
