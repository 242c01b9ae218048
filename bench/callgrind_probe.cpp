// Runs one measured operation, chosen by name, so that callgrind can count
// its instructions (scripts/count_instructions.sh toggles collection around
// the call).
#include <cstring>

#include "bench_inputs.h"

// Kept out of line so callgrind's --toggle-collect can name them.
extern "C" __attribute__((noinline)) int32_t ProbeOneObservationNoClues(
    IvResult* r) {
  return CallOneObservationNoClues(*r);
}
extern "C" __attribute__((noinline)) int32_t ProbeThreeObservationsAllClues(
    IvResult* r) {
  return CallThreeObservationsAllClues(*r);
}
extern "C" __attribute__((noinline)) int32_t ProbeOneObservationWithHints(
    IvResult* r, LevelHint* hints) {
  return CallOneObservationWithHints(*r, hints);
}
extern "C" __attribute__((noinline)) int32_t ProbeLevel5WithHints(
    IvResult* r, LevelHint* hints) {
  return CallLevel5WithHints(*r, hints);
}
extern "C" __attribute__((noinline)) int32_t
ProbeThreeObservationsAllCluesAnyNature(IvResult* r, uint32_t* natureSet) {
  return CallThreeObservationsAllCluesAnyNature(*r, natureSet);
}
extern "C" __attribute__((noinline)) int32_t ProbeOneObservationUnknownEffort(
    IvResult* r) {
  return CallOneObservationUnknownEffort(*r);
}
extern "C" __attribute__((noinline)) bool ProbeLoadGameData(
    const std::vector<uint8_t>* poke, const std::vector<uint8_t>* nature) {
  return LoadGameDataFromBytes(poke->data(), poke->size(), nature->data(),
                               nature->size());
}

int main() {
  if (!ProbeLoadGameData(&PokeDataBytesForTest(), &NatureDataBytesForTest()))
    return 1;
  IvResult r{};
  if (ProbeOneObservationNoClues(&r) != 0) return 2;
  if (ProbeThreeObservationsAllClues(&r) != 0) return 3;
  LevelHint hints[StatCount];
  uint32_t natureSet = 0;
  if (ProbeOneObservationWithHints(&r, hints) != 0) return 4;
  if (ProbeLevel5WithHints(&r, hints) != 0) return 5;
  if (ProbeThreeObservationsAllCluesAnyNature(&r, &natureSet) != 0) return 6;
  if (ProbeOneObservationUnknownEffort(&r) != 0) return 7;
  return 0;
}
