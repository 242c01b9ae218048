// The species table of generations 7 to 9 and its loading from the
// resource's bytes.
#include "modern_species.h"

#include "bounded_copy.h"

ModernSpeciesRecord ModernSpeciesTable[ModernSpeciesCount];

namespace {

// Offsets within one resource record.
constexpr std::size_t ListedAt = 22;
constexpr std::size_t NameAt = 25;
constexpr int NameUnits = 20;
constexpr std::size_t BaseStatsAt = 65;

int16_t ReadInt16(const uint8_t* bytes) {
  return static_cast<int16_t>(static_cast<uint16_t>(bytes[1] * 256 + bytes[0]));
}

void LoadRecord(const uint8_t* bytes, ModernSpeciesRecord& record) {
  record.rowId = ReadInt16(bytes);
  record.nationalNo = ReadInt16(bytes + 2);
  for (int i = 0; i < ModernDexCount; ++i)
    record.regionalNo[i] = ReadInt16(bytes + 4 + 2 * i);
  const uint8_t* name = bytes + NameAt;
  CopyUnitsBounded(record.name, SpeciesNameCapacity, NameUnits, [name](int i) {
    return static_cast<char16_t>(name[2 * i] | (name[2 * i + 1] << 8));
  });
  for (int g = 0; g < ModernGenerationCount; ++g) {
    record.listed[g] = bytes[ListedAt + g] != 0;
    for (int s = 0; s < 6; ++s)
      record.baseStats[g][s] = bytes[BaseStatsAt + 6 * g + s];
  }
}

bool IsModernGeneration(int generation) {
  return generation >= FirstModernGeneration &&
         generation <= LastModernGeneration;
}

}  // namespace

bool LoadModernSpeciesFromBytes(const uint8_t* data, std::size_t size) {
  if (data == nullptr || size < ModernDataBytes) return false;
  for (int k = 0; k < ModernSpeciesCount; ++k)
    LoadRecord(data + ModernSpeciesRecordBytes * k, ModernSpeciesTable[k]);
  return true;
}

bool IsListedInGeneration(const ModernSpeciesRecord& record, int generation) {
  return IsModernGeneration(generation) &&
         record.listed[generation - FirstModernGeneration];
}

const uint16_t* ModernBaseStats(const ModernSpeciesRecord& record,
                                int generation) {
  if (!IsListedInGeneration(record, generation)) return nullptr;
  return record.baseStats[generation - FirstModernGeneration];
}

int16_t RegionalNumber(const ModernSpeciesRecord& record, int dex) {
  if (dex < 0 || dex >= ModernDexCount) return NoNumber;
  return record.regionalNo[dex];
}
