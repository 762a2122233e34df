// Timing of the third/fourth-generation calculator and of the table expansion.
#include <benchmark/benchmark.h>
#include <string.h>

#include <string>
#include <vector>

#include "data/game_data.h"
#include "engine/iv_engine.h"
#include "tests/test_tables.h"

static void BM_CalcIvGen34(benchmark::State &state)
{
    ReloadTestTables();
    // Bulbasaur, Adamant, all values 31, observed at rising levels.
    std::vector<Observation> obs((size_t)state.range(0));
    for (size_t i = 0; i < obs.size(); i++) {
        Observation &o = obs[i];
        memset(&o, 0, sizeof o);
        const bool high = i % 2 == 1;
        o.level = high ? 100 : 50;
        const uint16_t l50[6] = {120, 75, 69, 76, 85, 65};
        const uint16_t l100[6] = {231, 147, 134, 149, 166, 126};
        memcpy(o.stats, high ? l100 : l50, sizeof l50);
    }
    IvResult result;
    for (auto _ : state) {
        int rc = CalcIvGen34(&result, "フシギダネ", "いじっぱり", obs.data(), (int32_t)obs.size());
        benchmark::DoNotOptimize(rc);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_CalcIvGen34)->Arg(1)->Arg(10)->Arg(1000);

static void BM_ExpandGameData(benchmark::State &state)
{
    const std::string species = ReadBlobFile("poke_data.bin");
    const std::string natures = ReadBlobFile("chara_data.bin");
    for (auto _ : state) {
        bool ok = ExpandGameData(species.data(), species.size(), natures.data(), natures.size());
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_ExpandGameData);
