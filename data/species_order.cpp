// The orders of the species list and the in-place sort of SpeciesTable.
#include "species_order.h"

#include <algorithm>

uint32_t SortOrder = OrderKana;

namespace {

// The number field an order sorts by; null for the kana order.
int16_t SortKey(const SpeciesRecord& record, uint32_t sortOrder,
                uint32_t gameMode) {
  switch (sortOrder) {
    case OrderNational:
      return gameMode == ModeGen6 ? record.nationalNo6 : record.nationalNo;
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

}  // namespace

bool IsListedInOrder(const SpeciesRecord& record, uint32_t sortOrder) {
  switch (sortOrder) {
    case OrderKana:
    case OrderNational:
      return true;
    case OrderDpSinnoh:
      return record.ptSinnohNo >= 0 && record.ptSinnohNo <= 151;
    default:
      // Every regional order lists the records that have its number; an
      // unknown order has no key and lists nothing.
      if (sortOrder < FirstSortOrder || sortOrder > LastSortOrder) return false;
      return SortKey(record, sortOrder, 0) >= 0;
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

void SortSpeciesTable(uint32_t sortOrder, uint32_t gameMode) {
  if (sortOrder == OrderKana) {
    std::sort(SpeciesTable, SpeciesTable + SpeciesCount,
              [](const SpeciesRecord& a, const SpeciesRecord& b) {
                return CompareByName(a, b) < 0;
              });
    return;
  }
  std::sort(
      SpeciesTable, SpeciesTable + SpeciesCount,
      [sortOrder, gameMode](const SpeciesRecord& a, const SpeciesRecord& b) {
        return CompareByNumber(SortKey(a, sortOrder, gameMode),
                               SortKey(b, sortOrder, gameMode), a, b) < 0;
      });
}
