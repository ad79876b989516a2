// The resources the built client carries: version, icon, manifest, About box template.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "resources/client/resource.h"
#include "tests/win32/ClientLauncher.h"
#include "tests/win32/ClientModuleTest.h"

namespace vl::test {
namespace {

String VersionString(const std::vector<BYTE>& info, const wchar_t* name) {
  wchar_t* value = nullptr;
  UINT length = 0;
  const String query = String(L"\\StringFileInfo\\040904b0\\") + name;
  if (!VerQueryValueW(info.data(), query.c_str(), reinterpret_cast<void**>(&value), &length))
    return String();
  return String(value, length > 0 ? length - 1 : 0);
}

class ClientResources : public ClientModuleTest {
 protected:
  std::string Resource(const wchar_t* type, UINT id) {
    return Bytes(FindResourceW(m_module, MAKEINTRESOURCEW(id), type));
  }
};

TEST_F(ClientResources, VersionIs1001FromKestrava) {
  const String exe = BuiltClientPath();
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &handle);
  ASSERT_GT(size, 0u);
  std::vector<BYTE> info(size);
  ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, info.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0x00000001u);
  EXPECT_EQ(VersionString(info, L"CompanyName"), L"Kestrava");
  EXPECT_EQ(VersionString(info, L"ProductName"), L"Vaultline");
  EXPECT_EQ(VersionString(info, L"FileVersion"), L"1.0.0.1");
  EXPECT_EQ(VersionString(info, L"ProductVersion"), L"1.0.0.1");
}

TEST_F(ClientResources, IconHasBothSizes) {
  for (int size : {16, 32}) {
    HICON icon = static_cast<HICON>(
        LoadImageW(m_module, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
    EXPECT_EQ(bitmap.bmWidth, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
  // The group lists both images, so neither size is scaled from the other.
  const std::string group = Resource(RT_GROUP_ICON, IDR_MAINFRAME);
  ASSERT_GE(group.size(), 6u);
  EXPECT_EQ(static_cast<unsigned char>(group[4]), 2u);
}

TEST_F(ClientResources, ManifestAsksForAdministratorAndCommonControls6) {
  const std::string manifest = Resource(RT_MANIFEST, 1);
  EXPECT_NE(manifest.find("requireAdministrator"), std::string::npos);
  EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(manifest.find("6.0.0.0"), std::string::npos);
}

TEST_F(ClientResources, AboutBoxTemplateAndStringsArePresent) {
  EXPECT_FALSE(Resource(RT_DIALOG, IDD_ABOUTBOX).empty());
  for (LANGID lang : {MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                      MAKELANGID(LANG_KOREAN, SUBLANG_KOREAN),
                      MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)}) {
    EXPECT_NE(FindResourceExW(m_module, RT_STRING,
                              MAKEINTRESOURCEW(IDP_OLE_INIT_FAILED / 16 + 1), lang),
              nullptr)
        << lang;
  }
}

}  // namespace
}  // namespace vl::test
