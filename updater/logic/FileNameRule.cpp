#include "updater/logic/FileNameRule.h"

#include "core/rules/AsciiCase.h"
#include "core/text/Utf.h"

namespace vl::updater {
namespace {

constexpr StringView kForbidden = VLT("\\/:*?\"<>|");

// Names the system opens as devices in every folder, whatever extension follows them.
constexpr const Char* kDeviceNames[] = {
    VLT("CON"),  VLT("PRN"),  VLT("AUX"),  VLT("NUL"),    VLT("CONIN$"), VLT("CONOUT$"),
    VLT("COM1"), VLT("COM2"), VLT("COM3"), VLT("COM4"),   VLT("COM5"),   VLT("COM6"),
    VLT("COM7"), VLT("COM8"), VLT("COM9"), VLT("COM\u00B9"), VLT("COM\u00B2"), VLT("COM\u00B3"),
    VLT("LPT1"), VLT("LPT2"), VLT("LPT3"), VLT("LPT4"),   VLT("LPT5"),   VLT("LPT6"),
    VLT("LPT7"), VLT("LPT8"), VLT("LPT9"), VLT("LPT\u00B9"), VLT("LPT\u00B2"), VLT("LPT\u00B3"),
    VLT("CLOCK$")};

bool HasForbiddenChar(StringView name) {
  for (Char c : name) {
    if (c < 0x20 || kForbidden.find(c) != StringView::npos) return true;
  }
  return false;
}

bool IsDeviceName(StringView name) {
  StringView stem = name.substr(0, name.find('.'));
  while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
  for (const Char* device : kDeviceNames) {
    if (EqualsIgnoringAsciiCase(stem, device)) return true;
  }
  return false;
}

}  // namespace

bool IsPlainFileName(StringView name) {
  if (name.empty() || name.size() > kMaxFileNameChars) return false;
  if (name.back() == '.' || name.back() == ' ') return false;
  if (name.find(VLT("..")) != StringView::npos) return false;
  if (HasForbiddenChar(name) || !HasNoUnpairedSurrogates(name)) return false;
  return !IsDeviceName(name);
}

}  // namespace vl::updater
