#include "ui_test_support.h"

#include <shlobj.h>

#include "tools/tools.h"
#include "ui/frame.h"
#include "ui/settings.h"
#include "worked_examples.h"

namespace {

std::vector<SeenDialog> seenDialogs;
std::vector<HWND> pendingDialogs;
HHOOK watcherHook = nullptr;
void (*dialogInspector)(HWND) = nullptr;

}  // namespace

std::wstring ClassName(HWND window) {
  wchar_t name[64] = L"";
  GetClassNameW(window, name, 64);
  return name;
}

std::pair<int, int> SpinRange(HWND spin) {
  std::pair<int, int> range{-1, -1};
  SendMessageW(spin, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&range.first),
               reinterpret_cast<LPARAM>(&range.second));
  return range;
}

namespace {

HICON DialogIcon(HWND box) {
  // The message box's icon control: 0x14 on Windows, 0x440 in Wine.
  for (int id : {0x14, 0x440}) {
    HWND control = GetDlgItem(box, id);
    if (control != nullptr)
      return reinterpret_cast<HICON>(SendMessageW(control, STM_GETICON, 0, 0));
  }
  return nullptr;
}

void CALLBACK DismissDialogs(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  std::vector<HWND> boxes;
  boxes.swap(pendingDialogs);
  for (HWND box : boxes) {
    if (!IsWindow(box)) continue;
    std::wstring caption = WindowText(box);
    if (caption != L"Tessavar" && caption != L"バージョン情報") continue;
    if (dialogInspector != nullptr) dialogInspector(box);
    SeenDialog seen;
    seen.caption = caption;
    seen.text = WindowText(GetDlgItem(box, 0xFFFF));
    seen.owner = GetWindow(box, GW_OWNER);
    seen.hasCancel = GetDlgItem(box, IDCANCEL) != nullptr;
    seen.icon = DialogIcon(box);
    seenDialogs.push_back(seen);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  }
}

LRESULT CALLBACK WatchDialogs(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    auto window = reinterpret_cast<HWND>(wParam);
    if (ClassName(window) == L"#32770") {
      pendingDialogs.push_back(window);
      // The dialog's modal loop dispatches the timer once it runs.
      SetTimer(nullptr, 0, 20, DismissDialogs);
    }
  }
  return CallNextHookEx(watcherHook, code, wParam, lParam);
}

}  // namespace

void InstallDialogWatcher() {
  watcherHook =
      SetWindowsHookExW(WH_CBT, WatchDialogs, nullptr, GetCurrentThreadId());
}

SeenDialog TakeMessageBox(const std::wstring& text, const wchar_t* icon) {
  std::vector<SeenDialog> seen = TakeSeenDialogs();
  EXPECT_EQ(seen.size(), 1u)
      << "dialogs seen, expected one with " << testing::PrintToString(text);
  if (seen.empty()) return SeenDialog{};
  EXPECT_EQ(seen[0].caption, L"Tessavar");
  EXPECT_EQ(seen[0].text, text);
  EXPECT_FALSE(seen[0].hasCancel);
  EXPECT_EQ(seen[0].icon, LoadIconW(nullptr, icon));
  return seen[0];
}

void SetDialogInspector(void (*inspect)(HWND dialog)) {
  dialogInspector = inspect;
}

std::vector<SeenDialog> TakeSeenDialogs() {
  std::vector<SeenDialog> result;
  result.swap(seenDialogs);
  return result;
}

void PumpMessagesKeepingQuit() {
  int exitCode = 0;
  if (TakeQuitMessage(&exitCode)) PostQuitMessage(exitCode);
}

void ClearRememberedSettings() {
  RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKey);
  RegDeleteKeyW(HKEY_CURRENT_USER, SettingsKey);
}

void MainWindowTest::SetUp() {
  TakeSeenDialogs();
  window_ = CreateMainWindow(GetModuleHandleW(nullptr));
  ASSERT_NE(window_, nullptr);
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
  PumpMessagesKeepingQuit();
}

void MainWindowTest::TearDown() {
  if (HiddenPowerWindow != nullptr) DestroyWindow(HiddenPowerWindow);
  if (IsWindow(window_)) SendMessageW(window_, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window_));
  TakeQuitMessage();
  ClearRememberedSettings();
  // Every dialog a test provokes must be taken and checked by that test.
  for (const SeenDialog& dialog : TakeSeenDialogs())
    ADD_FAILURE() << "unexpected dialog: "
                  << testing::PrintToString(dialog.text);
}

std::wstring MainWindowTest::StatusText(int part) const {
  HWND bar = GetDlgItem(window_, IDC_STATUS_BAR);
  int length = LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, part, 0));
  std::wstring text(length + 1, L'\0');
  SendMessageW(bar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text.data()));
  text.resize(length);
  return text;
}

HWND MainWindowTest::ComboEdit(int id) const {
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  GetComboBoxInfo(Item(id), &info);
  return info.hwndItem;
}

void MainWindowTest::Focus(int id) {
  // A click into an editable combo box lands in its edit field.
  HWND edit = ComboEdit(id);
  SetFocus(edit != nullptr ? edit : Item(id));
}

void MainWindowTest::LeaveField() { SetFocus(Item(IDC_HIDDEN_POWER_TYPE)); }

void MainWindowTest::Type(const std::wstring& text) {
  HWND target = GetFocus();
  for (wchar_t ch : text) SendMessageW(target, WM_CHAR, ch, 1);
}

void MainWindowTest::EnterNumber(int id, const std::wstring& text) {
  Focus(id);
  SendMessageW(Item(id), EM_SETSEL, 0, -1);
  SendMessageW(Item(id), EM_REPLACESEL, TRUE,
               reinterpret_cast<LPARAM>(text.c_str()));
  LeaveField();
}

void MainWindowTest::TypeName(int id, const std::wstring& text) {
  Focus(id);
  HWND edit = ComboEdit(id);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  SendMessageW(edit, WM_CHAR, VK_BACK, 1);
  Type(text);
}

void MainWindowTest::Choose(int id, int index) {
  SendMessageW(Item(id), CB_SETCURSEL, index, 0);
  SendMessageW(window_, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(Item(id)));
}

void MainWindowTest::ChooseText(int id, const std::wstring& text) {
  LRESULT index = SendMessageW(Item(id), CB_FINDSTRINGEXACT, -1,
                               reinterpret_cast<LPARAM>(text.c_str()));
  ASSERT_NE(index, CB_ERR) << "no item " << testing::PrintToString(text);
  Choose(id, static_cast<int>(index));
}

void MainWindowTest::Click(int id) { SendMessageW(Item(id), BM_CLICK, 0, 0); }

void MainWindowTest::Command(int command) {
  SendMessageW(window_, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void MainWindowTest::AddRow(const std::vector<std::wstring>& values) {
  ASSERT_EQ(values.size(), 13u);
  for (int k = 0; k < 13; ++k) EnterNumber(NumericFieldIds[k], values[k]);
  Click(IDC_ADD_ROW);
}

void MainWindowTest::NameQuickStartExample() {
  ChooseText(IDC_SPECIES, L"フシギダネ");
  ChooseText(IDC_NATURE, L"いじっぱり");
}

void MainWindowTest::FillQuickStartExample() {
  NameQuickStartExample();
  AddRow(BulbasaurAt50);
  AddRow(BulbasaurAt100);
}

int MainWindowTest::RowCount() const {
  return static_cast<int>(
      SendMessageW(Item(IDC_STATUS_LIST), LVM_GETITEMCOUNT, 0, 0));
}

std::wstring MainWindowTest::Cell(int row, int column) const {
  wchar_t text[64] = L"";
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = 64;
  SendMessageW(Item(IDC_STATUS_LIST), LVM_GETITEMTEXTW, row,
               reinterpret_cast<LPARAM>(&item));
  return text;
}

std::vector<int> MainWindowTest::SelectedRows() const {
  std::vector<int> rows;
  int row = -1;
  for (;;) {
    row = static_cast<int>(SendMessageW(Item(IDC_STATUS_LIST), LVM_GETNEXTITEM,
                                        row, LVNI_SELECTED));
    if (row < 0) break;
    rows.push_back(row);
  }
  return rows;
}

void MainWindowTest::SelectRows(const std::vector<int>& rows) {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED;
  item.state = 0;
  SendMessageW(Item(IDC_STATUS_LIST), LVM_SETITEMSTATE, -1,
               reinterpret_cast<LPARAM>(&item));
  for (int row : rows) {
    item.state = LVIS_SELECTED;
    SendMessageW(Item(IDC_STATUS_LIST), LVM_SETITEMSTATE, row,
                 reinterpret_cast<LPARAM>(&item));
  }
}

void MainWindowTest::FocusRow(int row) {
  LVITEMW item{};
  item.stateMask = LVIS_FOCUSED;
  item.state = LVIS_FOCUSED;
  SendMessageW(Item(IDC_STATUS_LIST), LVM_SETITEMSTATE, row,
               reinterpret_cast<LPARAM>(&item));
}

void MainWindowTest::DoubleClickRow(int row) {
  // The list view focuses and selects the row under the pointer, then
  // reports the double-click to the main window.
  SelectRows({row});
  FocusRow(row);
  NMITEMACTIVATE notice{};
  notice.hdr.hwndFrom = Item(IDC_STATUS_LIST);
  notice.hdr.idFrom = IDC_STATUS_LIST;
  notice.hdr.code = NM_DBLCLK;
  notice.iItem = row;
  SendMessageW(window_, WM_NOTIFY, IDC_STATUS_LIST,
               reinterpret_cast<LPARAM>(&notice));
}

void MainWindowTest::DropFile(const std::wstring& path) {
  // A DROPFILES block followed by the wide path and an empty one.
  SIZE_T bytes = sizeof(DROPFILES) + (path.size() + 2) * sizeof(wchar_t);
  HGLOBAL drop = GlobalAlloc(GHND, bytes);
  auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
  files->pFiles = sizeof(DROPFILES);
  files->fWide = TRUE;
  CopyMemory(reinterpret_cast<BYTE*>(files) + sizeof(DROPFILES), path.c_str(),
             path.size() * sizeof(wchar_t));
  GlobalUnlock(drop);
  SendMessageW(window_, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
}

std::vector<std::wstring> MainWindowTest::ComboItems(int id) const {
  std::vector<std::wstring> items;
  int count = static_cast<int>(SendMessageW(Item(id), CB_GETCOUNT, 0, 0));
  for (int k = 0; k < count; ++k) {
    int length =
        static_cast<int>(SendMessageW(Item(id), CB_GETLBTEXTLEN, k, 0));
    std::wstring text(length + 1, L'\0');
    SendMessageW(Item(id), CB_GETLBTEXT, k,
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    items.push_back(text);
  }
  return items;
}

bool MainWindowTest::MenuChecked(int command) const {
  return (GetMenuState(GetMenu(window_), command, MF_BYCOMMAND) & MF_CHECKED) !=
         0;
}
