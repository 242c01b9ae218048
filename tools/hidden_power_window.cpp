// The hidden power calculator: a modeless window that shows the hidden power
// type and power of six typed IVs. Owns HiddenPowerWindow, the handle of the
// open calculator.
#include "engine/engine.h"
#include "tools/number_field.h"
#include "tools/tools.h"
#include "tools/tools_ids.h"

HWND HiddenPowerWindow = nullptr;

namespace {

// The power rule of the next calculation; the program starts in generation 6.
struct CalculatorRules {
  HiddenPowerPowerRule power = HiddenPowerPowerRule::Fixed60;
};
CalculatorRules Rules;

constexpr int MaxIv = 31;

// The IV fields in StatIndex order.
constexpr int IvFieldIds[StatCount] = {
    IDC_HPCALC_IV_HP,    IDC_HPCALC_IV_ATTACK, IDC_HPCALC_IV_DEFENSE,
    IDC_HPCALC_IV_SPATK, IDC_HPCALC_IV_SPDEF,  IDC_HPCALC_IV_SPEED};

// Rewrites a field with an in-range value. The field raises EN_UPDATE, so
// the whole calculation runs again (nested) with the corrected text.
void WriteIvField(HWND field, int32_t value) {
  wchar_t text[16];
  wsprintfW(text, L"%i", value);
  SetWindowTextW(field, text);
}

void ShowHiddenPowerOfFields(HWND window) {
  IvResult scratch = {};
  for (int stat = 0; stat < StatCount; ++stat) {
    int32_t iv = ClampIvField(GetDlgItem(window, IvFieldIds[stat]));
    scratch.stats[stat].minIv = static_cast<uint8_t>(iv);
  }
  CalcHiddenPower(&scratch, Rules.power);
  SetDlgItemTextW(window, IDC_HPCALC_TYPE,
                  reinterpret_cast<const wchar_t*>(scratch.hiddenPowerType));
  wchar_t power[8];
  wsprintfW(power, L"%hu",
            static_cast<unsigned short>(scratch.hiddenPowerPower));
  SetDlgItemTextW(window, IDC_HPCALC_POWER, power);
}

bool IsIvField(int id) {
  return id >= IDC_HPCALC_IV_HP && id <= IDC_HPCALC_IV_SPEED;
}

void OnHiddenPowerCommand(HWND window, int id, int code) {
  if (IsIvField(id) && code == EN_UPDATE) {
    ShowHiddenPowerOfFields(window);
  } else if (id == IDC_HPCALC_CLOSE) {
    SendMessageW(window, WM_CLOSE, 0, 0);
  }
}

// The window is destroyed by its close button or close box, and also with
// its owner; either way the frame must stop offering it messages.
void ForgetHiddenPowerWindow(HWND window) {
  if (HiddenPowerWindow == window) HiddenPowerWindow = nullptr;
}

}  // namespace

// A game without hidden power still has a working calculator: it shows the
// power of the last games that had it.
void SetCalculatorPowerRule(HiddenPowerPowerRule rule) {
  Rules.power =
      rule == HiddenPowerPowerRule::None ? HiddenPowerPowerRule::Fixed60 : rule;
}

int32_t ClampIvField(HWND field) {
  bool clamped = false;
  int value = ReadClampedNumber(field, 0, MaxIv, &clamped);
  if (clamped) WriteIvField(field, value);
  return value;
}

HWND OpenHiddenPowerWindow(HWND owner) {
  if (HiddenPowerWindow != nullptr) {
    ShowWindow(HiddenPowerWindow, SW_SHOWNORMAL);
    return HiddenPowerWindow;
  }
  // The template lives in the owner's module (the program itself).
  HINSTANCE instance = owner != nullptr
                           ? reinterpret_cast<HINSTANCE>(
                                 GetWindowLongPtrW(owner, GWLP_HINSTANCE))
                           : GetModuleHandleW(nullptr);
  HiddenPowerWindow =
      CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_HIDDEN_POWER), owner,
                         HiddenPowerDlgProc, 0);
  return HiddenPowerWindow;
}

INT_PTR CALLBACK HiddenPowerDlgProc(HWND window, UINT message, WPARAM wParam,
                                    LPARAM) {
  switch (message) {
    case WM_COMMAND:
      OnHiddenPowerCommand(window, LOWORD(wParam), HIWORD(wParam));
      return FALSE;
    case WM_CLOSE:
      DestroyWindow(window);
      return TRUE;
    case WM_DESTROY:
      ForgetHiddenPowerWindow(window);
      return FALSE;
    default:
      return FALSE;
  }
}
