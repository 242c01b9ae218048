// The about box run modally through its real template and dialog procedure;
// a thread timer inside the box's own modal loop reads it and presses keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/tools/tools_test_support.h"
#include "tools/tools.h"
#include "tools/tools_ids.h"

namespace {

const wchar_t TemplateVersion[] = L"Version 0.0.0 (Build 0)";
const wchar_t TemplateCopyright[] = L"" TESSAVAR_COPYRIGHT_TEXT;

// What a run of the box saw, and the keys or clicks to give it.
struct AboutRun {
  enum Action { PressEscape, PressEnter, ClickOk, CloseBox };
  std::vector<Action> actions;
  // Read once the box is up.
  std::wstring caption, name, version, copyright, notice, extra;
  bool focusOnOk = false;
  bool noticeFits = false;
  // Whether the box was still open after each action but the last.
  std::vector<bool> openAfter;
  bool timedOut = false;
  HWND box = nullptr;
  size_t next = 0;
  int ticks = 0;
};

AboutRun* CurrentRun = nullptr;
constexpr int MaxTicks = 250;  // 5 seconds at 20 ms

void PostAction(AboutRun& run, AboutRun::Action action) {
  HWND ok = GetDlgItem(run.box, IDOK);
  HWND focus = GetFocus() != nullptr ? GetFocus() : ok;
  switch (action) {
    case AboutRun::PressEscape:
      PostMessageW(focus, WM_KEYDOWN, VK_ESCAPE, 1);
      break;
    case AboutRun::PressEnter:
      PostMessageW(focus, WM_KEYDOWN, VK_RETURN, 1);
      break;
    case AboutRun::ClickOk:
      PostMessageW(ok, BM_CLICK, 0, 0);
      break;
    case AboutRun::CloseBox:
      PostMessageW(run.box, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
  }
}

void ReadBox(AboutRun& run) {
  run.caption = WindowText(run.box);
  run.name = ItemText(run.box, IDC_ABOUT_NAME);
  run.version = ItemText(run.box, IDC_ABOUT_VERSION);
  run.copyright = ItemText(run.box, IDC_ABOUT_COPYRIGHT);
  run.notice = ItemText(run.box, IDC_ABOUT_NOTICE);
  run.extra = ItemText(run.box, IDC_ABOUT_EXTRA);
  run.focusOnOk = GetFocus() == GetDlgItem(run.box, IDOK);
  run.noticeFits = TextFits(GetDlgItem(run.box, IDC_ABOUT_NOTICE)) &&
                   TextFits(GetDlgItem(run.box, IDC_ABOUT_VERSION)) &&
                   TextFits(GetDlgItem(run.box, IDC_ABOUT_COPYRIGHT));
}

// Runs in the box's modal loop: finds the box, then gives it one action per
// tick, noting after each whether it is still open.
void CALLBACK DriveAboutBox(HWND, UINT, UINT_PTR, DWORD) {
  AboutRun& run = *CurrentRun;
  if (++run.ticks > MaxTicks) {
    run.timedOut = true;
    if (run.box != nullptr) EndDialog(run.box, -1);
    return;
  }
  if (run.box == nullptr) {
    run.box = FindWindowW(L"#32770", L"バージョン情報");
    if (run.box == nullptr) return;
    ReadBox(run);
  } else {
    run.openAfter.push_back(IsWindow(run.box) && IsWindowVisible(run.box));
  }
  if (run.next < run.actions.size()) PostAction(run, run.actions[run.next++]);
}

INT_PTR RunAboutBox(AboutRun& run, const std::wstring& modulePath) {
  CurrentRun = &run;
  UINT_PTR timer = SetTimer(nullptr, 0, 20, DriveAboutBox);
  INT_PTR result = DialogBoxParamW(
      GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUT), nullptr,
      AboutDlgProc, reinterpret_cast<LPARAM>(modulePath.c_str()));
  KillTimer(nullptr, timer);
  CurrentRun = nullptr;
  PumpMessages();
  return result;
}

// ---- Texts ------------------------------------------------------------------

// The program's own version data and other files': the product version (not
// the file version), the first translation's copyright, and the template's
// texts where a file has no copyright, no translation table or no version
// data at all. Every box shows the same name and notice, unclipped, with the
// focus on OK.
TEST(AboutBoxTest, VersionAndCopyrightComeFromTheFilesVersionData) {
  const struct {
    const wchar_t* file;  // null: the test program itself
    const wchar_t* version;
    const wchar_t* copyright;
  } cases[] = {{nullptr, L"Version 3.5.0 (Build 104)",
                L"Copyright (C) 2026 Tessavar developers"},
               // Product 1.2.3.4, file 9.8.7.6, no copyright string.
               {L"version_no_copyright.dll", L"Version 1.2.3 (Build 4)",
                TemplateCopyright},
               {L"version_no_translation.dll", L"Version 1.2.3 (Build 4)",
                TemplateCopyright},
               {L"version_english.dll", L"Version 65535.0.65534 (Build 7)",
                L"Copyright (C) English block"},
               {L"no_such_file.exe", TemplateVersion, TemplateCopyright},
               {L"fake_help_control.dll", TemplateVersion, TemplateCopyright}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.file != nullptr ? c.file : L"own"));
    AboutRun run;
    run.actions = {AboutRun::ClickOk};
    EXPECT_EQ(
        RunAboutBox(run, c.file != nullptr ? TestFolder() + c.file : OwnPath()),
        1);
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.caption, L"バージョン情報");
    EXPECT_EQ(run.name, L"Tessavar");
    EXPECT_EQ(run.version, c.version);
    EXPECT_EQ(run.copyright, c.copyright);
    EXPECT_NE(run.notice.find(L"GAME FREAK"), std::wstring::npos);
    EXPECT_EQ(run.extra, L"");
    EXPECT_TRUE(run.focusOnOk);
    EXPECT_TRUE(run.noticeFits);
  }
}

// ---- Closing ----------------------------------------------------------------

// Enter and the close box close the box; Escape leaves it open, alone until
// the watchdog ends it.
TEST(AboutBoxTest, EnterAndTheCloseBoxCloseItAndEscapeDoesNot) {
  const struct {
    std::vector<AboutRun::Action> actions;
    INT_PTR result;
  } cases[] = {{{AboutRun::PressEscape, AboutRun::PressEnter}, 1},
               {{AboutRun::CloseBox}, 1},
               {{AboutRun::PressEscape, AboutRun::PressEscape}, -1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << &c - cases);
    AboutRun run;
    run.actions = c.actions;
    EXPECT_EQ(RunAboutBox(run, OwnPath()), c.result);
    EXPECT_EQ(run.timedOut, c.result == -1);
    if (c.actions[0] == AboutRun::PressEscape) {
      ASSERT_GE(run.openAfter.size(), 1u);
      EXPECT_TRUE(run.openAfter[0]);
    }
  }
}

}  // namespace
