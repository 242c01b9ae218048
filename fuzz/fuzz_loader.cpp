// The game data loaders over buffers of any size and content: the shipped
// resources with bytes overwritten, or bytes repeated from the input; each
// buffer exactly as long as chosen (so AddressSanitizer sees any read past
// the end), missing, short or oversized. After a load, the consumers of the
// tables run on whatever was loaded: the mode and order lists, the sorts and
// the engine.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <memory>

#include "data/species_order.h"
#include "fuzz_support.h"

namespace {

struct Buffer {
  std::unique_ptr<uint8_t[]> bytes;
  std::size_t size = 0;
  bool missing = false;

  const uint8_t* data() const { return missing ? nullptr : bytes.get(); }
};

std::size_t PickSize(FuzzedDataProvider& in, std::size_t exact) {
  switch (in.ConsumeIntegralInRange<int>(0, 5)) {
    case 0:
      return exact;
    case 1:
      return exact - 1;
    case 2:
      return exact + in.ConsumeIntegralInRange<std::size_t>(1, 4096);
    case 3:
      return in.ConsumeIntegralInRange<std::size_t>(0, exact);
    case 4:
      return 0;
    default:
      return in.ConsumeIntegralInRange<std::size_t>(0, 2 * exact);
  }
}

// The shipped bytes (padded when longer) with a few stretches overwritten,
// or the input's bytes repeated to the chosen length.
Buffer MakeBuffer(FuzzedDataProvider& in, const std::vector<uint8_t>& shipped) {
  Buffer buffer;
  buffer.size = PickSize(in, shipped.size());
  buffer.missing = in.ConsumeIntegralInRange<int>(0, 15) == 15;
  buffer.bytes.reset(new uint8_t[buffer.size]);
  uint8_t* out = buffer.bytes.get();
  if (in.ConsumeBool()) {
    std::vector<uint8_t> tile =
        in.ConsumeBytes<uint8_t>(in.ConsumeIntegralInRange<int>(1, 512));
    if (tile.empty()) tile.push_back(0);
    // Repeat the tile by doubling what is filled (a byte loop over 60 KB
    // would dominate the run time under the fuzzer's instrumentation).
    std::size_t filled = tile.size() < buffer.size ? tile.size() : buffer.size;
    std::memcpy(out, tile.data(), filled);
    while (filled < buffer.size) {
      std::size_t n =
          filled < buffer.size - filled ? filled : buffer.size - filled;
      std::memcpy(out + filled, out, n);
      filled += n;
    }
    return buffer;
  }
  std::size_t copied =
      buffer.size < shipped.size() ? buffer.size : shipped.size();
  std::memcpy(out, shipped.data(), copied);
  std::memset(out + copied, 0xA5, buffer.size - copied);
  int patches = in.ConsumeIntegralInRange<int>(0, 8);
  for (int p = 0; p < patches && buffer.size > 0; ++p) {
    std::size_t at = in.ConsumeIntegralInRange<std::size_t>(0, buffer.size - 1);
    std::vector<uint8_t> bytes =
        in.ConsumeBytes<uint8_t>(in.ConsumeIntegralInRange<int>(1, 80));
    for (std::size_t i = 0; i < bytes.size() && at + i < buffer.size; ++i)
      out[at + i] = bytes[i];
  }
  return buffer;
}

char16_t Unit(const uint8_t* bytes) {
  return static_cast<char16_t>(bytes[0] | bytes[1] << 8);
}

// The loaded name equals the source's units up to the first zero, at most
// `maxLength` of them, and is terminated.
void CheckName(const char16_t* loaded, const uint8_t* source, int maxLength) {
  int length = 0;
  while (length < maxLength && Unit(source + 2 * length) != 0) {
    FUZZ_CHECK(loaded[length] == Unit(source + 2 * length));
    ++length;
  }
  FUZZ_CHECK(loaded[length] == 0);
}

void CheckLoadedTables(const uint8_t* poke, const uint8_t* nature) {
  for (int k = 0; k < SpeciesCount; ++k) {
    const uint8_t* bytes = poke + SpeciesRecordBytes * k;
    const SpeciesRecord& r = SpeciesTable[k];
    const int16_t numbers[] = {
        r.serialNo,         r.nationalNo,        r.rsHoennNo,
        r.ptSinnohNo,       r.hgssJohtoNo,       r.bwUnovaNo,
        r.b2w2UnovaNo,      r.nationalNo6,       r.xyCentralKalosNo,
        r.xyCoastalKalosNo, r.xyMountainKalosNo, r.orasHoennNo};
    for (int i = 0; i < 12; ++i)
      FUZZ_CHECK(numbers[i] == static_cast<int16_t>(Unit(bytes + 2 * i)));
    CheckName(r.name, bytes + 24, SpeciesNameCapacity - 1);
    for (int i = 0; i < 6; ++i) FUZZ_CHECK(r.baseStats[i] == bytes[64 + i]);
  }
  for (int k = 0; k < NatureCount; ++k) {
    const uint8_t* bytes = nature + NatureRecordBytes * k;
    const NatureRecord& r = NatureTable[k];
    CheckName(r.name, bytes, NatureNameMaxLength);
    for (int i = 0; i < 6; ++i)
      FUZZ_CHECK(r.multipliers[i] == bytes[12 + i] / 100.0);
  }
}

// The key an order sorts by, written out independently of the sort.
int16_t KeyOf(const SpeciesRecord& r, int order, const GameDefinition& game) {
  switch (order) {
    case OrderNational:
      return game.generation == 6 ? r.nationalNo6 : r.nationalNo;
    case OrderRsHoenn:
      return r.rsHoennNo;
    case OrderDpSinnoh:
    case OrderPtSinnoh:
      return r.ptSinnohNo;
    case OrderHgssJohto:
      return r.hgssJohtoNo;
    case OrderBwUnova:
      return r.bwUnovaNo;
    case OrderB2w2Unova:
      return r.b2w2UnovaNo;
    case OrderXyCentralKalos:
      return r.xyCentralKalosNo;
    case OrderXyCoastalKalos:
      return r.xyCoastalKalosNo;
    case OrderXyMountainKalos:
      return r.xyMountainKalosNo;
    case OrderOrasHoenn:
      return r.orasHoennNo;
    default:
      return 0;
  }
}

// Order-independent digest of the table's records (a sum of per-record
// hashes over their 16-bit units; the record has no padding).
uint64_t TableDigest() {
  static_assert(sizeof(SpeciesRecord) % 2 == 0, "records are 16-bit units");
  uint64_t digest = 0;
  for (const SpeciesRecord& r : SpeciesTable) {
    uint16_t units[sizeof r / 2];
    std::memcpy(units, &r, sizeof r);
    uint64_t h = 1469598103934665603ull;
    for (uint16_t unit : units) h = (h ^ unit) * 1099511628211ull;
    digest += h;
  }
  return digest;
}

// A generation of the table, or now and then none.
const GameDefinition* PickGame(FuzzedDataProvider& in) {
  int pick = in.ConsumeIntegralInRange<int>(0, GameDefinitionCount);
  return pick < GameDefinitionCount ? &GameDefinitions[pick] : nullptr;
}

void SortAndCheck(FuzzedDataProvider& in) {
  int order = in.ConsumeBool()
                  ? in.ConsumeIntegral<int>()
                  : in.ConsumeIntegralInRange<int>(0, SpeciesOrderCount - 1);
  const GameDefinition& game = GameDefinitions[in.ConsumeIntegralInRange<int>(
      0, GameDefinitionCount - 1)];
  uint64_t before = TableDigest();
  SortSpeciesTable(order, game);
  FUZZ_CHECK(TableDigest() == before);
  for (int k = 1; k < SpeciesCount; ++k) {
    const SpeciesRecord& a = SpeciesTable[k - 1];
    const SpeciesRecord& b = SpeciesTable[k];
    if (order == OrderKana)
      FUZZ_CHECK(CompareByName(a, b) <= 0);
    else
      FUZZ_CHECK(CompareByNumber(KeyOf(a, order, game), KeyOf(b, order, game),
                                 a, b) <= 0);
    IsListedInOrder(a, order);
    IsListedInGame(a, game);
  }
  // Every name on the game's list (from either table) is found again.
  static const char16_t* names[ModernSpeciesCount];
  int count = ListSpeciesNames(game, order, names, ModernSpeciesCount);
  for (int k = 0; k < count; ++k)
    FUZZ_CHECK(IsSpeciesListedInGame(game, names[k]));
}

// The engine on the loaded tables: a species and a nature named as loaded,
// observations and clues from the input.
void RunEngine(FuzzedDataProvider& in) {
  const GameDefinition* game = PickGame(in);
  char16_t species[SpeciesNameCapacity];
  char16_t nature[NatureNameMaxLength + 1];
  bool modern = game != nullptr && game->speciesTable == SpeciesTableId::Modern;
  int row = in.ConsumeIntegralInRange<int>(
      0, (modern ? ModernSpeciesCount : SpeciesCount) - 1);
  std::memcpy(species,
              modern ? ModernSpeciesTable[row].name : SpeciesTable[row].name,
              sizeof species);
  CopyName(
      nature, NatureNameMaxLength + 1,
      NatureTable[in.ConsumeIntegralInRange<int>(0, NatureCount - 1)].name);
  StatusEntry entries[4] = {};
  int count = in.ConsumeIntegralInRange<int>(0, 4);
  for (int i = 0; i < count; ++i) {
    entries[i].level = in.ConsumeIntegral<uint8_t>();
    for (int s = 0; s < StatCount; ++s) {
      entries[i].stats[s] = in.ConsumeIntegral<uint16_t>();
      entries[i].effortValues[s] = in.ConsumeIntegral<uint16_t>();
    }
  }
  IvQuery query{species, nature, game, entries, count, {u"", u"", 0, {}, 0, {}},
                false};
  query.clues.overallVerdict = in.ConsumeIntegralInRange<int32_t>(-1, 5);
  for (int32_t& mark : query.clues.marks)
    mark = in.ConsumeIntegralInRange<int32_t>(-1, 3);
  for (int32_t& verdict : query.clues.statVerdicts)
    verdict = in.ConsumeIntegralInRange<int32_t>(-1, 8);
  for (int i = 0; i < count; ++i)
    entries[i].trained = in.ConsumeIntegral<uint8_t>();
  query.clues.bestStatVerdict = in.ConsumeIntegralInRange<int32_t>(-1, 5);
  IvAnswer answer;
  int32_t rc = AnswerIvQuery(query, answer);
  // A modern name is found only where the generation lists it.
  bool found = !modern || IsSpeciesListedInGame(*game, species);
  FUZZ_CHECK(rc == (game == nullptr ? CalcUnknownGame
                    : found         ? CalcOk
                                    : CalcUnknownSpecies));
  if (rc == CalcOk)
    CheckResultInvariants(answer.result, game->hiddenPowerPower);
}

// The generation 7-9 table's loader on its own buffer: a failed load leaves
// the table as it was; a load copies each name bounded and terminated.
void CheckModernLoad(FuzzedDataProvider& in) {
  Buffer modern = MakeBuffer(in, ModernDataBytesForTest());
  static ModernSpeciesRecord before[ModernSpeciesCount];
  std::memcpy(before, ModernSpeciesTable, sizeof before);
  bool loaded = LoadModernSpeciesFromBytes(modern.data(), modern.size);
  FUZZ_CHECK(loaded == (!modern.missing && modern.size >= ModernDataBytes));
  if (!loaded)
    FUZZ_CHECK(std::memcmp(before, ModernSpeciesTable, sizeof before) == 0);
  for (int k = 0; loaded && k < ModernSpeciesCount; ++k)
    CheckName(ModernSpeciesTable[k].name,
              modern.data() + ModernSpeciesRecordBytes * k + 25,
              SpeciesNameCapacity - 1);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The buffers are built from the shipped bytes: they must be there.
  FUZZ_CHECK(PokeDataBytesForTest().size() == PokeDataBytes);
  FUZZ_CHECK(NatureDataBytesForTest().size() == NatureDataBytes);
  FUZZ_CHECK(ModernDataBytesForTest().size() == ModernDataBytes);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  Buffer poke = MakeBuffer(in, PokeDataBytesForTest());
  Buffer nature = MakeBuffer(in, NatureDataBytesForTest());
  CheckModernLoad(in);

  static SpeciesRecord speciesBefore[SpeciesCount];
  static NatureRecord naturesBefore[NatureCount];
  std::memcpy(speciesBefore, SpeciesTable, sizeof speciesBefore);
  std::memcpy(naturesBefore, NatureTable, sizeof naturesBefore);

  bool loaded =
      LoadGameDataFromBytes(poke.data(), poke.size, nature.data(), nature.size);
  bool loadable = !poke.missing && !nature.missing &&
                  poke.size >= PokeDataBytes && nature.size >= NatureDataBytes;
  FUZZ_CHECK(loaded == loadable);
  if (!loaded) {
    FUZZ_CHECK(std::memcmp(speciesBefore, SpeciesTable, sizeof speciesBefore) ==
               0);
    FUZZ_CHECK(std::memcmp(naturesBefore, NatureTable, sizeof naturesBefore) ==
               0);
    return 0;
  }
  CheckLoadedTables(poke.data(), nature.data());
  SortAndCheck(in);
  RunEngine(in);
  return 0;
}
