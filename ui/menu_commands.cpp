// The menu commands: quit, modes, sort orders, tools and help.
#include "ui/menu_commands.h"

#include <commctrl.h>

#include "res/resource.h"
#include "tools/number_field.h"
#include "tools/tools.h"
#include "ui/common.h"
#include "ui/file_commands.h"
#include "ui/form_layout.h"
#include "ui/game_modes.h"
#include "ui/input_form.h"
#include "ui/recalc_request.h"
#include "ui/species_list.h"
#include "ui/status_bar.h"

namespace {

// Status texts by SpeciesOrder.
constexpr const wchar_t* SortOrderStatusTexts[SpeciesOrderCount] = {
    L"五十音順",
    L"全国図鑑順",
    L"RSホウエン図鑑順",
    L"DPシンオウ図鑑順",
    L"Ptシンオウ図鑑順",
    L"HGSSジョウト図鑑順",
    L"BWイッシュ図鑑順",
    L"B2W2イッシュ図鑑順",
    L"XYセントラルカロス図鑑順",
    L"XYコーストカロス図鑑順",
    L"XYマウンテンカロス図鑑順",
    L"ORASホウエン図鑑順",
    L"SMアローラ図鑑順",
    L"USUMアローラ図鑑順",
    L"ガラル図鑑順",
    L"ヨロイじま図鑑順",
    L"カンムリせつげん図鑑順",
    L"BDSPシンオウ図鑑順",
    L"パルデア図鑑順",
    L"キタカミ図鑑順",
    L"ブルーベリー図鑑順"};

// HTML Help commands: the contents tab and the keyword tab.
constexpr UINT HelpDisplayToc = 1;    // HH_DISPLAY_TOC
constexpr UINT HelpDisplayIndex = 2;  // HH_DISPLAY_INDEX
constexpr wchar_t HelpFileName[] = L"Tessavar.chm";

void MarkGameMode(HWND window, uint32_t gameMode) {
  HMENU settings = GetSubMenu(GetMenu(window), SettingsMenuPosition);
  MarkRadioCommand(GetSubMenu(settings, ModeMenuPosition), gameMode);
}

void ShowSortOrderName(uint32_t sortOrder) {
  SetStatusText(StatusPartOrder,
                SortOrderStatusTexts[OrderOfSortCommand(sortOrder)]);
}

// The sort orders of a new mode: its own are enabled, the others greyed, and
// a chosen order the mode does not offer gives way to the national one (which
// stays when the player goes back to a mode that offers the earlier one).
void OfferSortOrders(HWND window, const GameDefinition& game) {
  if (OfferOrdersOfGame(window, game)) ShowSortOrderName(SortOrder);
}

void ChangeGameMode(HWND window, uint32_t gameMode,
                    const GameDefinition& game) {
  SetStatusText(StatusPartMode,
                reinterpret_cast<const wchar_t*>(game.statusText));
  ApplyGameMode(window, gameMode);
  OfferSortOrders(window, game);
  // Only the list changes here; the order changes only when the new mode
  // does not offer it.
  FillSpeciesList(GetDlgItem(window, IDC_SPECIES), game,
                  OrderOfSortCommand(SortOrder));
  RequestRecalc(window);
}

// A greyed order cannot be chosen: a command for it (sent, not clicked)
// changes nothing.
void ChangeSortOrder(HWND window, uint32_t sortOrder) {
  const GameDefinition* game = ChosenGame();
  if (game == nullptr || !IsOrderOffered(OrderOfSortCommand(sortOrder), *game))
    return;
  ShowSortOrderName(sortOrder);
  RefillSpeciesList(window, GetDlgItem(window, IDC_SPECIES), sortOrder);
}

void ShowAboutBox(HWND window) {
  DialogBoxParamW(InstanceOf(window), MAKEINTRESOURCEW(IDD_ABOUT), window,
                  AboutDlgProc, reinterpret_cast<LPARAM>(ModulePath));
}

}  // namespace

void ApplyGameMode(HWND window, uint32_t gameMode) {
  const GameDefinition* game = GameOfModeCommand(gameMode);
  if (game == nullptr) return;
  HWND levelSpin = GetDlgItem(window, IDC_LEVEL_SPIN);
  SendMessageW(levelSpin, UDM_SETRANGE32,
               static_cast<WPARAM>(game->lowestLevel), game->highestLevel);
  ClampFieldToRange(levelSpin);
  HWND characteristic = GetDlgItem(window, IDC_CHARACTERISTIC);
  if (!game->offersCharacteristic) {
    EnableWindow(characteristic, FALSE);
    SendMessageW(characteristic, CB_SETCURSEL, 0, 0);
  } else {
    EnableWindow(characteristic, TRUE);
  }
  // The effort heading and ranges are the same in every mode today; they are
  // written again on each change so that a mode never inherits another's.
  SetDlgItemTextW(window, IDC_EV_HEADING, L"努力値");
  for (const StatRowControls& row : StatRows)
    SendDlgItemMessageW(window, row.evSpin, UDM_SETRANGE32, 0, EffortMaximum);
  ShowCluesOfGame(window, *game);
  SetCalculatorPowerRule(game->hiddenPowerPower);
  MarkGameMode(window, gameMode);
  GameMode = gameMode;
}

bool HandleMenuCommand(HWND window, UINT command) {
  if (command < IDM_EXIT || command > IDM_LAST_COMMAND) return false;
  switch (command) {
    case IDM_EXIT:
      SendMessageW(window, WM_CLOSE, 0, 0);
      return true;
    case IDM_OPEN:
      OpenCommand(window);
      return true;
    case IDM_SAVE:
      SaveCommand(window);
      return true;
    case IDM_SAVE_AS:
      SaveAsCommand(window);
      return true;
    case IDM_RESTORE:  // the newest kept input
      RestoreCommand(window, 0);
      return true;
    case IDM_COPY_RESULT:
      CopyResultCommand(window);
      return true;
    case IDM_HIDDEN_POWER:
      OpenHiddenPowerWindow(window);
      return true;
    case IDM_HELP_CONTENTS:
      ShowHelp(window, HelpFileName, HelpDisplayToc, 0);
      return true;
    case IDM_HELP_INDEX:
      ShowHelp(window, HelpFileName, HelpDisplayIndex, 0);
      return true;
    case IDM_ABOUT:
      ShowAboutBox(window);
      return true;
    default:
      break;
  }
  if (const GameDefinition* game = GameOfModeCommand(command)) {
    ChangeGameMode(window, command, *game);
  } else if (IsSortCommand(command)) {
    ChangeSortOrder(window, command);
  } else if (command >= IDM_RESTORE_KEPT) {
    RestoreCommand(window, static_cast<int>(command - IDM_RESTORE_KEPT));
  }
  return true;
}
