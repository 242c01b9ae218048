// The player's input as one document: names, mode, clue selections and the
// observations, and its file form, UTF-8 tab-separated text (.tsv) that a
// person can read and a spreadsheet can open. The reader is strict: a file
// is taken whole or refused with the line and the reason.
// Portable: no Win32 here, so the format can be tested and fuzzed natively.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "document/observation.h"

// The nature box's last item: the nature is not known.
constexpr char16_t UnknownNatureName[] = u"（不明）";

// Everything of the form that the results depend on. Verdicts are indexes
// into OverallVerdict / BestStatVerdict (0 the empty item); marks are
// BestStatMark values. A clue the generation's games do not give (best-stat
// marks and verdict under the per-stat judge, per-stat verdicts under the
// best-stat judge, trained bits without hyper training, a hidden power type
// without hidden power) is not part of the input: the file leaves it out and
// SameDocument does not compare it.
struct Document {
  std::u16string species;
  std::u16string nature;
  int generation;  // 3..9
  std::u16string characteristic;
  std::u16string hiddenPowerType;
  int32_t overallVerdict;
  int32_t marks[StatCount];
  int32_t bestStatVerdict;
  // Indexes into StatVerdict (0 the empty item), generations 7 to 9 only.
  int32_t statVerdicts[StatCount];
  std::vector<Observation> rows;
};

// The state of a fresh window: no names, generation 6, no clues, no rows.
Document EmptyDocument();

// Whether two documents hold the same input (and so the same file text).
bool SameDocument(const Document& a, const Document& b);

// Whether a document holds no input: no names, clues or rows, whatever its
// generation.
bool IsEmptyInput(const Document& document);

// The first line's format name and the newest version this program reads.
// It writes version 1 when the input needs nothing of version 2 (a
// generation 3 to 6 document), so that older programs still open it, and
// version 2 (per-stat verdicts and trained stats) otherwise.
constexpr char DocumentFormatName[] = "Tessavar";
constexpr int DocumentVersion = 2;
// The file extension, with its dot.
constexpr char16_t DocumentExtension[] = u".tsv";

// Why a file was refused.
enum class ReadFailure {
  None,
  NotOurs,         // the first line does not name the format
  NewerVersion,    // written by a newer program
  CutShort,        // ends before its last line
  BadLine,         // a line that is not what belongs there
  BadText,         // not UTF-8 text
  OutOfRange,      // a number outside its field's range
  UnknownSpecies,  // not a species of the file's generation
  UnknownNature,
  UnknownClue,  // a characteristic, type or verdict the program lacks
  TooManyRows   // more than ObservationLimit observations
};
// The number of reasons, None included: tables of texts by reason have as
// many entries.
constexpr int ReadFailureCount = static_cast<int>(ReadFailure::TooManyRows) + 1;

struct ReadError {
  ReadFailure reason;
  int line;  // 1-based; the line after the last for a file cut short
};

// The file text of `document`: UTF-8 with a byte order mark, CRLF lines.
std::string WriteDocumentText(const Document& document);

// Reads a whole file. The last line `end` may lack its line break, and only
// line breaks may follow it. A file whose first line is not the format line
// is NotOurs. On success fills `document` and returns reason None;
// otherwise leaves `document` untouched. Needs the loaded game data tables
// (species and natures are checked against them).
ReadError ReadDocumentText(const char* text, std::size_t size,
                           Document& document);

// Whether `name` is empty or a species listed in the generation; a nature
// name or UnknownNatureName.
bool IsKnownSpeciesName(const std::u16string& name, int generation);
bool IsKnownNatureName(const std::u16string& name);
