// Catalogue load, sort and save at 1k, 10k and 100k records, on the in-memory file
// system and the host collation (FakeText::CompareNoCase).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "catalogue/catalogue.h"
#include "catalogue/catalogue_store.h"
#include "common/records.h"
#include "fake_platform.h"

namespace vtx {
namespace {

const std::string kData = "C:\\Users\\tester\\AppData\\Roaming\\Orvane\\VTX\\";
const std::string kProgram = "C:\\Program Files\\Vantrix\\";

struct Fixture {
    explicit Fixture(int count) : records(MakeRecords(count)) {
        fake.files.PutFolder(kData);
        fake.files.Put(kData + "list2.ini", JoinLines(records));
    }
    fake::FakePlatform fake;
    Lines records;
};

void BM_Load(benchmark::State& state) {
    Fixture fx(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Catalogue c;
        benchmark::DoNotOptimize(LoadCatalogue(c, fx.fake.platform, kData, kProgram));
        benchmark::DoNotOptimize(c.lines().data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_Sort(benchmark::State& state) {
    Fixture fx(static_cast<int>(state.range(0)));
    Catalogue c;
    for (auto _ : state) {
        state.PauseTiming();
        c.lines() = fx.records;
        state.ResumeTiming();
        c.Sort(fx.fake.text);
        benchmark::DoNotOptimize(c.lines().data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Reference: the same sort with one collation call per comparison, as Sort did before it
// used sort keys.
void BM_SortByCompareCalls(benchmark::State& state) {
    Fixture fx(static_cast<int>(state.range(0)));
    Lines lines;
    for (auto _ : state) {
        state.PauseTiming();
        lines = fx.records;
        state.ResumeTiming();
        std::sort(lines.begin(), lines.end(), [&fx](const std::string& a, const std::string& b) {
            return fx.fake.text.CompareNoCase(a, b) < 0;
        });
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// What start-up does with the catalogue before the first refill: a list written unsorted, or
// (`saved`) as users meet it, in the order the program saves it.
void LoadAndSort(benchmark::State& state, bool saved) {
    Fixture fx(static_cast<int>(state.range(0)));
    if (saved) {
        Catalogue sorted;
        sorted.lines() = fx.records;
        sorted.Sort(fx.fake.text);
        fx.fake.files.Put(kData + "list2.ini", JoinLines(sorted.lines()));
    }
    for (auto _ : state) {
        Catalogue c;
        benchmark::DoNotOptimize(LoadCatalogue(c, fx.fake.platform, kData, kProgram));
        c.Sort(fx.fake.text);
        benchmark::DoNotOptimize(c.lines().data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
void BM_LoadAndSort(benchmark::State& state) { LoadAndSort(state, false); }
void BM_LoadAndSortSaved(benchmark::State& state) { LoadAndSort(state, true); }

void BM_Save(benchmark::State& state) {
    Fixture fx(static_cast<int>(state.range(0)));
    Catalogue c;
    c.lines() = fx.records;
    for (auto _ : state) benchmark::DoNotOptimize(SaveShortcutList(c, fx.fake.platform, kData));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_Load)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sort)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByCompareCalls)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAndSort)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAndSortSaved)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vtx
