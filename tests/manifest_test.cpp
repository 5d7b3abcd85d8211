// Ombrix.exe's application manifest as Windows reads it: the system makes an
// activation context of the program's resource 1 of type RT_MANIFEST (which
// fails for a manifest that Windows would refuse to start the program with)
// and answers what it declares.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

constexpr wchar_t kSettings2005[] = L"http://schemas.microsoft.com/SMI/2005/WindowsSettings";
constexpr wchar_t kSettings2016[] = L"http://schemas.microsoft.com/SMI/2016/WindowsSettings";

// Ombrix.exe, in the folder of this test.
std::wstring ProgramPath() {
  wchar_t path[MAX_PATH];
  std::wstring test(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
  return test.substr(0, test.find_last_of(L"\\/") + 1) + L"Ombrix.exe";
}

class ProgramManifest : public testing::Test {
 protected:
  void SetUp() override {
    std::wstring path = ProgramPath();
    ACTCTXW request = {};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = path.c_str();
    request.lpResourceName = MAKEINTRESOURCEW(1);  // CREATEPROCESS_MANIFEST_RESOURCE_ID
    context_ = CreateActCtxW(&request);
    ASSERT_NE(context_, INVALID_HANDLE_VALUE) << "error " << GetLastError();
  }

  void TearDown() override {
    if (context_ != INVALID_HANDLE_VALUE) ReleaseActCtx(context_);
  }

  std::wstring Setting(const wchar_t* space, const wchar_t* name) const {
    wchar_t value[64] = L"";
    SIZE_T written = 0;
    if (!QueryActCtxSettingsW(0, context_, space, name, value, 64, &written)) return L"(none)";
    return value;
  }

  // The answer of QueryActCtxW about what, for the assembly at index (the
  // program is 1, what it depends on follows).
  std::vector<char> Query(ULONG what, DWORD index = 0) const {
    std::vector<char> info(4096);
    SIZE_T size = 0;
    if (!QueryActCtxW(0, context_, &index, what, info.data(), info.size(), &size)) info.clear();
    return info;
  }

  HANDLE context_ = INVALID_HANDLE_VALUE;
};

TEST_F(ProgramManifest, DeclaresSystemDpiAwareness) {
  EXPECT_EQ(Setting(kSettings2005, L"dpiAware"), L"true");
  EXPECT_EQ(Setting(kSettings2016, L"dpiAwareness"), L"system");
}

TEST_F(ProgramManifest, NamesVistaTo11AsSupported) {
  const GUID kVista = {
      0xe2011457, 0x1546, 0x43c5, {0xa5, 0xfe, 0x00, 0x8d, 0xee, 0xe3, 0xd3, 0xf0}};
  const GUID kSeven = {
      0x35138b9a, 0x5d96, 0x4fbd, {0x8e, 0x2d, 0xa2, 0x44, 0x02, 0x25, 0xf9, 0x3a}};
  const GUID kEight = {
      0x4a2f28e3, 0x53b9, 0x4441, {0xba, 0x9c, 0xd6, 0x9d, 0x4a, 0x4a, 0x6e, 0x38}};
  const GUID kEightOne = {
      0x1f676c76, 0x80e1, 0x4239, {0x95, 0xbb, 0x83, 0xd0, 0xf6, 0xd0, 0xda, 0x78}};
  const GUID kTenAndEleven = {
      0x8e0f7a12, 0xbfb3, 0x4fe8, {0xb9, 0xa5, 0x48, 0xfd, 0x50, 0xa1, 0x5a, 0x9a}};
  const GUID expected[] = {kVista, kSeven, kEight, kEightOne, kTenAndEleven};

  std::vector<char> answer = Query(CompatibilityInformationInActivationContext);
  ASSERT_FALSE(answer.empty());
  const auto* info = reinterpret_cast<ACTIVATION_CONTEXT_COMPATIBILITY_INFORMATION*>(answer.data());
  ASSERT_EQ(info->ElementCount, std::size(expected));
  // The size of an element differs between versions of Windows (Windows 10
  // added a field): the ids are looked for in order.
  std::string bytes(answer.begin(), answer.end());
  size_t at = 0;
  for (const GUID& id : expected) {
    at = bytes.find(std::string(reinterpret_cast<const char*>(&id), sizeof id), at);
    EXPECT_NE(at, std::string::npos) << "supported Windows " << (&id - expected);
  }
}

TEST_F(ProgramManifest, UsesCommonControls6) {
  std::vector<char> answer = Query(ActivationContextDetailedInformation);
  ASSERT_FALSE(answer.empty());
  ASSERT_EQ(
      reinterpret_cast<ACTIVATION_CONTEXT_DETAILED_INFORMATION*>(answer.data())->ulAssemblyCount,
      2u);
  answer = Query(AssemblyDetailedInformationInActivationContext, 2);
  ASSERT_FALSE(answer.empty());
  const auto* assembly =
      reinterpret_cast<ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(answer.data());
  std::wstring identity = assembly->lpAssemblyEncodedAssemblyIdentity;
  EXPECT_EQ(identity.rfind(L"Microsoft.Windows.Common-Controls,", 0), 0u);
  EXPECT_NE(identity.find(L"version=\"6."), std::wstring::npos);
}

TEST_F(ProgramManifest, RunsAsTheUserWhoStartsIt) {
  std::vector<char> answer = Query(RunlevelInformationInActivationContext);
  ASSERT_FALSE(answer.empty());
  const auto* level = reinterpret_cast<ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION*>(answer.data());
  EXPECT_EQ(level->RunLevel, ACTCTX_RUN_LEVEL_AS_INVOKER);
  EXPECT_EQ(level->UiAccess, 0u);
}

}  // namespace
