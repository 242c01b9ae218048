// The orders of the species list, their keys and the in-place sort of
// SpeciesTable.
#include "species_order.h"

#include <algorithm>

#include "modern_species.h"

namespace {

// The number field an order sorts by; null for the kana order.
int16_t SortKey(const SpeciesRecord& record, int order,
                const GameDefinition* game) {
  switch (order) {
    case OrderNational:
      return game != nullptr ? NationalNumberOf(record, *game)
                             : record.nationalNo;
    case OrderRsHoenn:
      return record.rsHoennNo;
    case OrderDpSinnoh:
    case OrderPtSinnoh:
      return record.ptSinnohNo;
    case OrderHgssJohto:
      return record.hgssJohtoNo;
    case OrderBwUnova:
      return record.bwUnovaNo;
    case OrderB2w2Unova:
      return record.b2w2UnovaNo;
    case OrderXyCentralKalos:
      return record.xyCentralKalosNo;
    case OrderXyCoastalKalos:
      return record.xyCoastalKalosNo;
    case OrderXyMountainKalos:
      return record.xyMountainKalosNo;
    case OrderOrasHoenn:
      return record.orasHoennNo;
    default:
      // The modern orders: the classic records have none of their numbers.
      return NoNumber;
  }
}

bool IsModernOrder(int order) {
  return order >= OrderSmAlola && order < SpeciesOrderCount;
}

// The regional list of a modern order (the two enumerations run alike).
int DexOfOrder(int order) { return order - OrderSmAlola; }

// The generation whose games a modern regional list belongs to.
int GenerationOfDex(int dex) {
  return dex <= DexAlolaUsum ? 7 : dex <= DexSinnohBdsp ? 8 : 9;
}

// Code-unit order of two names; negative, zero or positive.
int CompareNames(const char16_t* a, const char16_t* b) {
  for (int i = 0; i < SpeciesNameCapacity; ++i) {
    unsigned ua = a[i];
    unsigned ub = b[i];
    if (ua != ub) return ua < ub ? -1 : 1;
    if (ua == 0) return 0;
  }
  return 0;
}

// The number a modern order sorts by: the national number, or the record's
// number in the order's regional list (NoNumber when it has none).
int16_t ModernSortKey(const ModernSpeciesRecord& record, int order) {
  return order == OrderNational ? record.nationalNo
                                : RegionalNumber(record, DexOfOrder(order));
}

// Sorts all of ModernSpeciesTable in place: by name (kana), else by the
// order's number, ties by row id.
void SortModernTable(int order) {
  ModernSpeciesRecord* table = ModernSpeciesTable;
  if (order == OrderKana) {
    std::sort(table, table + ModernSpeciesCount,
              [](const ModernSpeciesRecord& a, const ModernSpeciesRecord& b) {
                int byName = CompareNames(a.name, b.name);
                return byName != 0 ? byName < 0 : a.rowId < b.rowId;
              });
    return;
  }
  std::sort(
      table, table + ModernSpeciesCount,
      [order](const ModernSpeciesRecord& a, const ModernSpeciesRecord& b) {
        int16_t keyA = ModernSortKey(a, order);
        int16_t keyB = ModernSortKey(b, order);
        return keyA != keyB ? keyA < keyB : a.rowId < b.rowId;
      });
}

int ListModernNames(const GameDefinition& game, int order,
                    const char16_t** names, int capacity) {
  SortModernTable(order);
  bool regional = IsModernOrder(order);
  int count = 0;
  for (const ModernSpeciesRecord& record : ModernSpeciesTable) {
    if (count >= capacity) break;
    if (!IsListedInGeneration(record, game.generation)) continue;
    if (regional && ModernSortKey(record, order) < 0) continue;
    names[count++] = record.name;
  }
  return count;
}

int ListClassicNames(const GameDefinition& game, int order,
                     const char16_t** names, int capacity) {
  SortSpeciesTable(order, game);
  int count = 0;
  for (const SpeciesRecord& record : SpeciesTable) {
    if (count >= capacity) break;
    if (IsListedInGame(record, game) && IsListedInOrder(record, order))
      names[count++] = record.name;
  }
  return count;
}

constexpr const char16_t* OrderKeys[SpeciesOrderCount] = {u"kana",
                                                          u"national",
                                                          u"rs-hoenn",
                                                          u"dp-sinnoh",
                                                          u"pt-sinnoh",
                                                          u"hgss-johto",
                                                          u"bw-unova",
                                                          u"b2w2-unova",
                                                          u"xy-central-kalos",
                                                          u"xy-coastal-kalos",
                                                          u"xy-mountain-kalos",
                                                          u"oras-hoenn",
                                                          u"sm-alola",
                                                          u"usum-alola",
                                                          u"galar",
                                                          u"isle-of-armor",
                                                          u"crown-tundra",
                                                          u"bdsp-sinnoh",
                                                          u"paldea",
                                                          u"kitakami",
                                                          u"blueberry"};

}  // namespace

bool IsOrderOffered(int order, const GameDefinition& game) {
  if (order == OrderKana || order == OrderNational) return true;
  if (order > OrderNational && order < OrderSmAlola)
    return game.speciesTable == SpeciesTableId::Classic;
  if (!IsModernOrder(order)) return false;
  return game.speciesTable == SpeciesTableId::Modern &&
         game.generation == GenerationOfDex(DexOfOrder(order));
}

int ListSpeciesNames(const GameDefinition& game, int order,
                     const char16_t** names, int capacity) {
  if (names == nullptr || !IsOrderOffered(order, game)) return 0;
  return game.speciesTable == SpeciesTableId::Modern
             ? ListModernNames(game, order, names, capacity)
             : ListClassicNames(game, order, names, capacity);
}

const char16_t* SpeciesOrderKey(int order) {
  if (order < 0 || order >= SpeciesOrderCount) return nullptr;
  return OrderKeys[order];
}

bool FindSpeciesOrderByKey(const char16_t* key, SpeciesOrder& order) {
  if (key == nullptr) return false;
  for (int k = 0; k < SpeciesOrderCount; ++k) {
    if (!NameEquals(OrderKeys[k], key)) continue;
    order = static_cast<SpeciesOrder>(k);
    return true;
  }
  return false;
}

bool IsListedInOrder(const SpeciesRecord& record, int order) {
  switch (order) {
    case OrderKana:
    case OrderNational:
      return true;
    case OrderDpSinnoh:
      return record.ptSinnohNo >= 0 && record.ptSinnohNo <= 151;
    default:
      // Every regional order lists the records that have its number; an
      // unknown order has no key and lists nothing.
      if (order < 0 || order >= SpeciesOrderCount) return false;
      return SortKey(record, order, nullptr) >= 0;
  }
}

int CompareByName(const SpeciesRecord& a, const SpeciesRecord& b) {
  return CompareNames(a.name, b.name);
}

int CompareByNumber(int16_t keyA, int16_t keyB, const SpeciesRecord& a,
                    const SpeciesRecord& b) {
  if (keyA != keyB) return keyA < keyB ? -1 : 1;
  if (a.serialNo != b.serialNo) return a.serialNo < b.serialNo ? -1 : 1;
  return 0;
}

void SortSpeciesTable(int order, const GameDefinition& game) {
  if (order == OrderKana) {
    std::sort(SpeciesTable, SpeciesTable + SpeciesCount,
              [](const SpeciesRecord& a, const SpeciesRecord& b) {
                return CompareByName(a, b) < 0;
              });
    return;
  }
  std::sort(SpeciesTable, SpeciesTable + SpeciesCount,
            [order, &game](const SpeciesRecord& a, const SpeciesRecord& b) {
              return CompareByNumber(SortKey(a, order, &game),
                                     SortKey(b, order, &game), a, b) < 0;
            });
}
