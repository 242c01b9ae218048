// The recalculation handler: the form and the observations in, the result
// fields out. Fields whose text stays the same are not written again, so an
// unchanged result neither flickers nor costs a redraw.
#include "ui/recalc.h"

#include <commctrl.h>

#include "data/bounded_copy.h"
#include "data/gamedata.h"
#include "document/observation.h"
#include "ui/common.h"
#include "ui/form_layout.h"
#include "ui/game_modes.h"
#include "ui/shown_texts.h"

namespace {

// A hidden power type has at most 4 characters.
constexpr int TypeCapacity = HiddenPowerTypeCapacity;
// A result field's text: " 4～ 9" or "53 (71で確定)" at the longest.
constexpr int ResultTextCapacity = 16;
// The natures-still-possible line: its lead and up to this many names.
constexpr int NamedCandidatesMaximum = 5;
constexpr int CandidatesTextCapacity = 64;

// The texts of every result field; all empty when there is no result.
struct ResultTexts {
  wchar_t iv[StatCount][ResultTextCapacity];
  wchar_t mark[StatCount][ResultTextCapacity];
  wchar_t type[TypeCapacity];
  wchar_t power[ResultTextCapacity];
  wchar_t nextLevel[StatCount][ResultTextCapacity];
  wchar_t candidates[CandidatesTextCapacity];
};

bool NatureUnknown(const FormInputs& inputs) {
  return lstrcmpW(inputs.nature, UnknownNatureItem) == 0;
}

// The engine's answer for the form in the chosen generation (none outside
// the known modes); with the nature "（不明）" every nature that fits the
// observations and clues is tried.
int32_t CallEngine(const FormInputs& inputs, const StatusEntry* entries,
                   int count, IvAnswer& answer) {
  const wchar_t* nature = NatureUnknown(inputs) ? nullptr : inputs.nature;
  IvQuery query{reinterpret_cast<const char16_t*>(inputs.species),
                reinterpret_cast<const char16_t*>(nature),
                ChosenGame(),
                entries,
                count,
                {reinterpret_cast<const char16_t*>(inputs.characteristic),
                 reinterpret_cast<const char16_t*>(inputs.hiddenPowerType),
                 inputs.overallVerdict,
                 {},
                 inputs.bestStatVerdict,
                 {}},
                true};
  for (int stat = 0; stat < StatCount; ++stat) {
    query.clues.marks[stat] = inputs.marks[stat];
    query.clues.statVerdicts[stat] = inputs.statVerdicts[stat];
  }
  return AnswerIvQuery(query, answer);
}

// " 5" for a single candidate, " 4～ 9" for several (lowest and highest).
void FormatIvRange(const StatResult& stat, wchar_t* text) {
  if (stat.minIv == stat.maxIv) {
    wsprintfW(text, L"%2u", static_cast<unsigned>(stat.minIv));
  } else {
    wsprintfW(text, L"%2u～%2u", static_cast<unsigned>(stat.minIv),
              static_cast<unsigned>(stat.maxIv));
  }
}

// "↓" when the nature lowers the stat, "↑" when it raises it, else nothing.
const wchar_t* NatureMarkText(int32_t natureDir) {
  return natureDir < 0 ? L"↓" : natureDir > 0 ? L"↑" : L"";
}

// "53" for the first level that splits the candidates, "53 (71で確定)" when
// a later level tells every one apart, "—" when no level up to 100 splits
// them, nothing without a hint.
void FormatLevelHint(const LevelHint& hint, wchar_t* text) {
  if (hint.firstSplit == NoLevelHint) return;
  if (hint.firstSplit == NoLevelUpTo100) {
    lstrcpyW(text, L"—");
  } else if (hint.allDistinct == hint.firstSplit) {
    wsprintfW(text, L"%d", hint.firstSplit);
  } else if (hint.allDistinct == NoLevelUpTo100) {
    wsprintfW(text, L"%d (確定なし)", hint.firstSplit);
  } else {
    wsprintfW(text, L"%d (%dで確定)", hint.firstSplit, hint.allDistinct);
  }
}

// "性格の候補: いじっぱり, ゆうかん" for at most five natures, else
// "性格の候補: 12種類"; "性格の候補: なし" when none fits.
void FormatCandidates(uint32_t natureSet, wchar_t* text) {
  int count = 0;
  for (int k = 0; k < NatureCount; ++k)
    if (natureSet & (1u << k)) ++count;
  lstrcpyW(text, L"性格の候補: ");
  if (count == 0) {
    lstrcatW(text, L"なし");
  } else if (count > NamedCandidatesMaximum) {
    wsprintfW(text + lstrlenW(text), L"%d種類", count);
  } else {
    bool first = true;
    for (int k = 0; k < NatureCount; ++k) {
      if (!(natureSet & (1u << k))) continue;
      if (!first) lstrcatW(text, L", ");
      lstrcatW(text, reinterpret_cast<const wchar_t*>(NatureTable[k].name));
      first = false;
    }
  }
}

void FormatResult(const IvResult& result, ResultTexts& texts) {
  for (int stat = 0; stat < StatCount; ++stat)
    if (result.stats[stat].mask != 0)
      FormatIvRange(result.stats[stat], texts.iv[stat]);
  if (result.hiddenPowerKnown != 0) {
    CopyUnitsBounded(texts.type, TypeCapacity, HiddenPowerTypeCapacity,
                     [&result](int i) { return result.hiddenPowerType[i]; });
    wsprintfW(texts.power, L"%2u",
              static_cast<unsigned>(result.hiddenPowerPower));
  }
  for (int stat = StatAttack; stat < StatCount; ++stat)
    lstrcpyW(texts.mark[stat], NatureMarkText(result.stats[stat].natureDir));
}

// The texts of the current input; they stay empty without observations,
// for unknown names and for a failed allocation (which is reported).
void ComputeResultTexts(HWND window, const FormInputs& inputs,
                        ResultTexts& texts) {
  int count = ObservationCount();
  if (count <= 0) return;
  HANDLE heap = GetProcessHeap();
  auto* entries = static_cast<StatusEntry*>(
      HeapAlloc(heap, HEAP_ZERO_MEMORY,
                static_cast<SIZE_T>(count) * sizeof(StatusEntry)));
  if (entries == nullptr) {
    ShowMessage(window, L"メモリを確保できませんでした", MB_ICONERROR);
    return;
  }
  for (int row = 0; row < count; ++row)
    entries[row] = ToStatusEntry(ObservationAt(row));
  IvAnswer answer{};
  int32_t status = CallEngine(inputs, entries, count, answer);
  HeapFree(heap, 0, entries);
  if (status < 0) return;
  FormatResult(answer.result, texts);
  for (int stat = 0; stat < StatCount; ++stat)
    FormatLevelHint(answer.hints[stat], texts.nextLevel[stat]);
  if (NatureUnknown(inputs))
    FormatCandidates(answer.natureSet, texts.candidates);
}

// Writes a field only when its text differs from the one it shows.
void ShowText(HWND window, int id, const wchar_t* text) {
  if (ShownTextIs(id, text)) return;
  SetShownText(GetDlgItem(window, id), id, text);
}

void ShowResultTexts(HWND window, const ResultTexts& texts) {
  for (int stat = 0; stat < StatCount; ++stat)
    ShowText(window, StatRows[stat].ivField, texts.iv[stat]);
  for (int stat = StatAttack; stat < StatCount; ++stat)
    ShowText(window, StatRows[stat].natureMark, texts.mark[stat]);
  ShowText(window, IDC_HIDDEN_POWER_TYPE, texts.type);
  ShowText(window, IDC_HIDDEN_POWER_POWER, texts.power);
  for (int stat = 0; stat < StatCount; ++stat)
    ShowText(window, StatRows[stat].nextLevelField, texts.nextLevel[stat]);
  ShowText(window, IDC_NATURE_CANDIDATES, texts.candidates);
}

}  // namespace

void RecalculateResults(HWND window) {
  FormInputs inputs{};
  ReadFormInputs(window, inputs);
  RecalculateResultsOf(window, inputs);
}

void RecalculateResultsOf(HWND window, const FormInputs& inputs) {
  ResultTexts texts{};
  ComputeResultTexts(window, inputs, texts);
  ShowResultTexts(window, texts);
}
