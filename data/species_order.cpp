// The orders of the species list, their keys and the in-place sort of
// SpeciesTable.
#include "species_order.h"

#include <algorithm>

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
      return 0;
  }
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
  for (int i = 0; i < SpeciesNameCapacity; ++i) {
    unsigned ua = a.name[i];
    unsigned ub = b.name[i];
    if (ua != ub) return ua < ub ? -1 : 1;
    if (ua == 0) return 0;
  }
  return 0;
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
