// The packed game data: its shape, the telling rows, and the loader's rules.
#include "data/gamedata.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "document/utf8.h"
#include "support/test_data.h"

#ifdef _WIN32
#include <windows.h>

#include "data/gamedata_win32.h"
#endif

namespace {

class GameDataTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(LoadTestGameData()); }
};

std::size_t Length(const char16_t* text) {
  return std::char_traits<char16_t>::length(text);
}

const SpeciesRecord& Row(int k) { return SpeciesTable[k - 1]; }

void ExpectRow(int k, std::initializer_list<int> numbers, const char16_t* name,
               std::initializer_list<int> base) {
  const SpeciesRecord& r = Row(k);
  const int16_t fields[] = {
      r.serialNo,         r.nationalNo,        r.rsHoennNo,
      r.ptSinnohNo,       r.hgssJohtoNo,       r.bwUnovaNo,
      r.b2w2UnovaNo,      r.nationalNo6,       r.xyCentralKalosNo,
      r.xyCoastalKalosNo, r.xyMountainKalosNo, r.orasHoennNo};
  int i = 0;
  for (int expected : numbers)
    EXPECT_EQ(fields[i++], expected) << "row " << k << " field " << i - 1;
  EXPECT_TRUE(NameEquals(name, r.name)) << "row " << k;
  i = 0;
  for (int expected : base)
    EXPECT_EQ(r.baseStats[i++], expected) << "row " << k << " slot " << i - 1;
}

TEST_F(GameDataTest, TellingRowsLoadExactly) {
  ExpectRow(1, {1, 1, -1, -1, 231, -1, -1, 1, 80, -1, -1, -1}, u"フシギダネ",
            {45, 49, 49, 45, 65, 65});
  ExpectRow(28, {28, 25, 156, 104, 22, -1, -1, -1, -1, -1, -1, -1},
            u"ピカチュウ", {35, 55, 30, 90, 50, 40});
  ExpectRow(29, {29, -1, -1, -1, -1, -1, -1, 25, 36, -1, -1, 163},
            u"ピカチュウ", {35, 55, 40, 90, 50, 50});
  ExpectRow(311, {311, 292, 44, -1, -1, -1, -1, 292, 113, -1, -1, 45},
            u"ヌケニン", {1, 90, 45, 40, 30, 30});
  ExpectRow(516, {516, 494, -1, -1, -1, 0, 0, 494, -1, -1, -1, -1},
            u"ビクティニ", {100, 100, 100, 100, 100, 100});
  ExpectRow(758, {758, 479, -1, 152, -1, -1, -1, 479, -1, -1, 68, -1},
            u"ロトム　ヒートロトム", {50, 65, 107, 86, 105, 107});
  ExpectRow(790, {790, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1},
            u"リザードン　メガリザードンＸ", {78, 130, 111, 100, 130, 85});
}

// One walk of the rows: serial numbers, which national numbers each has,
// the rows with neither (mega forms, never listed), short names, and the
// names two rows share.
TEST_F(GameDataTest, RowCountsByNationalNumbersAndNames) {
  int both = 0, onlyOld = 0, onlyNew = 0, neither = 0, megas = 0;
  std::map<std::u16string, int> counts;
  for (int k = 1; k <= SpeciesCount; ++k) {
    const SpeciesRecord& r = Row(k);
    EXPECT_EQ(r.serialNo, k);
    EXPECT_LE(Length(r.name), 18u) << "row " << k;
    ++counts[r.name];
    bool old = r.nationalNo != NoNumber, now = r.nationalNo6 != NoNumber;
    both += old && now;
    onlyOld += old && !now;
    onlyNew += !old && now;
    if (old || now) continue;
    ++neither;
    for (const GameDefinition& game : GameDefinitions)
      EXPECT_FALSE(IsListedInGame(r, game)) << "row " << k;
    std::u16string name = r.name;
    std::size_t space = name.find(u'　');
    ASSERT_NE(space, std::u16string::npos) << "row " << k;
    megas += name.compare(space + 1, 2, u"メガ") == 0;
  }
  EXPECT_EQ(both, 637);
  EXPECT_EQ(onlyOld, 29);
  EXPECT_EQ(onlyNew, 108);
  EXPECT_EQ(neither, 80);
  EXPECT_EQ(megas, 48);
  int doubled = 0;
  for (const auto& entry : counts) doubled += entry.second == 2;
  EXPECT_EQ(doubled, 29);
}

TEST_F(GameDataTest, NamesAreUniqueWithinEachMode) {
  const int sizes[] = {389, 505, 666, 745};
  for (int m = 0; m < 4; ++m) {
    std::set<std::u16string> names;
    int listed = 0;
    for (const SpeciesRecord& r : SpeciesTable) {
      if (!IsListedInGame(r, Gen(3 + m))) continue;
      ++listed;
      EXPECT_TRUE(names.insert(r.name).second)
          << "generation " << 3 + m << " lists a name twice, row "
          << r.serialNo;
    }
    EXPECT_EQ(listed, sizes[m]) << "generation " << 3 + m;
  }
}

// A first form carries its form name only when another form of the species
// has other base stats; so "バスラオ" is found by its plain name.
TEST_F(GameDataTest, FirstFormsAreNamedOnlyWhenFormsDifferInBaseStats) {
  std::map<std::u16string, std::set<std::u16string>> formStats;
  for (int k = 751; k <= SpeciesCount; ++k) {
    std::u16string name = Row(k).name;
    const uint16_t* base = Row(k).baseStats;
    formStats[name.substr(0, name.find(u'　'))].insert(
        std::u16string(base, base + 6));
  }
  for (int k = 1; k <= 750; ++k) {
    std::u16string name = Row(k).name;
    std::size_t space = name.find(u'　');
    if (space == std::u16string::npos) continue;
    const uint16_t* base = Row(k).baseStats;
    std::set<std::u16string> others = formStats[name.substr(0, space)];
    others.erase(std::u16string(base, base + 6));
    EXPECT_FALSE(others.empty()) << "row " << k << " carries a form name";
  }
  for (const char16_t* plain : {u"チェリム", u"バスラオ", u"ケルディオ",
                                u"トリミアン", u"ニャオニクス"}) {
    bool listed = false;
    for (const SpeciesRecord& r : SpeciesTable)
      listed |= NameEquals(plain, r.name) && IsListedInGame(r, Gen(6));
    EXPECT_TRUE(listed) << "a plain first-form name is not listed";
  }
}

TEST_F(GameDataTest, ModesCompareSignedNumbersAndRejectUnknownModes) {
  SpeciesRecord r{};
  r.nationalNo = 386;
  r.nationalNo6 = NoNumber;
  EXPECT_TRUE(IsListedInGame(r, Gen(3)));
  r.nationalNo = 387;
  EXPECT_FALSE(IsListedInGame(r, Gen(3)));
  EXPECT_TRUE(IsListedInGame(r, Gen(4)));
  EXPECT_FALSE(IsListedInGame(r, Gen(6)));
  r.nationalNo6 = 721;
  EXPECT_TRUE(IsListedInGame(r, Gen(6)));
  r.nationalNo6 = 722;
  EXPECT_FALSE(IsListedInGame(r, Gen(6)));
  r.nationalNo = 0;
  EXPECT_FALSE(IsListedInGame(r, Gen(5)));
  EXPECT_EQ(FindGameDefinition(2), nullptr);
  EXPECT_EQ(FindGameDefinition(10), nullptr);
}

// The generation 7-9 table against the readable table it is packed from,
// field by field (the CSV has no quoted fields).
TEST_F(GameDataTest, ModernTableMatchesItsCsvRowByRow) {
  std::ifstream csv(TESSAVAR_MODERN_CSV, std::ios::binary);
  std::string line, field;
  std::vector<std::string> header;
  ASSERT_TRUE(std::getline(csv, line)) << TESSAVAR_MODERN_CSV;
  for (std::stringstream in(line); std::getline(in, field, ',');)
    header.push_back(field);
  std::map<std::string, std::string> row;
  auto number = [&row](const std::string& column) {
    EXPECT_EQ(row.count(column), 1u) << column;
    return row[column].empty() ? -1 : std::stoi(row[column]);
  };
  const char* dexes[] = {"alola_sm",      "alola_usum",   "galar",
                         "isle_of_armor", "crown_tundra", "sinnoh_bdsp",
                         "paldea",        "kitakami",     "blueberry"};
  const char* stats[] = {"hp", "atk", "def", "spe", "spa", "spd"};
  int rows = 0, listed[ModernGenerationCount] = {};
  while (rows < ModernSpeciesCount && std::getline(csv, line)) {
    const ModernSpeciesRecord& r = ModernSpeciesTable[rows++];
    std::stringstream in(line);
    for (const std::string& column : header) {
      field.clear();
      std::getline(in, field, ',');
      row[column] = field;
    }
    EXPECT_EQ(r.rowId, number("row_id")) << line;
    EXPECT_EQ(r.nationalNo, number("national")) << line;
    for (int d = 0; d < ModernDexCount; ++d)
      EXPECT_EQ(RegionalNumber(r, d), number(dexes[d])) << line;
    std::u16string name;
    EXPECT_TRUE(FromUtf8(row["name"], name) && name == r.name) << line;
    for (int g = FirstModernGeneration; g <= LastModernGeneration; ++g) {
      std::string gen = std::to_string(g);
      bool in = number("in_gen" + gen) == 1;
      listed[g - FirstModernGeneration] += in;
      const uint16_t* base = ModernBaseStats(r, g);
      ASSERT_EQ(IsListedInGeneration(r, g) && base != nullptr, in) << line;
      for (int s = 0; s < 6; ++s)
        EXPECT_EQ(in ? base[s] : -1, number(stats[s] + gen)) << line;
    }
  }
  EXPECT_FALSE(std::getline(csv, line)) << "rows beyond the table";
  EXPECT_EQ(rows, ModernSpeciesCount);
  EXPECT_EQ(listed[0], 846);
  EXPECT_EQ(listed[1], 951);
  EXPECT_EQ(listed[2], 1098);
  // Generations and lists outside the table's answer nothing.
  EXPECT_FALSE(ModernBaseStats(ModernSpeciesTable[0], 10) ||
               RegionalNumber(ModernSpeciesTable[0], ModernDexCount) != -1);
}

TEST_F(GameDataTest, NaturesLoadWithExactMultipliers) {
  EXPECT_TRUE(NameEquals(u"いじっぱり", NatureTable[0].name));
  EXPECT_TRUE(NameEquals(u"わんぱく", NatureTable[24].name));
  const NatureRecord& sunao = NatureTable[10];
  EXPECT_TRUE(NameEquals(u"すなお", sunao.name));
  for (double m : sunao.multipliers) EXPECT_EQ(m, 1.0);
  for (const NatureRecord& n : NatureTable) {
    EXPECT_EQ(n.multipliers[0], 1.0);
    int raised = 0, lowered = 0;
    for (int i = 1; i < 6; ++i) {
      double m = n.multipliers[i];
      EXPECT_TRUE(m == 90 / 100.0 || m == 1.0 || m == 110 / 100.0);
      raised += m == 110 / 100.0;
      lowered += m == 90 / 100.0;
    }
    EXPECT_EQ(raised, lowered);
    EXPECT_LE(raised, 1);
  }
  // いじっぱり raises Attack and lowers Sp. Atk (Speed is last).
  EXPECT_EQ(NatureTable[0].multipliers[1], 110 / 100.0);
  EXPECT_EQ(NatureTable[0].multipliers[3], 90 / 100.0);
}

// Loader rules on hand-made buffers.
class LoaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    poke = PokeDataBytesForTest();
    nature = NatureDataBytesForTest();
    ASSERT_EQ(poke.size(), PokeDataBytes);
    ASSERT_EQ(nature.size(), NatureDataBytes);
  }
  bool Load() {
    return LoadGameDataFromBytes(poke.data(), poke.size(), nature.data(),
                                 nature.size());
  }
  // UTF-16LE units into a buffer at a byte offset.
  static void Put(std::vector<uint8_t>& bytes, std::size_t at,
                  const char16_t* units, int count) {
    for (int i = 0; i < count; ++i) {
      bytes[at + 2 * i] = units[i] & 0xFF;
      bytes[at + 2 * i + 1] = units[i] >> 8;
    }
  }
  std::vector<uint8_t> poke, nature;
};

// A name ends at its terminator (what follows in the field is ignored), or
// is cut to the longest name its field holds and terminated.
TEST_F(LoaderTest, NamesEndAtTheTerminatorOrAreCut) {
  const char16_t leftovers[20] = {u'ア', u'イ', 0, u'X', u'Y', u'Z', 0x7FFF};
  char16_t nineteen[20], twenty[20], six[6];
  for (int i = 0; i < 20; ++i) nineteen[i] = twenty[i] = u'ア' + i;
  nineteen[19] = 0;
  for (int i = 0; i < 6; ++i) six[i] = u'あ' + i;
  const char16_t sunao[6] = {u'す', u'な', u'お', 0, u'ゴ', u'ミ'};
  Put(poke, 24, leftovers, 20);
  Put(poke, SpeciesRecordBytes + 24, nineteen, 20);
  Put(poke, 2 * SpeciesRecordBytes + 24, twenty, 20);
  Put(nature, 0, six, 6);
  Put(nature, 10 * NatureRecordBytes, sunao, 6);
  ASSERT_TRUE(Load());
  EXPECT_TRUE(NameEquals(u"アイ", SpeciesTable[0].name));
  EXPECT_EQ(Length(SpeciesTable[1].name), 19u);
  EXPECT_EQ(SpeciesTable[1].name[18], u'ア' + 18);
  EXPECT_EQ(Length(SpeciesTable[2].name), 19u);
  EXPECT_EQ(Length(NatureTable[0].name), 5u);
  EXPECT_TRUE(NameEquals(u"すなお", NatureTable[10].name));
}

TEST_F(LoaderTest, NumbersAreSignedLittleEndianAndZeroIsANumber) {
  uint8_t* r = poke.data();
  r[2] = 0xFE;
  r[3] = 0xFF;  // nationalNo -2
  r[10] = 0x00;
  r[11] = 0x00;  // bwUnovaNo 0
  r[14] = 0xD1;
  r[15] = 0x02;  // nationalNo6 721
  r[64] = 255;
  ASSERT_TRUE(Load());
  EXPECT_EQ(SpeciesTable[0].nationalNo, -2);
  EXPECT_EQ(SpeciesTable[0].bwUnovaNo, 0);
  EXPECT_EQ(SpeciesTable[0].nationalNo6, 721);
  EXPECT_EQ(SpeciesTable[0].baseStats[0], 255);
}

TEST_F(LoaderTest, ShortOrMissingBuffersFailWithoutTouchingTables) {
  ASSERT_TRUE(Load());
  SpeciesRecord before = SpeciesTable[0];
  NatureRecord natureBefore = NatureTable[0];
  poke[24] = 'Q';
  nature[0] = 'Q';
  EXPECT_FALSE(LoadGameDataFromBytes(poke.data(), PokeDataBytes - 1,
                                     nature.data(), nature.size()));
  EXPECT_FALSE(LoadGameDataFromBytes(poke.data(), poke.size(), nature.data(),
                                     NatureDataBytes - 1));
  EXPECT_FALSE(LoadGameDataFromBytes(nullptr, 0, nature.data(), nature.size()));
  EXPECT_FALSE(LoadGameDataFromBytes(poke.data(), poke.size(), nullptr, 0));
  EXPECT_EQ(std::memcmp(&before, &SpeciesTable[0], sizeof before), 0);
  EXPECT_EQ(std::memcmp(&natureBefore, &NatureTable[0], sizeof natureBefore),
            0);
  // Longer buffers are fine: only the required bytes are read.
  poke.resize(PokeDataBytes + 7, 0xEE);
  EXPECT_TRUE(Load());
}

#ifdef _WIN32
TEST(Win32LoaderTest, LoadsFromTheModuleResources) {
  std::memset(SpeciesTable, 0, sizeof SpeciesTable);
  std::memset(ModernSpeciesTable, 0, sizeof ModernSpeciesTable);
  ASSERT_TRUE(LoadGameData(GetModuleHandleW(nullptr)));
  EXPECT_TRUE(NameEquals(u"フシギダネ", SpeciesTable[0].name));
  EXPECT_TRUE(NameEquals(u"フシギダネ", ModernSpeciesTable[0].name));
  EXPECT_EQ(NatureTable[24].multipliers[2], 110 / 100.0);
}

TEST(Win32LoaderTest, ModuleWithoutResourcesFailsAndLeavesTables) {
  ASSERT_TRUE(LoadTestGameData());
  SpeciesTable[0].name[0] = u'Q';
  EXPECT_FALSE(LoadGameData(GetModuleHandleW(L"kernel32.dll")));
  EXPECT_EQ(SpeciesTable[0].name[0], u'Q');
}
#endif

}  // namespace
