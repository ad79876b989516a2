#pragma once
// A job tree as canonical text, one job a line, children indented by two spaces, so that a
// test compares whole trees and a failure shows the difference line by line:
//
//   EXISTING_FOLDER D old "Docs" 0 C:\S\Docs > T:\B\Docs
//     NEW_FILE F new "a.txt" 5 C:\S\Docs\a.txt > T:\B\Docs\a.txt
//
// Fields: action, D(older) or F(ile) from isFolder, new or old from isNew, the quoted name,
// size, sourcePath > targetPath.
#include <string>

#include "client/engine/RunState.h"

namespace vl::test {

std::string JobTreeText(const JobList& jobs);

}  // namespace vl::test
