// Property check: for random creatures, the displayed stats computed with the
// games' formulas always lead back to a range that holds the true values, and
// every value in that range reproduces every observation.
#include <gtest/gtest.h>
#include <math.h>
#include <string.h>

#include <random>
#include <vector>

#include "data/nature.h"
#include "data/pokemon.h"
#include "engine/iv_engine.h"
#include "test_tables.h"

namespace
{

// The games' formulas written out independently, with integer nature arithmetic.
int Gen34Stat(int slot, int base, int iv, int ev, int level, int percent)
{
    const int core = (2 * base + iv + ev / 4) * level / 100;
    if (slot == STAT_HP)
        return core + level + 10;
    return (core + 5) * percent / 100;
}

int Gen12Stat(int slot, int base, int iv, int effortLevel, int level)
{
    const int core = (2 * (base + iv) + effortLevel) * level / 100;
    return slot == STAT_HP ? core + level + 10 : core + 5;
}

struct Creature {
    int speciesPos;
    int iv[STAT_SLOT_COUNT];
};

class PropertyTest : public ::testing::Test
{
  protected:
    void SetUp() override { ASSERT_TRUE(ReloadTestTables()); }
    std::mt19937 rng{20261211};
    int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
};

TEST_F(PropertyTest, Gen34RangesHoldTheTrueValues)
{
    const int shedinja = FindSpeciesByName("ヌケニン");
    for (int trial = 0; trial < 3000; trial++) {
        const int pos = Uniform(0, 492);
        const SpeciesRecord &sp = SpeciesTable[pos];
        const int naturePos = Uniform(0, NATURE_COUNT - 1);
        int percent[6];
        for (int s = 0; s < 6; s++)
            percent[s] = (int)lround(NatureTable[naturePos].multipliers[s] * 100);
        int iv[6];
        for (int &v : iv)
            v = Uniform(0, 31);

        const int rows = Uniform(1, 3);
        std::vector<Observation> obs(rows);
        int level = Uniform(1, 60);
        for (Observation &o : obs) {
            memset(&o, 0, sizeof o);
            o.level = (uint8_t)level;
            int budget = 510;
            for (int s = 0; s < 6; s++) {
                const int ev = std::min(budget, Uniform(0, 255));
                budget -= ev;
                o.efforts[s] = (uint16_t)ev;
                o.stats[s] = (uint16_t)Gen34Stat(s, sp.baseStats[s], iv[s], ev, level, percent[s]);
            }
            if (pos == shedinja)
                o.stats[STAT_HP] = 1;
            level = std::min(100, level + Uniform(1, 40));
        }

        IvResult r;
        ASSERT_EQ(0, CalcIvGen34(&r, sp.name, NatureTable[naturePos].name, obs.data(), rows));
        for (int s = 0; s < 6; s++) {
            const StatRange &range = r.ranges[s];
            ASSERT_EQ(1, range.valid) << "trial " << trial << " slot " << s;
            ASSERT_LE(range.min, iv[s]) << "trial " << trial << " slot " << s;
            ASSERT_GE(range.max, iv[s]) << "trial " << trial << " slot " << s;
            if (s == STAT_HP && pos == shedinja)
                continue;
            for (int k = range.min; k <= range.max; k++)
                for (const Observation &o : obs)
                    ASSERT_EQ(o.stats[s],
                              Gen34Stat(s, sp.baseStats[s], k, o.efforts[s], o.level, percent[s]))
                        << "trial " << trial << " slot " << s << " candidate " << k;
        }
    }
}

TEST_F(PropertyTest, Gen12RangesHoldTheTrueValues)
{
    for (int trial = 0; trial < 3000; trial++) {
        const bool gen1 = trial % 2 == 0;
        const int pos = Uniform(0, gen1 ? 150 : 250);
        const SpeciesRecord &sp = SpeciesTable[pos];
        int iv[STAT_SLOT_COUNT] = {0};
        for (int s : {STAT_ATK, STAT_DEF, STAT_SPE, STAT_SPC})
            iv[s] = Uniform(0, 15);
        // The games derive the HP value from the others' lowest bits.
        iv[STAT_HP] = (iv[STAT_ATK] & 1) * 8 + (iv[STAT_DEF] & 1) * 4 + (iv[STAT_SPE] & 1) * 2 +
                      (iv[STAT_SPC] & 1);

        const int rows = Uniform(1, 3);
        std::vector<Observation> obs(rows);
        int level = Uniform(2, 60);
        for (Observation &o : obs) {
            memset(&o, 0, sizeof o);
            o.level = (uint8_t)level;
            for (int s : {STAT_HP, STAT_ATK, STAT_DEF, STAT_SPE})
                o.efforts[s] = (uint16_t)Uniform(0, 63);
            const int special = Uniform(0, 63);
            for (int s : {STAT_HP, STAT_ATK, STAT_DEF, STAT_SPE})
                o.stats[s] = (uint16_t)Gen12Stat(s, sp.baseStats[s], iv[s], o.efforts[s], level);
            if (gen1) {
                o.efforts[STAT_SPC] = (uint16_t)special;
                o.stats[STAT_SPC] = (uint16_t)Gen12Stat(STAT_SPC, sp.baseStats[STAT_SPC],
                                                        iv[STAT_SPC], special, level);
            } else {
                o.efforts[STAT_SPA] = (uint16_t)special;
                o.stats[STAT_SPA] = (uint16_t)Gen12Stat(STAT_SPA, sp.baseStats[STAT_SPA],
                                                        iv[STAT_SPC], special, level);
                o.stats[STAT_SPD] = (uint16_t)Gen12Stat(STAT_SPD, sp.baseStats[STAT_SPD],
                                                        iv[STAT_SPC], special, level);
            }
            level = std::min(100, level + Uniform(1, 40));
        }

        IvResult r;
        ASSERT_EQ(0, gen1 ? CalcIvGen1(&r, sp.name, obs.data(), rows)
                          : CalcIvGen2(&r, sp.name, obs.data(), rows));
        EXPECT_EQ(0, r.ranges[STAT_SPA].valid);
        EXPECT_EQ(0, r.ranges[STAT_SPD].valid);
        for (int s : {STAT_HP, STAT_ATK, STAT_DEF, STAT_SPE, STAT_SPC}) {
            const StatRange &range = r.ranges[s];
            ASSERT_EQ(1, range.valid) << "trial " << trial << " slot " << s;
            ASSERT_LE(range.min, iv[s]) << "trial " << trial << " slot " << s;
            ASSERT_GE(range.max, iv[s]) << "trial " << trial << " slot " << s;
        }
        if (r.determined) {
            // A pinned result names the creature's own hidden power.
            IvResult truth;
            memset(&truth, 0, sizeof truth);
            for (int s = 0; s < STAT_SLOT_COUNT; s++)
                truth.ranges[s].min = (uint8_t)iv[s];
            HiddenPowerGen2(&truth);
            EXPECT_STREQ(truth.hiddenPower.typeName, r.hiddenPower.typeName);
            EXPECT_EQ(truth.hiddenPower.power, r.hiddenPower.power);
        }
    }
}

} // namespace
