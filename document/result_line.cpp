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

std::u16string IvText(const StatResult& stat) {
  if (stat.mask == 0) return u"?";
  if (stat.minIv == stat.maxIv) return Number(stat.minIv);
  return Number(stat.minIv) + u"～" + Number(stat.maxIv);
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
       document.bestStatVerdict},
      false};
  for (int stat = 0; stat < StatCount; ++stat)
    query.clues.marks[stat] = document.marks[stat];
  IvAnswer answer;
  if (AnswerIvQuery(query, answer) != CalcOk) return false;
  result = answer.result;
  return true;
}

std::u16string ResultLine(const Document& document) {
  IvResult result{};
  bool known = ComputeDocumentResult(document, result);
  std::u16string ivs;
  for (int stat = 0; stat < StatCount; ++stat) {
    if (stat > 0) ivs += u'-';
    ivs += known ? IvText(result.stats[stat]) : u"?";
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
