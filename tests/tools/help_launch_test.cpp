// The help launch: the bounded copy, the registry lookup of the HTML Help
// control and the loading, fallback and failure rules of ShowHelp. The
// lookup runs against a private registry tree put in place of
// HKEY_CLASSES_ROOT for this process only.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/tools/tools_test_support.h"
#include "tests/ui/file_bytes.h"
#include "tools/tools.h"

namespace {

const char ControlKey[] =
    "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
const char PrivateRoot[] = "Software\\TessavarToolsTest";
const wchar_t ChildVariable[] = L"TESSAVAR_HELP_CHILD";

// ---- BoundedCopy ------------------------------------------------------------

// Each copy starts from a destination filled with '#'; `text` is what the
// destination holds afterwards (null: untouched) and `sentinel` the first
// byte that must still be '#' (-1: none checked).
TEST(BoundedCopyTest, CopiesCutsAndRefusesBySize) {
  const HRESULT TooLong = static_cast<HRESULT>(0x8007007A);
  const HRESULT BadSize = static_cast<HRESULT>(0x80070057);
  struct Case {
    std::size_t size;
    const char* source;
    HRESULT result;
    const char* text;
    int sentinel;
  };
  const Case cases[] = {
      {4, "abc", BoundedCopyOk, "abc", 4},     // fits
      {4, "abcd", TooLong, "abc", 4},          // one too long: cut
      {1, "x", TooLong, "", 1},                // room for the terminator
      {1, "", BoundedCopyOk, "", 1},           // only
      {16, "ab\0cd", BoundedCopyOk, "ab", 3},  // stops at the terminator
      {0, "abc", BadSize, nullptr, 0},         // writes nothing
      {2147483648u, "abc", BadSize, "", 1},    // above the limit: emptied
      {2147483647u, "abc", BoundedCopyOk, "abc", -1},  // at the limit
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.size << " " << c.source);
    char dest[16];
    std::memset(dest, '#', sizeof dest);
    EXPECT_EQ(BoundedCopy(dest, c.size, c.source), c.result);
    if (c.text != nullptr) {
      EXPECT_STREQ(dest, c.text);
    }
    if (c.sentinel >= 0) {
      EXPECT_EQ(dest[c.sentinel], '#');
    }
  }
}

// ---- Registry
// -----------------------------------------------------------------

// Puts an empty private tree in place of HKEY_CLASSES_ROOT and starts the help
// launch afresh.
class HelpRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, PrivateRoot);
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, PrivateRoot, 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &root_, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegOverridePredefKey(HKEY_CLASSES_ROOT, root_), ERROR_SUCCESS);
    ResetHelpLaunchForTesting();
  }
  void TearDown() override {
    ResetHelpLaunchForTesting();
    RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    RegCloseKey(root_);
    RegDeleteTreeA(HKEY_CURRENT_USER, PrivateRoot);
  }

  // Sets the default value of the control's class key.
  void Register(DWORD type, const void* data, DWORD bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(root_, ControlKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, nullptr, 0, type,
                             static_cast<const BYTE*>(data), bytes),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }
  void Register(DWORD type, const std::string& text) {
    Register(type, text.c_str(), static_cast<DWORD>(text.size() + 1));
  }

  HKEY root_ = nullptr;
  char path_[HelpPathCapacity];
};

// Plain and expandable text up to the buffer's size is the path.
TEST_F(HelpRegistryTest, TextThatFitsIsThePath) {
  SetEnvironmentVariableA("TESSAVAR_TEST_ROOT", "C:\\tessavar-root");
  const std::string longest(HelpPathCapacity - 1, 'p');
  const struct {
    DWORD type;
    std::string value, path;
  } cases[] = {{REG_SZ, "C:\\windows\\system32\\hhctrl.ocx",
                "C:\\windows\\system32\\hhctrl.ocx"},
               {REG_EXPAND_SZ, "%TESSAVAR_TEST_ROOT%\\system32\\hhctrl.ocx",
                "C:\\tessavar-root\\system32\\hhctrl.ocx"},
               {REG_SZ, longest, longest}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value.substr(0, 40) + " (" + std::to_string(c.value.size()) +
                 " characters)");
    Register(c.type, c.value);
    ASSERT_TRUE(FindHelpControlPath(path_));
    EXPECT_EQ(std::string(path_), c.path);
  }
}

// No key, a key without a default value, an expansion or a value too long for
// the buffer, a full value without its terminator (not cut to a path) and a
// value that is no text: nothing is found.
TEST_F(HelpRegistryTest, NoUsableValueFindsNothing) {
  EXPECT_FALSE(FindHelpControlPath(path_)) << "no key";
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(root_, ControlKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_FALSE(FindHelpControlPath(path_)) << "no default value";
  SetEnvironmentVariableA("TESSAVAR_TEST_ROOT", std::string(200, 'r').c_str());
  const char expansion[] = "%TESSAVAR_TEST_ROOT%\\%TESSAVAR_TEST_ROOT%";
  const std::string over(300, 'p'), full(HelpPathCapacity, 'p');
  const DWORD number = 0x41414141;
  const DWORD fullBytes = static_cast<DWORD>(full.size());
  const struct {
    DWORD type;
    const void* data;
    DWORD bytes;
    const char* what;
  } cases[] = {{REG_EXPAND_SZ, expansion, sizeof expansion, "long expansion"},
               {REG_SZ, over.c_str(), 301, "300 characters"},
               {REG_SZ, full.c_str(), fullBytes + 1, "the buffer's size"},
               {REG_SZ, full.data(), fullBytes, "unterminated"},
               {REG_DWORD, &number, sizeof number, "a number"}};
  for (const auto& c : cases) {
    Register(c.type, c.data, c.bytes);
    EXPECT_FALSE(FindHelpControlPath(path_)) << c.what;
  }
}

// The system's own registration of the control, as installed with it.
TEST(HelpRegistrySystemTest, FindsTheInstalledControl) {
  char path[HelpPathCapacity];
  ASSERT_TRUE(FindHelpControlPath(path));
  std::string found(path);
  CharLowerA(found.data());
  EXPECT_NE(found.find("hhctrl.ocx"), std::string::npos) << found;
  EXPECT_NE(GetFileAttributesA(path), INVALID_FILE_ATTRIBUTES) << found;
}

// ---- ShowHelp ---------------------------------------------------------------

using CallCountFunction = LONG(WINAPI*)();
using LastCallFunction = void(WINAPI*)(HWND*, const wchar_t**, UINT*,
                                       DWORD_PTR*);

const HWND FakeHelpWindow =
    reinterpret_cast<HWND>(static_cast<INT_PTR>(0x5150));

// The fake control's record of calls; it must already be loaded.
LONG FakeCalls() {
  HMODULE fake = GetModuleHandleA("fake_help_control.dll");
  if (fake == nullptr) return -1;
  auto count = reinterpret_cast<CallCountFunction>(
      reinterpret_cast<void*>(GetProcAddress(fake, "FakeHelpCallCount")));
  return count();
}

class ShowHelpTest : public HelpRegistryTest {
 protected:
  void RegisterFake() {
    SetEnvironmentVariableW(L"TESSAVAR_TEST_DIR", TestFolder().c_str());
    Register(REG_EXPAND_SZ, "%TESSAVAR_TEST_DIR%fake_help_control.dll");
  }
  HWND caller_ = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234));
};

TEST_F(ShowHelpTest, LoadsTheRegisteredControlAndForwardsTheArguments) {
  RegisterFake();
  ASSERT_EQ(GetModuleHandleA("fake_help_control.dll"), nullptr);
  const wchar_t* file = L"Tessavar.chm";
  EXPECT_EQ(ShowHelp(caller_, file, 1, 0), FakeHelpWindow);
  HMODULE fake = GetModuleHandleA("fake_help_control.dll");
  ASSERT_NE(fake, nullptr);
  EXPECT_EQ(FakeCalls(), 1);
  auto last = reinterpret_cast<LastCallFunction>(
      reinterpret_cast<void*>(GetProcAddress(fake, "FakeHelpLastCall")));
  HWND caller = nullptr;
  const wchar_t* seenFile = nullptr;
  UINT command = 0;
  DWORD_PTR data = 1;
  last(&caller, &seenFile, &command, &data);
  EXPECT_EQ(caller, caller_);
  EXPECT_EQ(seenFile, file);
  EXPECT_EQ(command, 1u);
  EXPECT_EQ(data, 0u);
}

TEST_F(ShowHelpTest, LaterCallsOnlyForward) {
  RegisterFake();
  ASSERT_EQ(ShowHelp(caller_, L"Tessavar.chm", 1, 0), FakeHelpWindow);
  // Neither a changed registration nor a missing one matters any more.
  Register(REG_SZ, "C:\\nowhere\\missing.ocx");
  EXPECT_EQ(ShowHelp(caller_, L"Tessavar.chm", 2, 0), FakeHelpWindow);
  RegDeleteTreeA(root_, "CLSID");
  EXPECT_EQ(ShowHelp(caller_, L"Tessavar.chm", 1, 0), FakeHelpWindow);
  EXPECT_EQ(FakeCalls(), 3);
  EXPECT_EQ(GetModuleHandleA("hhctrl.ocx"), nullptr);
}

TEST_F(ShowHelpTest, UnloadableRegisteredPathFallsBackToTheBareName) {
  Register(REG_SZ, "C:\\nowhere\\missing.ocx");
  ASSERT_EQ(GetModuleHandleA("hhctrl.ocx"), nullptr);
  // HH_CLOSE_ALL: a request that opens no window.
  ShowHelp(nullptr, nullptr, 0x12, 0);
  EXPECT_NE(GetModuleHandleA("hhctrl.ocx"), nullptr);
}

TEST_F(ShowHelpTest, AbsentRegistrationLoadsTheBareName) {
  ShowHelp(nullptr, nullptr, 0x12, 0);
  EXPECT_NE(GetModuleHandleA("hhctrl.ocx"), nullptr);
}

TEST_F(ShowHelpTest, ControlWithoutTheEntryPointFailsForTheRestOfTheRun) {
  SetEnvironmentVariableW(L"TESSAVAR_TEST_DIR", TestFolder().c_str());
  Register(REG_EXPAND_SZ, "%TESSAVAR_TEST_DIR%help_control_without_entry.dll");
  EXPECT_EQ(ShowHelp(caller_, L"Tessavar.chm", 1, 0), nullptr);
  // A working registration later on is not even looked at.
  RegisterFake();
  EXPECT_EQ(ShowHelp(caller_, L"Tessavar.chm", 2, 0), nullptr);
  EXPECT_EQ(GetModuleHandleA("fake_help_control.dll"), nullptr);
  EXPECT_EQ(GetModuleHandleA("hhctrl.ocx"), nullptr);
}

// A copy of the test program started with the HTML Help control disabled
// for it alone (Wine's per-program library settings), so that neither the
// registered path nor the bare name can be loaded.
const wchar_t ChildProgram[] = L"tessavar_tools_nohelp.exe";
const wchar_t ChildOverrides[] =
    L"Software\\Wine\\AppDefaults\\tessavar_tools_nohelp.exe\\DllOverrides";

DWORD RunChildWithoutHelpControl() {
  std::wstring child = TestFolder() + ChildProgram;
  if (!CopyFileW(OwnPath().c_str(), child.c_str(), FALSE)) return 97;
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, ChildOverrides, 0, nullptr, 0,
                      KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return 96;
  }
  RegSetValueExW(key, L"hhctrl.ocx", 0, REG_SZ,
                 reinterpret_cast<const BYTE*>(L""), sizeof(wchar_t));
  RegCloseKey(key);
  std::wstring command =
      L"\"" + child + L"\" --gtest_filter=ShowHelpWithoutControl.*";
  SetEnvironmentVariableW(ChildVariable, L"1");
  PROCESS_INFORMATION process = {};
  bool started = StartProgram(command, process) == 0;
  SetEnvironmentVariableW(ChildVariable, nullptr);
  DWORD exitCode = 98;
  if (started) {
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) {
      GetExitCodeProcess(process.hProcess, &exitCode);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  RegDeleteTreeW(HKEY_CURRENT_USER,
                 L"Software\\Wine\\AppDefaults\\tessavar_tools_nohelp.exe");
  DeleteFileW(child.c_str());
  return exitCode;
}

TEST(ShowHelpFailureTest, NothingLoadableFailsNowAndLater) {
  EXPECT_EQ(RunChildWithoutHelpControl(), 0u) << "the child's checks failed";
}

class ShowHelpWithoutControl : public ShowHelpTest {
 protected:
  void SetUp() override {
    if (GetEnvironmentVariableW(ChildVariable, nullptr, 0) == 0) {
      GTEST_SKIP() << "runs only in the child started by ShowHelpFailureTest";
    }
    ShowHelpTest::SetUp();
  }
};

TEST_F(ShowHelpWithoutControl, FirstCommandFailsAndLaterOnesDoNotTryAgain) {
  ASSERT_EQ(LoadLibraryExA("hhctrl.ocx", nullptr, 0), nullptr)
      << "the control should be disabled in this process";
  Register(REG_SZ, "C:\\nowhere\\missing.ocx");
  EXPECT_EQ(ShowHelp(caller_, L"Tessavar.chm", 1, 0), nullptr);
  RegisterFake();
  EXPECT_EQ(ShowHelp(caller_, L"Tessavar.chm", 2, 0), nullptr);
  EXPECT_EQ(GetModuleHandleA("fake_help_control.dll"), nullptr);
}

}  // namespace
