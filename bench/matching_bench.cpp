// One keystroke of matching, and the refill of the result list, at 1k / 10k / 100k rows.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

#include "catalogue/shortcut_record.h"
#include "fake_platform.h"
#include "launcher/matching.h"
#include "app/result_list.h"

namespace vtx {
namespace {

// Names built from syllables, like real shortcut names: many share their first letters.
std::string RandomName(std::mt19937& rng) {
    static const char* kSyllables[] = {"cal", "c", "note", "pad", "word", "ex", "cel", "fire", "fox", "win",
                                       "amp", "vi", "m", "o", "Pro", "gram", " ", "2", "-", "x"};
    std::uniform_int_distribution<int> count(1, 5), pick(0, 19);
    std::string s;
    for (int n = count(rng); n > 0; --n) s += kSyllables[pick(rng)];
    return s;
}

Lines MakeLines(int rows) {
    std::mt19937 rng(7);
    Lines lines;
    lines.reserve(static_cast<std::size_t>(rows));
    for (int i = 0; i < rows; ++i) {
        Fields f = NewRecord(RandomName(rng), "c:\\program files\\vendor\\app" + std::to_string(i) + ".exe", "Program");
        f[kWdir] = "c:\\program files\\vendor\\";
        lines.push_back(JoinRecord(f));
    }
    return lines;
}

std::vector<std::string> MakeQueries(const ResultList& list) {
    std::mt19937 rng(11);
    std::vector<std::string> queries;
    for (int i = 0; i < 256; ++i) {
        std::string name(list.Name(std::uniform_int_distribution<int>(0, list.size() - 1)(rng)));
        name.resize(std::min<std::size_t>(name.size(), std::uniform_int_distribution<std::size_t>(1, 8)(rng)));
        if (i % 8 == 0) name += "zq";  // a miss now and then
        queries.push_back(name);
    }
    return queries;
}

void BM_Keystroke(benchmark::State& state) {
    fake::FakeText text;
    Catalogue catalogue;
    catalogue.lines() = MakeLines(static_cast<int>(state.range(0)));
    ResultList list;
    FillMainListBox(catalogue, text, list);
    Matcher matcher(list, text);
    const auto queries = MakeQueries(list);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(matcher.Edit2Change(queries[i++ % queries.size()]));
        benchmark::DoNotOptimize(matcher.labels());
    }
}
BENCHMARK(BM_Keystroke)->Arg(1000)->Arg(10000)->Arg(100000);

// The plain pass the index replaces, for comparison.
void BM_KeystrokeLinearPass(benchmark::State& state) {
    fake::FakeText text;
    Catalogue catalogue;
    catalogue.lines() = MakeLines(static_cast<int>(state.range(0)));
    ResultList list;
    FillMainListBox(catalogue, text, list);
    const auto queries = MakeQueries(list);
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string q = text.ToLower(queries[i++ % queries.size()]);
        int found = -1;
        for (int r = 0; r < list.size() && found < 0; ++r)
            if (text.ToLower(list.Name(r)).substr(0, q.size()) == q) found = r;
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_KeystrokeLinearPass)->Arg(1000)->Arg(10000)->Arg(100000);

void BM_ResultListFill(benchmark::State& state) {
    fake::FakeText text;
    Catalogue catalogue;
    catalogue.lines() = MakeLines(static_cast<int>(state.range(0)));
    catalogue.Sort(text);
    ResultList list;
    for (auto _ : state) {
        list.Fill(catalogue, text);
        benchmark::DoNotOptimize(list.size());
    }
}
BENCHMARK(BM_ResultListFill)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The usual refill: a sorted Catalogue with one new line appended.
void BM_FillMainListBoxAfterAppend(benchmark::State& state) {
    fake::FakeText text;
    Catalogue catalogue;
    catalogue.lines() = MakeLines(static_cast<int>(state.range(0)));
    catalogue.Sort(text);
    ResultList list;
    for (auto _ : state) {
        state.PauseTiming();
        catalogue.Append(JoinRecord(NewRecord("new shortcut", "c:\\new.exe", "Program")));
        state.ResumeTiming();
        FillMainListBox(catalogue, text, list);
        state.PauseTiming();
        catalogue.Delete(list.CatalogueIndex(list.FirstRowStartingWith("new shortcut")));
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FillMainListBoxAfterAppend)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Worst case: the Catalogue in no order at all (the first load of a shuffled file).
void BM_FillMainListBoxShuffled(benchmark::State& state) {
    fake::FakeText text;
    const Lines shuffled = MakeLines(static_cast<int>(state.range(0)));
    Catalogue catalogue;
    ResultList list;
    for (auto _ : state) {
        state.PauseTiming();
        catalogue.lines() = shuffled;
        state.ResumeTiming();
        FillMainListBox(catalogue, text, list);
    }
}
BENCHMARK(BM_FillMainListBoxShuffled)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vtx
