#pragma once
// The linked-connections policy: with it on, drives the client maps are also visible to
// elevated processes (the client itself runs elevated on the systems that split the two).
#include <windows.h>

#include "core/base/String.h"

namespace vl {

constexpr const wchar_t* kPolicySystemKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
constexpr const wchar_t* kLinkedConnectionsValue = L"EnableLinkedConnections";

// Writes EnableLinkedConnections = 1 (REG_DWORD) below root\kPolicySystemKey; the registry's
// status code.
LONG EnableLinkedConnections(HKEY root);

// Writes the policy under HKEY_LOCAL_MACHINE when osName needs it; true when it was written.
// A key that cannot be opened is no reason to stop the client.
bool ApplyLinkedConnectionsPolicy(const String& osName);

}  // namespace vl
