// Loads the game tables from this executable's own resources under the real
// resource API, and checks that the Shift-JIS names survive on the platform.
#include <windows.h>

#include <gtest/gtest.h>

#include "data/load_game_data.h"
#include "data/nature.h"
#include "data/pokemon.h"

namespace
{

// The name as the platform's ANSI code page decodes it.
std::wstring Decoded(const char *name)
{
    wchar_t wide[64] = {0};
    MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, name, -1, wide, 64);
    return wide;
}

TEST(ResourceLoadTest, TablesComeFromTheModuleResources)
{
    ASSERT_EQ(932u, GetACP()) << "Japanese code page needed (LANG=ja_JP.UTF-8)";
    ASSERT_TRUE(LoadGameData(GetModuleHandleA(NULL)));

    EXPECT_EQ(1, SpeciesTable[0].id);
    EXPECT_STREQ("フシギダネ", SpeciesTable[0].name);
    EXPECT_EQ(L"フシギダネ", Decoded(SpeciesTable[0].name));
    EXPECT_EQ(65, SpeciesTable[0].baseStats[STAT_SPC]);

    const SpeciesRecord &defense = SpeciesTable[496];
    EXPECT_EQ(497, defense.id);
    EXPECT_EQ(L"デオキシス\x3000ディフェンス", Decoded(defense.name));
    EXPECT_EQ(160, defense.baseStats[STAT_DEF]);

    const SpeciesRecord &last = SpeciesTable[SPECIES_COUNT - 1];
    EXPECT_EQ(500, last.id);
    EXPECT_EQ(L"ミノマダム\x3000ゴミのミノ", Decoded(last.name));
    EXPECT_EQ(46, last.sinnohNo);

    EXPECT_EQ(L"いじっぱり", Decoded(NatureTable[0].name));
    EXPECT_EQ(1.1, NatureTable[0].multipliers[1]);
    EXPECT_EQ(L"わんぱく", Decoded(NatureTable[NATURE_COUNT - 1].name));
    EXPECT_EQ(0, FindSpeciesByName("ハピナス") < 0);
}

TEST(ResourceLoadTest, MissingResourcesFailTheLoad)
{
    // kernel32 carries no POKE_DATA resource.
    EXPECT_FALSE(LoadGameData(GetModuleHandleA("kernel32.dll")));
}

} // namespace
