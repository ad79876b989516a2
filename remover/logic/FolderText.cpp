#include "remover/logic/FolderText.h"

namespace vl::remover {
namespace {

bool IsLetter(Char c) {
  return (c >= VLT('A') && c <= VLT('Z')) || (c >= VLT('a') && c <= VLT('z'));
}

bool StartsWithDrive(StringView path) {
  return path.size() >= 3 && IsLetter(path[0]) && path[1] == VLT(':') && path[2] == VLT('\\');
}

bool IsForbiddenChar(Char c) {
  constexpr StringView kForbidden = VLT("/:*?\"<>|");
  return c < 0x20 || kForbidden.find(c) != StringView::npos;
}

RootProblem CheckPart(StringView part) {
  if (part.empty()) return RootProblem::Malformed;
  if (part == VLT(".") || part == VLT("..")) return RootProblem::DotDot;
  // The system drops a final dot or space, so "Desktop." would be the Desktop.
  if (part.back() == VLT('.') || part.back() == VLT(' ')) return RootProblem::Malformed;
  for (Char c : part) {
    if (IsForbiddenChar(c)) return RootProblem::Malformed;
  }
  return RootProblem::None;
}

}  // namespace

RootProblem CheckInstallRootText(StringView root) {
  if (root.empty()) return RootProblem::Empty;
  if (root.size() >= kMaxPathChars) return RootProblem::TooLong;
  if (root.size() >= 2 && (root[0] == VLT('\\') || root[0] == VLT('/')) &&
      (root[1] == VLT('\\') || root[1] == VLT('/')))
    return RootProblem::DevicePath;
  if (!StartsWithDrive(root)) return RootProblem::Relative;
  StringView rest = root.substr(3);
  if (!rest.empty() && rest.back() == VLT('\\')) rest.remove_suffix(1);
  while (!rest.empty()) {
    const size_t slash = rest.find(VLT('\\'));
    const RootProblem problem = CheckPart(rest.substr(0, slash));
    if (problem != RootProblem::None) return problem;
    rest = slash == StringView::npos ? StringView() : rest.substr(slash + 1);
    if (slash != StringView::npos && rest.empty()) return RootProblem::Malformed;
  }
  return RootProblem::None;
}

String WithoutFinalBackslash(StringView path) {
  if (IsDriveRoot(path)) return String(path.substr(0, 2)) + VLT('\\');
  while (!path.empty() && path.back() == VLT('\\')) path.remove_suffix(1);
  return String(path);
}

bool IsDriveRoot(StringView path) {
  return (path.size() == 2 || (path.size() == 3 && path[2] == VLT('\\'))) && IsLetter(path[0]) &&
         path[1] == VLT(':');
}

std::vector<String> SelfAndAncestors(StringView path) {
  std::vector<String> chain;
  String current = WithoutFinalBackslash(path);
  while (!current.empty()) {
    chain.push_back(current);
    if (IsDriveRoot(current)) break;
    const size_t slash = current.find_last_of(VLT('\\'));
    if (slash == String::npos) break;
    current = WithoutFinalBackslash(current.substr(0, slash + 1));
  }
  return chain;
}

}  // namespace vl::remover
