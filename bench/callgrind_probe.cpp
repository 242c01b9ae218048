// Runs one measured operation, chosen by name, so that callgrind can count
// its instructions (scripts/count_instructions.sh toggles collection around
// the call).
#include <cstring>

#include "bench_inputs.h"

// Kept out of line so callgrind's --toggle-collect can name them.
extern "C" __attribute__((noinline)) int32_t ProbeOneObservationNoClues(
    IvAnswer* a) {
  return AnswerIvQuery(BenchQuery(BenchEntries(), 1, false, false), *a);
}
extern "C" __attribute__((noinline)) int32_t ProbeThreeObservationsAllClues(
    IvAnswer* a) {
  return AnswerIvQuery(BenchQuery(BenchEntries(), 3, true, false), *a);
}
extern "C" __attribute__((noinline)) int32_t ProbeOneObservationWithHints(
    IvAnswer* a) {
  return AnswerIvQuery(BenchQuery(BenchEntries(), 1, false, true), *a);
}
extern "C" __attribute__((noinline)) int32_t ProbeLevel5WithHints(IvAnswer* a) {
  return AnswerIvQuery(BenchQuery(BenchEntryLevel5(), 1, false, true), *a);
}
extern "C" __attribute__((noinline)) int32_t
ProbeThreeObservationsAllCluesAnyNature(IvAnswer* a) {
  return AnswerIvQuery(BenchQuery(BenchEntries(), 3, true, false, nullptr), *a);
}
extern "C" __attribute__((noinline)) int32_t ProbeOneObservationUnknownEffort(
    IvAnswer* a) {
  return AnswerIvQuery(BenchQuery(BenchEntryUnknownEffort(), 1, false, false),
                       *a);
}
extern "C" __attribute__((noinline)) int32_t ProbeMode9OneObservation(
    IvAnswer* a) {
  return AnswerIvQuery(BenchQueryMode9(3, 1, false), *a);
}
extern "C" __attribute__((noinline)) int32_t
ProbeMode9ThreeObservationsPerStatTrained(IvAnswer* a) {
  return AnswerIvQuery(BenchQueryMode9(0, 3, true), *a);
}
extern "C" __attribute__((noinline)) bool ProbeLoadGameData(
    const std::vector<uint8_t>* poke, const std::vector<uint8_t>* nature) {
  return LoadGameDataFromBytes(poke->data(), poke->size(), nature->data(),
                               nature->size());
}

int main() {
  if (!ProbeLoadGameData(&PokeDataBytesForTest(), &NatureDataBytesForTest()))
    return 1;
  IvAnswer a{};
  if (ProbeOneObservationNoClues(&a) != 0) return 2;
  if (ProbeThreeObservationsAllClues(&a) != 0) return 3;
  if (ProbeOneObservationWithHints(&a) != 0) return 4;
  if (ProbeLevel5WithHints(&a) != 0) return 5;
  if (ProbeThreeObservationsAllCluesAnyNature(&a) != 0) return 6;
  if (ProbeOneObservationUnknownEffort(&a) != 0) return 7;
  const std::vector<uint8_t>& modern = ModernDataBytesForTest();
  if (!LoadModernSpeciesFromBytes(modern.data(), modern.size())) return 8;
  if (ProbeMode9OneObservation(&a) != 0) return 9;
  if (ProbeMode9ThreeObservationsPerStatTrained(&a) != 0) return 10;
  return 0;
}
