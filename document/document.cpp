// The document's file form: writing it as UTF-8 tab-separated text and the
// strict reader that takes a file whole or names the line it refuses.
#include "document/document.h"

#include "document/utf8.h"
#include "engine/engine.h"

namespace {

// The keys of the header lines, in file order, after the format line.
constexpr char GenerationKey[] = "generation";
constexpr char SpeciesKey[] = "species";
constexpr char NatureKey[] = "nature";
constexpr char CharacteristicKey[] = "characteristic";
constexpr char HiddenPowerTypeKey[] = "hiddenPowerType";
constexpr char OverallVerdictKey[] = "overallVerdict";
constexpr char MarksKey[] = "bestStatMarks";
constexpr char BestVerdictKey[] = "bestStatVerdict";
// Version 2 only: the per-stat verdicts, after the best-stat verdict.
constexpr char StatVerdictsKey[] = "statVerdicts";
// The observations' column line and the closing line.
constexpr const char* RowColumns[] = {
    "level",         "hp",           "attack",
    "defense",       "spAtk",        "spDef",
    "speed",         "hpEffort",     "attackEffort",
    "defenseEffort", "spAtkEffort",  "spDefEffort",
    "speedEffort",   "effortUnknown"};
constexpr int RowColumnCount = 14;
// Version 2 only: after the columns above, 1 for each stat read after hyper
// training (else 0), in StatIndex order.
constexpr const char* TrainedColumns[StatCount] = {
    "hpTrained",    "attackTrained", "defenseTrained",
    "spAtkTrained", "spDefTrained",  "speedTrained"};
constexpr int TrainedMask = (1 << StatCount) - 1;
constexpr char EndLine[] = "end";
constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";
// A number field holds at most this many digits (more is out of range).
constexpr int NumberDigitLimit = 9;
// The mode of a fresh window, and the one a file names for a document of a
// generation the program lacks.
constexpr int FreshGeneration = 6;

// The game a file names: the document's generation, or FreshGeneration for a
// generation the program lacks.
const GameDefinition& GameOf(int generation) {
  const GameDefinition* game = FindGameDefinition(generation);
  return game != nullptr ? *game : *FindGameDefinition(FreshGeneration);
}

// Which clues a generation's games give; the others are no input there.
struct GivenClues {
  bool bestStatJudge;  // best-stat marks and verdict
  bool perStatJudge;   // per-stat verdicts
  bool trained;        // trained bits of the rows
  bool hiddenPower;    // the hidden power type
};

GivenClues CluesOf(const GameDefinition& game) {
  return {game.judge == JudgeKind::BestStat, game.judge == JudgeKind::PerStat,
          game.hyperTraining,
          game.hiddenPowerPower != HiddenPowerPowerRule::None};
}

// Version 1 holds neither per-stat verdicts nor trained stats, so the
// generations whose games give them need version 2.
int VersionFor(const GameDefinition& game) {
  const GivenClues clues = CluesOf(game);
  return clues.perStatJudge || clues.trained ? 2 : 1;
}

// ---- Writing ---------------------------------------------------------------

const char16_t* VerdictText(const VerdictRecord* verdicts, int32_t index) {
  if (index <= 0 || index >= VerdictCount || verdicts[index].text == nullptr)
    return u"";
  return verdicts[index].text;
}

void WriteLine(std::string& out, const char* key, const std::u16string& value) {
  out += key;
  out += '\t';
  out += ToUtf8(value);
  out += "\r\n";
}

const char* MarkText(int32_t mark) {
  return mark == MarkBest ? "1" : mark == MarkNotBest ? "0" : "?";
}

const char16_t* StatVerdictText(int32_t index) {
  if (index <= 0 || index >= StatVerdictCount) return u"";
  return StatVerdict[index].text;
}

// A row; `trained` is -1 in version 1 (no trained columns), else the bits.
void WriteRow(std::string& out, const Observation& row, int trained) {
  out += std::to_string(row.level);
  for (int value : row.stats) out += '\t' + std::to_string(value);
  for (int value : row.efforts) out += '\t' + std::to_string(value);
  out += row.effortUnknown ? "\t1" : "\t0";
  if (trained >= 0)
    for (int stat = 0; stat < StatCount; ++stat)
      out += (trained >> stat & 1) != 0 ? "\t1" : "\t0";
  out += "\r\n";
}

// ---- Reading ---------------------------------------------------------------

// The file cut into lines (CRLF or LF) and each line into tab fields. Text
// after the last line break is kept as a last line marked cut: only the
// format line (to tell a foreign file) and the closing line (an editor may
// strip the final line break) are read from it; anywhere else the file was
// cut short there.
struct Lines {
  std::vector<std::vector<std::string>> fields;
  bool lastCut = false;
};

Lines SplitLines(const char* text, std::size_t size) {
  Lines lines;
  std::size_t start = 0;
  if (size >= 3 && std::string(text, 3) == ByteOrderMark) start = 3;
  std::vector<std::string> fields(1);
  std::size_t lineStart = start;
  for (std::size_t i = start; i < size; ++i) {
    char c = text[i];
    if (c == '\n') {
      std::string& last = fields.back();
      if (!last.empty() && last.back() == '\r') last.pop_back();
      lines.fields.push_back(std::move(fields));
      fields.assign(1, std::string());
      lineStart = i + 1;
    } else if (c == '\t') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  if (lineStart < size) {
    std::string& last = fields.back();
    while (!last.empty() && last.back() == '\r') last.pop_back();
    lines.fields.push_back(std::move(fields));
    lines.lastCut = true;
  }
  return lines;
}

bool IsDigits(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

// Digits only, at most NumberDigitLimit of them.
bool ParseNumber(const std::string& text, int& value) {
  if (text.empty() || text.size() > NumberDigitLimit) return false;
  value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

bool IsCharacteristic(const std::u16string& text) {
  return FindCharacteristicIndex(text.c_str()) >= 0;
}

bool IsHiddenPowerType(const std::u16string& text) {
  return FindHiddenPowerTypeIndex(text.c_str()) >= 0;
}

// The verdict's index, 0 for the empty text, -1 for an unknown text.
int32_t VerdictIndex(const VerdictRecord* verdicts,
                     const std::u16string& text) {
  if (text.empty()) return 0;
  for (int k = 1; k < VerdictCount; ++k)
    if (verdicts[k].text != nullptr &&
        NameEquals(verdicts[k].text, text.c_str()))
      return k;
  return -1;
}

int32_t MarkOf(const std::string& text) {
  if (text == "1") return MarkBest;
  if (text == "0") return MarkNotBest;
  if (text == "?") return MarkUnknown;
  return -1;
}

bool InRange(int value, int low, int high) {
  return value >= low && value <= high;
}

// Walks the lines in file order; every step either takes its line or
// records why not.
class Reader {
 public:
  Reader(const Lines& lines, Document& out) : lines_(lines), out_(out) {}

  ReadError Read() {
    if (!ReadFormatLine() || !ReadHeader() || !ReadRows()) return error_;
    // Nothing but line breaks may follow the closing line.
    for (; next_ < static_cast<int>(lines_.fields.size()); ++next_) {
      const std::vector<std::string>& line = lines_.fields[next_];
      if (line.size() != 1 || !line[0].empty())
        return Fail(ReadFailure::BadLine);
    }
    out_ = std::move(doc_);
    return {ReadFailure::None, 0};
  }

 private:
  ReadError Fail(ReadFailure reason) {
    error_ = {reason, next_ + 1};
    return error_;
  }

  bool IsCut(int line) const {
    return lines_.lastCut && line + 1 == static_cast<int>(lines_.fields.size());
  }

  // The next line, or null (and CutShort) past the last one or at a last
  // line without its line break, unless `mayBeCut`.
  const std::vector<std::string>* Take(bool mayBeCut = false) {
    if (next_ >= static_cast<int>(lines_.fields.size()) ||
        (!mayBeCut && IsCut(next_))) {
      Fail(ReadFailure::CutShort);
      return nullptr;
    }
    return &lines_.fields[next_++];
  }

  // A "key<TAB>value" line; `value` gets its decoded text.
  bool TakeValue(const char* key, std::u16string& value) {
    const std::vector<std::string>* line = TakeKeyed(key, 2);
    if (line == nullptr) return false;
    if (!FromUtf8((*line)[1], value))
      return FailAt(next_ - 1, ReadFailure::BadText);
    return true;
  }

  // The next line if it starts with `key` and has `fields` fields.
  const std::vector<std::string>* TakeKeyed(const char* key,
                                            std::size_t fields) {
    const std::vector<std::string>* line = Take();
    if (line == nullptr) return nullptr;
    if (line->size() != fields || (*line)[0] != key) {
      FailAt(next_ - 1, ReadFailure::BadLine);
      return nullptr;
    }
    return line;
  }

  bool FailAt(int line, ReadFailure reason) {
    next_ = line;
    Fail(reason);
    return false;
  }

  // The first line names the format, whatever else the file holds: a file
  // without it (empty, binary, other line ends) is not one of ours. A
  // version too long to read is still a newer one.
  bool ReadFormatLine() {
    const std::vector<std::string>* line = Take(true);
    if (line == nullptr || line->size() != 2 ||
        (*line)[0] != DocumentFormatName || !IsDigits((*line)[1]))
      return FailAt(0, ReadFailure::NotOurs);
    int version = 0;
    if (!ParseNumber((*line)[1], version) || version > DocumentVersion)
      return FailAt(0, ReadFailure::NewerVersion);
    if (version < 1) return FailAt(0, ReadFailure::NotOurs);
    version_ = version;
    if (IsCut(0)) return FailAt(0, ReadFailure::CutShort);
    return true;
  }

  bool ReadHeader() {
    const std::vector<std::string>* line = TakeKeyed(GenerationKey, 2);
    if (line == nullptr) return false;
    int generation = 0;
    if (!ParseNumber((*line)[1], generation))
      return FailAt(next_ - 1, ReadFailure::BadLine);
    // A version 1 file knows only the generations it can describe.
    if (!InRange(generation, FirstGeneration, LastGeneration) ||
        VersionFor(*FindGameDefinition(generation)) > version_)
      return FailAt(next_ - 1, ReadFailure::OutOfRange);
    doc_.generation = generation;
    const GameDefinition& game = *FindGameDefinition(generation);
    clues_ = CluesOf(game);
    if (!TakeValue(SpeciesKey, doc_.species)) return false;
    if (!IsKnownSpeciesName(doc_.species, generation))
      return FailAt(next_ - 1, ReadFailure::UnknownSpecies);
    if (!TakeValue(NatureKey, doc_.nature)) return false;
    if (!IsKnownNatureName(doc_.nature))
      return FailAt(next_ - 1, ReadFailure::UnknownNature);
    if (!TakeValue(CharacteristicKey, doc_.characteristic)) return false;
    // Generation 3 has no characteristics: its box stays empty.
    if (!doc_.characteristic.empty() &&
        (!game.offersCharacteristic || !IsCharacteristic(doc_.characteristic)))
      return FailAt(next_ - 1, ReadFailure::UnknownClue);
    if (!TakeValue(HiddenPowerTypeKey, doc_.hiddenPowerType)) return false;
    // Generations 8 and 9 have no hidden power: the type list stays empty.
    if (!doc_.hiddenPowerType.empty() &&
        (!clues_.hiddenPower || !IsHiddenPowerType(doc_.hiddenPowerType)))
      return FailAt(next_ - 1, ReadFailure::UnknownClue);
    if (!TakeVerdict(OverallVerdictKey, OverallVerdict, doc_.overallVerdict))
      return false;
    if (!ReadMarks()) return false;
    if (!TakeVerdict(BestVerdictKey, BestStatVerdict, doc_.bestStatVerdict))
      return false;
    // The best-stat judge's clues are refused where the games have the
    // per-stat judge, so that a file never carries them into those modes.
    if (!clues_.bestStatJudge && doc_.bestStatVerdict != 0)
      return FailAt(next_ - 1, ReadFailure::UnknownClue);
    return version_ < 2 || ReadStatVerdicts();
  }

  // The per-stat verdicts: the key and six texts of StatVerdict, all empty
  // where the games have the best-stat judge.
  bool ReadStatVerdicts() {
    const std::vector<std::string>* line =
        TakeKeyed(StatVerdictsKey, 1 + StatCount);
    if (line == nullptr) return false;
    for (int stat = 0; stat < StatCount; ++stat) {
      std::u16string text;
      if (!FromUtf8((*line)[1 + stat], text))
        return FailAt(next_ - 1, ReadFailure::BadText);
      int32_t index = text.empty() ? 0 : -1;
      for (int k = 1; k < StatVerdictCount && index < 0; ++k)
        if (NameEquals(StatVerdict[k].text, text.c_str())) index = k;
      if (index < 0 || (index != 0 && !clues_.perStatJudge))
        return FailAt(next_ - 1, ReadFailure::UnknownClue);
      doc_.statVerdicts[stat] = index;
    }
    return true;
  }

  bool TakeVerdict(const char* key, const VerdictRecord* verdicts,
                   int32_t& index) {
    std::u16string text;
    if (!TakeValue(key, text)) return false;
    index = VerdictIndex(verdicts, text);
    if (index < 0) return FailAt(next_ - 1, ReadFailure::UnknownClue);
    return true;
  }

  bool ReadMarks() {
    const std::vector<std::string>* line = TakeKeyed(MarksKey, 1 + StatCount);
    if (line == nullptr) return false;
    for (int stat = 0; stat < StatCount; ++stat) {
      doc_.marks[stat] = MarkOf((*line)[1 + stat]);
      if (doc_.marks[stat] < 0) return FailAt(next_ - 1, ReadFailure::BadLine);
    }
    for (int32_t mark : doc_.marks)
      if (!clues_.bestStatJudge && mark != MarkUnknown)
        return FailAt(next_ - 1, ReadFailure::UnknownClue);
    return true;
  }

  int ColumnCount() const {
    return RowColumnCount + (version_ >= 2 ? StatCount : 0);
  }

  const char* ColumnName(int column) const {
    return column < RowColumnCount ? RowColumns[column]
                                   : TrainedColumns[column - RowColumnCount];
  }

  bool ReadRows() {
    const std::vector<std::string>* line = Take();
    if (line == nullptr) return false;
    if (static_cast<int>(line->size()) != ColumnCount())
      return FailAt(next_ - 1, ReadFailure::BadLine);
    for (int column = 0; column < ColumnCount(); ++column)
      if ((*line)[column] != ColumnName(column))
        return FailAt(next_ - 1, ReadFailure::BadLine);
    for (;;) {
      line = Take(true);
      if (line == nullptr) return false;
      if (line->size() == 1 && (*line)[0] == EndLine) break;
      if (IsCut(next_ - 1)) return FailAt(next_ - 1, ReadFailure::CutShort);
      if (static_cast<int>(doc_.rows.size()) >= ObservationLimit)
        return FailAt(next_ - 1, ReadFailure::TooManyRows);
      if (!ReadRow(*line)) return FailAt(next_ - 1, error_.reason);
    }
    return true;
  }

  bool ReadRow(const std::vector<std::string>& fields) {
    error_.reason = ReadFailure::BadLine;
    if (static_cast<int>(fields.size()) != ColumnCount()) return false;
    int values[RowColumnCount + StatCount];
    for (int k = 0; k < ColumnCount(); ++k)
      if (!ParseNumber(fields[k], values[k])) return false;
    Observation row{};
    row.level = values[0];
    int total = 0;
    for (int stat = 0; stat < StatCount; ++stat) {
      row.stats[stat] = values[1 + stat];
      row.efforts[stat] = values[1 + StatCount + stat];
      total += row.efforts[stat];
    }
    int unknown = values[RowColumnCount - 1];
    row.effortUnknown = unknown == 1;
    error_.reason = ReadFailure::OutOfRange;
    if (unknown > 1 || !IsObservationInRange(row) || total > EffortTotalLimit)
      return false;
    // Trained marks are 0 or 1, and only 0 without hyper training.
    for (int column = RowColumnCount; column < ColumnCount(); ++column) {
      int mark = values[column];
      if (mark > (clues_.trained ? 1 : 0)) return false;
      row.trained |= mark << (column - RowColumnCount);
    }
    doc_.rows.push_back(row);
    return true;
  }

  const Lines& lines_;
  Document& out_;
  Document doc_ = EmptyDocument();
  ReadError error_{ReadFailure::None, 0};
  int next_ = 0;     // index of the next line to take
  int version_ = 0;  // the format line's version
  GivenClues clues_{};
};

}  // namespace

bool SameDocument(const Document& a, const Document& b) {
  if (a.species != b.species || a.nature != b.nature ||
      a.generation != b.generation || a.characteristic != b.characteristic ||
      a.overallVerdict != b.overallVerdict || a.rows.size() != b.rows.size())
    return false;
  const GivenClues clues = CluesOf(GameOf(a.generation));
  if (clues.hiddenPower && a.hiddenPowerType != b.hiddenPowerType) return false;
  if (clues.bestStatJudge && a.bestStatVerdict != b.bestStatVerdict)
    return false;
  for (int stat = 0; stat < StatCount; ++stat) {
    if (clues.bestStatJudge && a.marks[stat] != b.marks[stat]) return false;
    if (clues.perStatJudge && a.statVerdicts[stat] != b.statVerdicts[stat])
      return false;
  }
  const int trainedMask = clues.trained ? TrainedMask : 0;
  for (std::size_t k = 0; k < a.rows.size(); ++k) {
    const Observation& x = a.rows[k];
    const Observation& y = b.rows[k];
    if (x.level != y.level || x.effortUnknown != y.effortUnknown ||
        ((x.trained ^ y.trained) & trainedMask) != 0)
      return false;
    for (int stat = 0; stat < StatCount; ++stat)
      if (x.stats[stat] != y.stats[stat] || x.efforts[stat] != y.efforts[stat])
        return false;
  }
  return true;
}

bool IsEmptyInput(const Document& document) {
  Document empty = EmptyDocument();
  empty.generation = document.generation;
  return SameDocument(document, empty);
}

Document EmptyDocument() {
  Document document;
  document.generation = FreshGeneration;
  document.overallVerdict = 0;
  for (int32_t& mark : document.marks) mark = MarkUnknown;
  document.bestStatVerdict = 0;
  for (int32_t& verdict : document.statVerdicts) verdict = 0;
  return document;
}

// Writes only the clues the generation's games give (see Document).
std::string WriteDocumentText(const Document& document) {
  const GameDefinition& game = GameOf(document.generation);
  const GivenClues clues = CluesOf(game);
  const int version = VersionFor(game);
  std::string out = ByteOrderMark;
  out += DocumentFormatName;
  out += '\t' + std::to_string(version) + "\r\n";
  out += GenerationKey;
  out += '\t' + std::to_string(game.generation) + "\r\n";
  WriteLine(out, SpeciesKey, document.species);
  WriteLine(out, NatureKey, document.nature);
  WriteLine(out, CharacteristicKey, document.characteristic);
  WriteLine(out, HiddenPowerTypeKey,
            clues.hiddenPower ? document.hiddenPowerType : u"");
  WriteLine(out, OverallVerdictKey,
            VerdictText(OverallVerdict, document.overallVerdict));
  out += MarksKey;
  for (int32_t mark : document.marks)
    out +=
        '\t' + std::string(MarkText(clues.bestStatJudge ? mark : MarkUnknown));
  out += "\r\n";
  WriteLine(out, BestVerdictKey,
            VerdictText(BestStatVerdict,
                        clues.bestStatJudge ? document.bestStatVerdict : 0));
  if (version >= 2) {
    out += StatVerdictsKey;
    for (int32_t verdict : document.statVerdicts)
      out += '\t' + ToUtf8(StatVerdictText(clues.perStatJudge ? verdict : 0));
    out += "\r\n";
  }
  for (int column = 0; column < RowColumnCount; ++column) {
    out += RowColumns[column];
    out += column + 1 < RowColumnCount ? "\t" : "";
  }
  if (version >= 2)
    for (const char* column : TrainedColumns) out += '\t' + std::string(column);
  out += "\r\n";
  for (const Observation& row : document.rows)
    WriteRow(out, row,
             version < 2     ? -1
             : clues.trained ? row.trained & TrainedMask
                             : 0);
  out += EndLine;
  out += "\r\n";
  return out;
}

ReadError ReadDocumentText(const char* text, std::size_t size,
                           Document& document) {
  Lines lines = SplitLines(text, size);
  return Reader(lines, document).Read();
}

bool IsKnownSpeciesName(const std::u16string& name, int generation) {
  if (name.empty()) return true;
  const GameDefinition* game = FindGameDefinition(generation);
  return game != nullptr && IsSpeciesListedInGame(*game, name.c_str());
}

bool IsKnownNatureName(const std::u16string& name) {
  return name.empty() || name == UnknownNatureName ||
         FindNatureIndex(name.c_str()) >= 0;
}
