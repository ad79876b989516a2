#include "win32/ResString.h"


namespace vl {
namespace {

// Strings live in blocks of 16: block n + 1 holds ids 16n .. 16n + 15, each entry a 16-bit
// length followed by that many UTF-16 code units.
constexpr UINT kStringsPerBlock = 16;

HRSRC FindStringBlock(HMODULE module, UINT id, LANGID lang) {
  return ::FindResourceExW(module, RT_STRING, MAKEINTRESOURCEW(id / kStringsPerBlock + 1), lang);
}

HRSRC FindStringBlockFor(HMODULE module, UINT id, LANGID lang) {
  const LANGID candidates[] = {
      lang,
      MAKELANGID(PRIMARYLANGID(lang), SUBLANG_DEFAULT),
      MAKELANGID(PRIMARYLANGID(lang), SUBLANG_NEUTRAL),
      MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
  };
  for (LANGID candidate : candidates) {
    if (HRSRC block = FindStringBlock(module, id, candidate)) return block;
  }
  return ::FindResourceW(module, MAKEINTRESOURCEW(id / kStringsPerBlock + 1), RT_STRING);
}

bool ReadBlockEntry(HMODULE module, HRSRC block, UINT id, String& text) {
  HGLOBAL loaded = ::LoadResource(module, block);
  const auto* entry = static_cast<const WORD*>(loaded ? ::LockResource(loaded) : nullptr);
  if (!entry) return false;
  const WORD* end = entry + ::SizeofResource(module, block) / sizeof(WORD);
  for (UINT skip = id % kStringsPerBlock; skip > 0 && entry < end; --skip) entry += 1 + *entry;
  if (entry >= end || *entry == 0 || entry + 1 + *entry > end) return false;
  text.assign(reinterpret_cast<const wchar_t*>(entry + 1), *entry);
  return true;
}

}  // namespace

bool LoadResString(UINT id, LANGID lang, String& text, HMODULE module) {
  // Static libraries only: the strings are always the running program's own.
  if (!module) module = ::GetModuleHandleW(nullptr);
  HRSRC block = FindStringBlockFor(module, id, lang);
  return block && ReadBlockEntry(module, block, id, text);
}

bool LoadResString(UINT id, String& text, HMODULE module) {
  return LoadResString(id, ::GetThreadUILanguage(), text, module);
}

String LoadResString(UINT id) {
  String text;
  LoadResString(id, text);
  return text;
}

}  // namespace vl
