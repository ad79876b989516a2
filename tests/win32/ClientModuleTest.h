#pragma once
// A fixture for tests that read the built client's resources without running it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/win32/ClientLauncher.h"

namespace vl::test {

class ClientModuleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_module = LoadLibraryExW(BuiltClientPath().c_str(), nullptr,
                              LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(m_module, nullptr) << GetLastError();
  }
  void TearDown() override {
    if (m_module) FreeLibrary(m_module);
  }
  // The bytes of a resource found with FindResource(Ex); empty for a null handle.
  std::string Bytes(HRSRC found) const {
    if (!found) return std::string();
    const char* data = static_cast<const char*>(LockResource(LoadResource(m_module, found)));
    return std::string(data, SizeofResource(m_module, found));
  }

  HMODULE m_module = nullptr;
};

}  // namespace vl::test
