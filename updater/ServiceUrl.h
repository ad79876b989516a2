#pragma once
// The update service's base address: the string value "UpdateURL" under
// HKLM\Software\Kestrava\Vaultline when it is set, otherwise the vendor's own service.
#include "core/base/String.h"

namespace vl::updater {

constexpr const wchar_t* kDefaultServiceUrl = L"http://update.kestrava.com/vaultline";

String UpdateServiceUrl();

}  // namespace vl::updater
