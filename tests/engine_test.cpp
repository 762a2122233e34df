// The individual-value calculators and the hidden power formulas on worked examples.
#include <gtest/gtest.h>
#include <string.h>

#include <algorithm>

#include "data/pokemon.h"
#include "engine/iv_engine.h"
#include "test_tables.h"

namespace
{

Observation Obs(int level, std::initializer_list<int> stats,
                std::initializer_list<int> efforts = {})
{
    Observation o;
    memset(&o, 0, sizeof o);
    o.level = (uint8_t)level;
    int i = 0;
    for (int v : stats)
        o.stats[i++] = (uint16_t)v;
    i = 0;
    for (int v : efforts)
        o.efforts[i++] = (uint16_t)v;
    return o;
}

void ExpectRange(const IvResult &r, int slot, int min, int max)
{
    SCOPED_TRACE(slot);
    EXPECT_EQ(1, r.ranges[slot].valid);
    EXPECT_EQ(min, r.ranges[slot].min);
    EXPECT_EQ(max, r.ranges[slot].max);
}

class EngineTest : public ::testing::Test
{
  protected:
    void SetUp() override { ASSERT_TRUE(ReloadTestTables()); }
};

// Bulbasaur, Adamant (Attack up, Sp. Atk down).
const Observation Level50 = Obs(50, {120, 75, 69, 76, 85, 65});
const Observation Level100 = Obs(100, {231, 147, 134, 149, 166, 126});

TEST_F(EngineTest, Gen34NarrowsOverObservationsInAnyOrder)
{
    IvResult r;
    ASSERT_EQ(0, CalcIvGen34(&r, "フシギダネ", "いじっぱり", &Level50, 1));
    for (int s = STAT_HP; s <= STAT_SPE; s++)
        ExpectRange(r, s, 30, 31);
    EXPECT_EQ(0, r.ranges[STAT_SPC].valid);
    EXPECT_EQ(0, r.determined);
    EXPECT_STREQ("", r.hiddenPower.typeName);

    const Observation forward[] = {Level50, Level100};
    const Observation backward[] = {Level100, Level50};
    for (const Observation *list : {forward, backward}) {
        ASSERT_EQ(0, CalcIvGen34(&r, "フシギダネ", "いじっぱり", list, 2));
        for (int s = STAT_HP; s <= STAT_SPE; s++)
            ExpectRange(r, s, 31, 31);
        EXPECT_EQ(1, r.determined);
        EXPECT_STREQ("あく", r.hiddenPower.typeName);
        EXPECT_EQ(70, r.hiddenPower.power);
    }
}

TEST_F(EngineTest, Gen34EffortValuesCountInQuarters)
{
    // Attack of value 31 with 252 effort at level 50 is 111; 255 effort adds the
    // same 63, and 3 effort adds nothing.
    IvResult r;
    for (int effort : {252, 255}) {
        const Observation o = Obs(50, {120, 111, 69, 76, 85, 65}, {0, effort});
        ASSERT_EQ(0, CalcIvGen34(&r, "フシギダネ", "いじっぱり", &o, 1));
        EXPECT_EQ(1, r.ranges[STAT_ATK].valid) << effort;
        EXPECT_EQ(31, r.ranges[STAT_ATK].max) << effort;
    }
    const Observation small = Obs(50, {120, 75, 69, 76, 85, 65}, {3, 3, 3, 3, 3, 3});
    ASSERT_EQ(0, CalcIvGen34(&r, "フシギダネ", "いじっぱり", &small, 1));
    for (int s = STAT_HP; s <= STAT_SPE; s++)
        ExpectRange(r, s, 30, 31);
}

TEST_F(EngineTest, Gen34FailedStatStaysFailedWhileOthersNarrow)
{
    // Defense 70 at level 50 is above what value 31 gives.
    const Observation bad = Obs(50, {120, 75, 70, 76, 85, 65});
    const Observation list[] = {bad, Level100};
    IvResult r;
    ASSERT_EQ(0, CalcIvGen34(&r, "フシギダネ", "いじっぱり", &bad, 1));
    EXPECT_EQ(0, r.ranges[STAT_DEF].valid);
    for (int s : {STAT_HP, STAT_ATK, STAT_SPA, STAT_SPD, STAT_SPE})
        ExpectRange(r, s, 30, 31);
    EXPECT_EQ(0, r.determined);

    // The level-100 row fits Defense 31, but the stat does not come back.
    ASSERT_EQ(0, CalcIvGen34(&r, "フシギダネ", "いじっぱり", list, 2));
    EXPECT_EQ(0, r.ranges[STAT_DEF].valid);
    for (int s : {STAT_HP, STAT_ATK, STAT_SPA, STAT_SPD, STAT_SPE})
        ExpectRange(r, s, 31, 31);
    EXPECT_EQ(0, r.determined);
    EXPECT_STREQ("", r.hiddenPower.typeName);
}

TEST_F(EngineTest, ShedinjaHpIsNeverSearched)
{
    // Shedinja (base 1/90/45/30/30/40) at level 50 with all values 31, Hardy.
    const Observation one = Obs(50, {1, 110, 65, 50, 50, 60});
    const Observation two = Obs(50, {2, 110, 65, 50, 50, 60});
    IvResult r;
    ASSERT_EQ(0, CalcIvGen34(&r, "ヌケニン", "がんばりや", &one, 1));
    ExpectRange(r, STAT_HP, 0, 31);
    for (int s = STAT_ATK; s <= STAT_SPE; s++)
        ExpectRange(r, s, 30, 31);
    EXPECT_EQ(0, r.determined);

    const Observation list[] = {one, two, one};
    ASSERT_EQ(0, CalcIvGen34(&r, "ヌケニン", "がんばりや", list, 3));
    EXPECT_EQ(0, r.ranges[STAT_HP].valid);
    EXPECT_EQ(0, r.determined);
}

TEST_F(EngineTest, UnknownNamesLeaveTheResultUntouched)
{
    IvResult r;
    memset(&r, 0xA5, sizeof r);
    IvResult before = r;
    EXPECT_EQ(-1, CalcIvGen34(&r, "フシギダ", "いじっぱり", &Level50, 1));
    EXPECT_EQ(-1, CalcIvGen34(&r, "フシギダ", "いじっぱ", &Level50, 1));
    EXPECT_EQ(-2, CalcIvGen34(&r, "フシギダネ", "いじっぱ", &Level50, 1));
    EXPECT_EQ(-2, CalcIvGen34(&r, "フシギダネ", "", &Level50, 1));
    EXPECT_EQ(-1, CalcIvGen1(&r, "リザード ", &Level50, 1));
    EXPECT_EQ(-1, CalcIvGen2(&r, "リザードンX", &Level50, 1));
    EXPECT_EQ(0, memcmp(&before, &r, sizeof r));
}

TEST_F(EngineTest, NoObservationsGiveTheInitialRecord)
{
    struct Case {
        int gen;
        int top;
        bool used[7];
    } cases[] = {
        {34, 31, {true, true, true, true, true, true, false}},
        {1, 15, {true, true, true, false, false, true, true}},
        {2, 15, {true, true, true, false, false, true, true}},
    };
    for (const Case &c : cases) {
        for (int count : {0, -1}) {
            IvResult r;
            memset(&r, 0x5A, sizeof r);
            int rc = c.gen == 34  ? CalcIvGen34(&r, "フシギダネ", "まじめ", nullptr, count)
                     : c.gen == 1 ? CalcIvGen1(&r, "フシギダネ", nullptr, count)
                                  : CalcIvGen2(&r, "フシギダネ", nullptr, count);
            ASSERT_EQ(0, rc);
            for (int s = 0; s < STAT_SLOT_COUNT; s++) {
                EXPECT_EQ(c.used[s] ? 1 : 0, r.ranges[s].valid) << c.gen << " " << s;
                EXPECT_EQ(0, r.ranges[s].min);
                EXPECT_EQ(c.top, r.ranges[s].max);
            }
            EXPECT_EQ(0, r.determined);
            EXPECT_EQ(0, memcmp(r.hiddenPower.typeName, "\0\0\0\0\0\0\0\0\0", 9));
            EXPECT_EQ(0, r.hiddenPower.power);
        }
    }
}

TEST_F(EngineTest, Gen1WorkedExamples)
{
    // Bulbasaur: HP/Attack/Defense/Speed/Special in the HP, Attack, Defense,
    // Speed and Special slots.
    IvResult r;
    const Observation level50 = Obs(50, {120, 69, 69, 0, 0, 65, 85});
    ASSERT_EQ(0, CalcIvGen1(&r, "フシギダネ", &level50, 1));
    for (int s : {STAT_HP, STAT_ATK, STAT_DEF, STAT_SPE, STAT_SPC})
        ExpectRange(r, s, 15, 15);
    EXPECT_EQ(0, r.ranges[STAT_SPA].valid);
    EXPECT_EQ(0, r.ranges[STAT_SPD].valid);
    EXPECT_EQ(1, r.determined);
    EXPECT_STREQ("あく", r.hiddenPower.typeName);
    EXPECT_EQ(70, r.hiddenPower.power);

    const Observation level10 = Obs(10, {32, 17, 17, 0, 0, 17, 21});
    ASSERT_EQ(0, CalcIvGen1(&r, "フシギダネ", &level10, 1));
    ExpectRange(r, STAT_HP, 15, 15);
    ExpectRange(r, STAT_ATK, 11, 15);
    ExpectRange(r, STAT_DEF, 11, 15);
    ExpectRange(r, STAT_SPE, 15, 15);
    ExpectRange(r, STAT_SPC, 15, 15);
    EXPECT_EQ(0, r.determined);
}

TEST_F(EngineTest, Gen12EffortLevelIsAddedUndivided)
{
    // At level 100, Attack of base 49 with value 15 is 133, and 196 with effort level 63.
    IvResult r;
    const Observation plain = Obs(100, {0, 133});
    const Observation trained = Obs(100, {0, 196}, {0, 63});
    for (const Observation &o : {plain, trained}) {
        ASSERT_EQ(0, CalcIvGen1(&r, "フシギダネ", &o, 1));
        ExpectRange(r, STAT_ATK, 15, 15);
    }
}

TEST_F(EngineTest, Gen2SpecialIsNarrowedByBothSpecialStats)
{
    // Charizard at level 20: Sp. Atk 54 allows 14 and 15, Sp. Def 45 leaves 15.
    IvResult r;
    const Observation o = Obs(20, {0, 0, 0, 54, 45, 0});
    ASSERT_EQ(0, CalcIvGen2(&r, "リザードン", &o, 1));
    ExpectRange(r, STAT_SPC, 15, 15);
    EXPECT_EQ(0, r.ranges[STAT_SPA].valid);
    EXPECT_EQ(0, r.ranges[STAT_SPD].valid);

    const Observation spaOnly = Obs(20, {0, 0, 0, 54, 44, 0});
    ASSERT_EQ(0, CalcIvGen2(&r, "リザードン", &spaOnly, 1));
    ExpectRange(r, STAT_SPC, 14, 14);

    // Sp. Atk 60 fits no value: the Special stays failed, even for later rows.
    const Observation bad = Obs(20, {0, 0, 0, 60, 45, 0});
    const Observation list[] = {bad, o};
    ASSERT_EQ(0, CalcIvGen2(&r, "リザードン", list, 2));
    EXPECT_EQ(0, r.ranges[STAT_SPC].valid);
}

TEST_F(EngineTest, Gen2ReadsOnlyTheSharedSpecialEffort)
{
    // Charizard at level 100 with Special effort level 30: only Special 15 gives
    // Sp. Atk 283 and Sp. Def 235.
    IvResult r;
    const Observation trained = Obs(100, {0, 0, 0, 283, 235, 0}, {0, 0, 0, 30, 0, 0, 0});
    ASSERT_EQ(0, CalcIvGen2(&r, "リザードン", &trained, 1));
    ExpectRange(r, STAT_SPC, 15, 15);

    // Numbers in the Sp. Def and Special effort entries change nothing.
    const Observation noise = Obs(100, {0, 0, 0, 283, 235, 0}, {0, 0, 0, 30, 63, 0, 63});
    ASSERT_EQ(0, CalcIvGen2(&r, "リザードン", &noise, 1));
    ExpectRange(r, STAT_SPC, 15, 15);
}

TEST(HiddenPowerTest, Gen34Table)
{
    struct Case {
        int hp, atk, def, spa, spd, spe;
        const char *type;
        int power;
    } cases[] = {
        {31, 31, 31, 31, 31, 31, "あく", 70},     {0, 0, 0, 0, 0, 0, "かくとう", 30},
        {31, 30, 31, 31, 31, 31, "ドラゴン", 70}, {31, 30, 30, 31, 31, 31, "こおり", 70},
        {31, 30, 31, 30, 31, 30, "ほのお", 70},   {1, 0, 0, 0, 0, 0, "かくとう", 30},
        {1, 0, 1, 0, 0, 0, "ひこう", 30},
    };
    for (const Case &c : cases) {
        IvResult r;
        memset(&r, 0x77, sizeof r); // only the min fields may matter
        int values[6] = {c.hp, c.atk, c.def, c.spa, c.spd, c.spe};
        for (int s = 0; s < 6; s++)
            r.ranges[s].min = (uint8_t)values[s];
        for (int special : {0, 31}) {
            r.ranges[STAT_SPC].min = (uint8_t)special;
            EXPECT_EQ(1, HiddenPowerGen34(&r));
            EXPECT_STREQ(c.type, r.hiddenPower.typeName) << c.atk << " " << c.spe;
            EXPECT_EQ(c.power, r.hiddenPower.power);
            EXPECT_EQ(0x77777777, r.determined);
        }
    }
}

TEST(HiddenPowerTest, Gen2Table)
{
    struct Case {
        int atk, def, spe, spc;
        const char *type;
        int power;
    } cases[] = {
        {15, 15, 15, 15, "あく", 70}, {0, 0, 0, 0, "かくとう", 31}, {12, 13, 15, 15, "ひこう", 70},
        {15, 15, 15, 14, "あく", 69}, {7, 7, 7, 7, "あく", 32},     {8, 8, 8, 8, "かくとう", 68},
    };
    for (const Case &c : cases) {
        for (int hp : {0, 15}) {
            IvResult r;
            memset(&r, 0, sizeof r);
            r.ranges[STAT_HP].min = (uint8_t)hp;
            r.ranges[STAT_ATK].min = (uint8_t)c.atk;
            r.ranges[STAT_DEF].min = (uint8_t)c.def;
            r.ranges[STAT_SPE].min = (uint8_t)c.spe;
            r.ranges[STAT_SPC].min = (uint8_t)c.spc;
            EXPECT_EQ(1, HiddenPowerGen2(&r));
            EXPECT_STREQ(c.type, r.hiddenPower.typeName);
            EXPECT_EQ(c.power, r.hiddenPower.power);
        }
    }
}

TEST(NarrowStatRangeTest, KeepsOldBoundsWhenNothingMatches)
{
    StatRange range = {1, 20, 5};
    const StatFormula hp = {FORMULA_GEN34_HP, 50, 45, 0, 1.0};
    NarrowStatRange(&range, 10, &hp); // far below every candidate
    EXPECT_EQ(0, range.valid);
    EXPECT_EQ(5, range.min);
    EXPECT_EQ(20, range.max);
    NarrowStatRange(&range, (uint16_t)EvaluateStatFormula(&hp, 10), &hp);
    EXPECT_EQ(0, range.valid); // never revived
}

} // namespace
