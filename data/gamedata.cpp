// The game data tables and their loading from the resources' bytes.
#include "gamedata.h"

#include <climits>

#include "bounded_copy.h"

SpeciesRecord SpeciesTable[SpeciesCount];
NatureRecord NatureTable[NatureCount];

namespace {

int16_t ReadInt16(const uint8_t* bytes) {
  return static_cast<int16_t>(static_cast<uint16_t>(bytes[1] * 256 + bytes[0]));
}

// Bounded copy of a UTF-16LE name of `sourceUnits` units out of resource
// bytes.
void CopyResourceName(char16_t* dest, int capacity, const uint8_t* source,
                      int sourceUnits) {
  CopyUnitsBounded(dest, capacity, sourceUnits, [source](int i) {
    return static_cast<char16_t>(source[2 * i] | (source[2 * i + 1] << 8));
  });
}

void LoadSpecies(const uint8_t* data) {
  for (int k = 0; k < SpeciesCount; ++k) {
    const uint8_t* bytes = data + SpeciesRecordBytes * k;
    SpeciesRecord& record = SpeciesTable[k];
    int16_t* numbers[] = {&record.serialNo,          &record.nationalNo,
                          &record.rsHoennNo,         &record.ptSinnohNo,
                          &record.hgssJohtoNo,       &record.bwUnovaNo,
                          &record.b2w2UnovaNo,       &record.nationalNo6,
                          &record.xyCentralKalosNo,  &record.xyCoastalKalosNo,
                          &record.xyMountainKalosNo, &record.orasHoennNo};
    for (int i = 0; i < 12; ++i) *numbers[i] = ReadInt16(bytes + 2 * i);
    CopyResourceName(record.name, SpeciesNameCapacity, bytes + 24, 20);
    for (int i = 0; i < 6; ++i) record.baseStats[i] = bytes[64 + i];
  }
}

void LoadNatures(const uint8_t* data) {
  for (int k = 0; k < NatureCount; ++k) {
    const uint8_t* bytes = data + NatureRecordBytes * k;
    NatureRecord& record = NatureTable[k];
    CopyResourceName(record.name, NatureNameMaxLength + 1, bytes, 6);
    for (int i = 0; i < 6; ++i) record.multipliers[i] = bytes[12 + i] / 100.0;
  }
}

}  // namespace

bool LoadGameDataFromBytes(const uint8_t* pokeData, std::size_t pokeSize,
                           const uint8_t* natureData, std::size_t natureSize) {
  if (pokeData == nullptr || natureData == nullptr ||
      pokeSize < PokeDataBytes || natureSize < NatureDataBytes)
    return false;
  LoadSpecies(pokeData);
  LoadNatures(natureData);
  return true;
}

bool NameEquals(const char16_t* known, const char16_t* text) {
  for (int i = 0;; ++i) {
    if (known[i] != text[i]) return false;
    if (known[i] == 0) return true;
  }
}

int CompareNames(const char16_t* a, const char16_t* b) {
  for (int i = 0; i < SpeciesNameCapacity; ++i) {
    unsigned ua = a[i];
    unsigned ub = b[i];
    if (ua != ub) return ua < ub ? -1 : 1;
    if (ua == 0) return 0;
  }
  return 0;
}

void CopyName(char16_t* dest, int capacity, const char16_t* source) {
  CopyUnitsBounded(dest, capacity, INT_MAX,
                   [source](int i) { return source[i]; });
}
