// Species and nature tables: blob expansion, content rules and lookups.
#include <gtest/gtest.h>
#include <string.h>

#include <algorithm>
#include <set>
#include <string>

#include "data/game_data.h"
#include "data/nature.h"
#include "data/pokemon.h"
#include "test_tables.h"

namespace
{

class TablesTest : public ::testing::Test
{
  protected:
    void SetUp() override { ASSERT_TRUE(ReloadTestTables()); }
};

const SpeciesRecord &ById(int id)
{
    return SpeciesTable[id - 1];
}

TEST_F(TablesTest, TellingSpeciesRowsLoadAsPublished)
{
    struct Row {
        int id, national, johto, hoenn, sinnoh;
        const char *name;
        int base[7];
    };
    static const Row rows[] = {
        {1, 1, 226, 0, 0, "フシギダネ", {45, 49, 49, 65, 65, 45, 65}},
        {25, 25, 22, 156, 104, "ピカチュウ", {35, 55, 30, 50, 40, 90, 50}},
        {152, 152, 1, 0, 0, "チコリータ", {45, 49, 65, 49, 65, 45, 0}},
        {292, 292, 0, 44, 0, "ヌケニン", {1, 90, 45, 30, 30, 40, 0}},
        {386, 386, 0, 202, 0, "デオキシス", {50, 150, 50, 150, 50, 150, 0}},
        {413, 413, 0, 0, 46, "ミノマダム　くさきのミノ", {60, 59, 85, 79, 105, 36, 0}},
        {493, 493, 0, 0, 0, "アルセウス", {120, 120, 120, 120, 120, 120, 0}},
        {494, 0, 0, 0, 0, "", {10, 10, 10, 10, 10, 10, 0}},
        {495, 0, 0, 0, 0, "", {10, 10, 10, 10, 10, 10, 0}},
        {496, 386, 0, 0, 0, "デオキシス　アタック", {50, 180, 20, 180, 20, 150, 0}},
        {497, 386, 0, 0, 0, "デオキシス　ディフェンス", {50, 70, 160, 70, 160, 90, 0}},
        {498, 386, 0, 0, 0, "デオキシス　スピード", {50, 95, 90, 95, 90, 180, 0}},
        {499, 413, 0, 0, 46, "ミノマダム　すなちのミノ", {60, 79, 105, 59, 85, 36, 0}},
        {500, 413, 0, 0, 46, "ミノマダム　ゴミのミノ", {60, 69, 95, 69, 95, 36, 0}},
    };
    for (const Row &row : rows) {
        const SpeciesRecord &r = ById(row.id);
        SCOPED_TRACE(row.id);
        EXPECT_EQ(row.id, r.id);
        EXPECT_EQ(row.national, r.nationalNo);
        EXPECT_EQ(row.johto, r.johtoNo);
        EXPECT_EQ(row.hoenn, r.hoennNo);
        EXPECT_EQ(row.sinnoh, r.sinnohNo);
        EXPECT_STREQ(row.name, r.name);
        for (int s = 0; s < STAT_SLOT_COUNT; s++)
            EXPECT_EQ(row.base[s], r.baseStats[s]) << "slot " << s;
    }
    // Blissey's HP is the one base stat byte of 255: it must not turn negative.
    const int blissey = FindSpeciesByName("ハピナス");
    ASSERT_GE(blissey, 0);
    EXPECT_EQ(255, SpeciesTable[blissey].baseStats[STAT_HP]);
}

TEST_F(TablesTest, PokedexNumbersFollowTheContentRules)
{
    std::set<int> johto, hoenn, sinnoh;
    int sinnohRecords = 0;
    for (int id = 1; id <= SPECIES_COUNT; id++) {
        const SpeciesRecord &r = ById(id);
        ASSERT_EQ(id, r.id);
        if (id <= 493) {
            EXPECT_EQ(id, r.nationalNo);
        }
        EXPECT_EQ(id <= 251, r.johtoNo != 0) << id;
        EXPECT_EQ(id <= 151, r.baseStats[STAT_SPC] != 0) << id;
        if (r.johtoNo)
            johto.insert(r.johtoNo);
        if (r.hoennNo)
            hoenn.insert(r.hoennNo);
        if (r.sinnohNo) {
            sinnohRecords++;
            sinnoh.insert(r.sinnohNo);
        }
        if (id >= 252 && id <= 386) {
            EXPECT_NE(0, r.hoennNo) << id;
        }
    }
    EXPECT_EQ(251u, johto.size());
    EXPECT_EQ(251, *johto.rbegin());
    EXPECT_EQ(202u, hoenn.size());
    EXPECT_EQ(202, *hoenn.rbegin());
    EXPECT_EQ(151u, sinnoh.size());
    EXPECT_EQ(151, *sinnoh.rbegin());
    EXPECT_EQ(153, sinnohRecords); // two extra Wormadam forms share number 46
}

TEST_F(TablesTest, NamesFillingAllBytesLoadWholeAndTerminated)
{
    for (const char *name :
         {"ミノマダム　くさきのミノ", "デオキシス　ディフェンス", "ミノマダム　すなちのミノ"}) {
        const int p = FindSpeciesByName(name);
        ASSERT_GE(p, 0) << name;
        EXPECT_EQ(24u, strlen(SpeciesTable[p].name));
        EXPECT_EQ('\0', SpeciesTable[p].name[24]);
    }
    for (const char *name : {"いじっぱり", "うっかりや", "おくびょう", "おとなしい", "がんばりや",
                             "さみしがり", "しんちょう", "のうてんき"}) {
        const int p = FindNatureByName(name);
        ASSERT_GE(p, 0) << name;
        EXPECT_EQ(10u, strlen(NatureTable[p].name));
        EXPECT_EQ('\0', NatureTable[p].name[10]);
    }
}

TEST_F(TablesTest, SpeciesLookupIsExactAndFollowsTheCurrentOrder)
{
    EXPECT_EQ(386, SpeciesTable[FindSpeciesByName("デオキシス")].id);
    EXPECT_GE(FindSpeciesByName("アルセウス"), 0);
    EXPECT_GE(FindSpeciesByName("ルカリオ"), 0);
    EXPECT_EQ(-1, FindSpeciesByName("デオキシ"));
    EXPECT_EQ(-1, FindSpeciesByName("ふしぎだね"));
    EXPECT_EQ(494, SpeciesTable[FindSpeciesByName("")].id);

    // Reverse the table: the lookup must still land on the named record,
    // and the empty name on the placeholder that now comes first.
    std::reverse(SpeciesTable, SpeciesTable + SPECIES_COUNT);
    const int p = FindSpeciesByName("フシギダネ");
    EXPECT_EQ(499, p);
    EXPECT_EQ(1, SpeciesTable[p].id);
    EXPECT_EQ(495, SpeciesTable[FindSpeciesByName("")].id);
}

TEST_F(TablesTest, NatureMultipliers)
{
    static const char *const neutral[] = {"がんばりや", "きまぐれ", "すなお", "てれや", "まじめ"};
    std::set<std::pair<int, int>> pairs;
    for (int p = 0; p < NATURE_COUNT; p++) {
        const NatureRecord &n = NatureTable[p];
        EXPECT_EQ(1.0, n.multipliers[0]) << p;
        int up = -1, down = -1;
        for (int s = 1; s < NATURE_STAT_COUNT; s++) {
            if (n.multipliers[s] == 110 / 100.0)
                up = s;
            else if (n.multipliers[s] == 90 / 100.0)
                down = s;
            else
                EXPECT_EQ(1.0, n.multipliers[s]);
        }
        const bool isNeutral =
            std::any_of(std::begin(neutral), std::end(neutral),
                        [&](const char *name) { return strcmp(name, n.name) == 0; });
        if (isNeutral) {
            EXPECT_EQ(-1, up) << p;
            EXPECT_EQ(-1, down) << p;
        } else {
            ASSERT_NE(-1, up) << p;
            ASSERT_NE(-1, down) << p;
            pairs.insert({up, down});
        }
    }
    EXPECT_EQ(20u, pairs.size());
    EXPECT_EQ(0, FindNatureByName("いじっぱり"));
    EXPECT_EQ(24, FindNatureByName("わんぱく"));
    EXPECT_EQ(-1, FindNatureByName(""));
    EXPECT_EQ(-1, FindNatureByName("イジッパリ"));
}

TEST(GameDataTest, BlobOfWrongSizeIsRefusedAndTouchesNothing)
{
    ASSERT_TRUE(ReloadTestTables());
    const std::string species = ReadBlobFile("poke_data.bin");
    const std::string natures = ReadBlobFile("chara_data.bin");
    const SpeciesRecord firstBefore = SpeciesTable[0];

    // A blob filled with 0xFF would change every record if it were accepted.
    const std::string junk(SPECIES_BLOB_SIZE + 41, '\xff');
    const std::string junkNatures(NATURE_BLOB_SIZE + 16, '\xff');
    EXPECT_FALSE(
        ExpandGameData(junk.data(), SPECIES_BLOB_SIZE - 1, natures.data(), natures.size()));
    EXPECT_FALSE(
        ExpandGameData(junk.data(), SPECIES_BLOB_SIZE + 1, natures.data(), natures.size()));
    EXPECT_FALSE(ExpandGameData(junk.data(), SPECIES_BLOB_SIZE, natures.data(), 0));
    EXPECT_FALSE(
        ExpandGameData(junk.data(), SPECIES_BLOB_SIZE, junkNatures.data(), NATURE_BLOB_SIZE - 1));
    EXPECT_FALSE(ExpandGameData(nullptr, SPECIES_BLOB_SIZE, natures.data(), natures.size()));
    EXPECT_FALSE(ExpandGameData(species.data(), species.size(), nullptr, NATURE_BLOB_SIZE));
    EXPECT_FALSE(ExpandSpeciesTable(junk.data(), junk.size()));
    EXPECT_FALSE(ExpandNatureTable(junkNatures.data(), junkNatures.size()));

    EXPECT_EQ(0, memcmp(&firstBefore, &SpeciesTable[0], sizeof firstBefore));
    EXPECT_STREQ("いじっぱり", NatureTable[0].name);
}

TEST(GameDataTest, NameWithoutTerminatorStopsAtItsField)
{
    // A 24-byte name is followed directly by the base stats; the copy must
    // stop at the field's end rather than run into them.
    std::string species = ReadBlobFile("poke_data.bin");
    const std::string natures = ReadBlobFile("chara_data.bin");
    ASSERT_EQ((size_t)SPECIES_BLOB_SIZE, species.size());
    species.replace(10, 24, std::string(24, 'A'));
    ASSERT_TRUE(ExpandGameData(species.data(), species.size(), natures.data(), natures.size()));
    EXPECT_EQ(std::string(24, 'A'), SpeciesTable[0].name);
    EXPECT_EQ(45, SpeciesTable[0].baseStats[STAT_HP]);
    ASSERT_TRUE(ReloadTestTables());
}

} // namespace
