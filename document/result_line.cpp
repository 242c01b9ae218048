// The result line for the clipboard: the engine's result for a document,
// written in the players' notation.
#include "document/result_line.h"

#include <vector>

namespace {

void AppendPart(std::u16string& line, const std::u16string& part) {
  if (part.empty()) return;
  if (!line.empty()) line += u' ';
  line += part;
}

std::u16string Number(unsigned value) {
  std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

// The own IVs; a stat trained in any row is marked, as its shown value is
// that of IV 31.
std::u16string IvText(const StatResult& stat, bool trained) {
  if (stat.mask == 0) return u"?";
  std::u16string text = Number(stat.minIv);
  if (stat.minIv != stat.maxIv) text += u"～" + Number(stat.maxIv);
  return trained ? text + u"(きたえた)" : text;
}

// Bit (1 << stat) for each stat trained in any row, in games with hyper
// training (elsewhere the marks mean nothing).
int TrainedStats(const Document& document) {
  const GameDefinition* game = FindGameDefinition(document.generation);
  if (game == nullptr || !game->hyperTraining) return 0;
  int trained = 0;
  for (const Observation& row : document.rows) trained |= row.trained;
  return trained;
}

}  // namespace

bool ComputeDocumentResult(const Document& document, IvResult& result) {
  if (document.rows.empty()) return false;
  std::vector<StatusEntry> entries;
  for (const Observation& row : document.rows)
    entries.push_back(ToStatusEntry(row));
  IvQuery query{
      document.species.c_str(),
      document.nature == UnknownNatureName ? nullptr : document.nature.c_str(),
      FindGameDefinition(document.generation),
      entries.data(),
      static_cast<int32_t>(entries.size()),
      {document.characteristic.c_str(),
       document.hiddenPowerType.c_str(),
       document.overallVerdict,
       {},
       document.bestStatVerdict,
       {}},
      false};
  for (int stat = 0; stat < StatCount; ++stat) {
    query.clues.marks[stat] = document.marks[stat];
    query.clues.statVerdicts[stat] = document.statVerdicts[stat];
  }
  IvAnswer answer;
  if (AnswerIvQuery(query, answer) != CalcOk) return false;
  result = answer.result;
  return true;
}

std::u16string ResultLine(const Document& document) {
  IvResult result{};
  bool known = ComputeDocumentResult(document, result);
  const int trained = TrainedStats(document);
  std::u16string ivs;
  for (int stat = 0; stat < StatCount; ++stat) {
    if (stat > 0) ivs += u'-';
    ivs +=
        known ? IvText(result.stats[stat], (trained >> stat & 1) != 0) : u"?";
  }
  std::u16string line;
  AppendPart(line, document.species);
  AppendPart(line, document.nature);
  AppendPart(line, ivs);
  if (known && result.hiddenPowerKnown != 0)
    AppendPart(line, u"めざパ:" + std::u16string(result.hiddenPowerType) +
                         u" " + Number(result.hiddenPowerPower));
  return line;
}
