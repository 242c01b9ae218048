// The document reader over any bytes: a refused file leaves the document
// untouched and names a line of the file; an accepted one holds only values
// the form can show, writes back to a text that reads to the same document,
// is refused when cut anywhere short of its closing word "end" (only the
// line break after it may go), and gives a result line.
#include <cstring>
#include <memory>
#include <string>

#include "document/document.h"
#include "document/result_line.h"
#include "fuzz_support.h"

namespace {

int LineCount(const uint8_t* data, std::size_t size) {
  int lines = 1;
  for (std::size_t i = 0; i < size; ++i) lines += data[i] == '\n';
  return lines;
}

void CheckAccepted(const Document& document) {
  FUZZ_CHECK(FindGameDefinition(document.generation) != nullptr);
  FUZZ_CHECK(IsKnownSpeciesName(document.species, document.generation));
  FUZZ_CHECK(IsKnownNatureName(document.nature));
  FUZZ_CHECK(document.rows.size() <=
             static_cast<std::size_t>(ObservationLimit));
  for (const Observation& row : document.rows) {
    FUZZ_CHECK(IsObservationInRange(row));
    int total = 0;
    for (int effort : row.efforts) total += effort;
    FUZZ_CHECK(total <= EffortTotalLimit);
  }
  for (int32_t mark : document.marks)
    FUZZ_CHECK(mark == MarkBest || mark == MarkNotBest || mark == MarkUnknown);
  FUZZ_CHECK(document.overallVerdict >= 0 &&
             document.overallVerdict < VerdictCount);
  FUZZ_CHECK(document.bestStatVerdict >= 0 &&
             document.bestStatVerdict < VerdictCount);
  // Only the clues the generation's games give.
  const GameDefinition& game = *FindGameDefinition(document.generation);
  for (int stat = 0; stat < StatCount; ++stat)
    FUZZ_CHECK(game.judge == JudgeKind::PerStat
                   ? document.marks[stat] == MarkUnknown
                   : document.statVerdicts[stat] == 0);
  for (const Observation& row : document.rows)
    FUZZ_CHECK(game.hyperTraining || row.trained == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static bool loaded = (LoadShippedTables(), true);
  (void)loaded;
  // An exact-size copy, so that AddressSanitizer sees any read past the end.
  std::unique_ptr<char[]> bytes(new char[size > 0 ? size : 1]);
  if (size > 0) std::memcpy(bytes.get(), data, size);

  Document document = EmptyDocument();
  document.species = u"untouched";
  ReadError error = ReadDocumentText(bytes.get(), size, document);
  if (error.reason != ReadFailure::None) {
    FUZZ_CHECK(document.species == u"untouched" && document.rows.empty());
    FUZZ_CHECK(error.line >= 1 && error.line <= LineCount(data, size) + 1);
    return 0;
  }
  FUZZ_CHECK(error.line == 0);
  CheckAccepted(document);

  std::string written = WriteDocumentText(document);
  Document again = EmptyDocument();
  FUZZ_CHECK(ReadDocumentText(written.data(), written.size(), again).reason ==
             ReadFailure::None);
  FUZZ_CHECK(WriteDocumentText(again) == written);
  // A cut at a point taken from the input's size, before the last letter of
  // "end\r\n": never accepted.
  std::size_t cut = size % (written.size() - 2);
  Document cutShort = EmptyDocument();
  FUZZ_CHECK(ReadDocumentText(written.data(), cut, cutShort).reason !=
             ReadFailure::None);
  std::u16string line = ResultLine(document);
  FUZZ_CHECK(!line.empty());
  return 0;
}
