// The shortcut manager: one save (fields written, catalogue re-sorted, result list and
// manager list refilled, the saved shortcut found again) at 1k / 10k / 100k shortcuts.

#include <benchmark/benchmark.h>

#include "catalogue/shortcut_record.h"
#include "editors/manager_rules.h"
#include "fake_dialogs.h"
#include "fake_platform.h"

namespace vtx {
namespace {

void BM_ManagerSave(benchmark::State& state) {
    fake::FakePlatform fp;
    fake::FakeDialogs dialogs;
    AppSession app(fp.platform);
    for (int i = 0; i < state.range(0); ++i)
        app.catalogue().Append(JoinRecord(NewRecord("shortcut " + std::to_string(i * 7919 % 100003), "c:\\x.exe", "Program")));
    app.FillMainListBox();
    ManagerRules rules(app, dialogs);
    rules.FormCreate();
    rules.FormShow();
    rules.ListBox1Click(app.catalogue().size() / 2);
    int round = 0;
    for (auto _ : state) {
        // A rename that moves the shortcut in the sort, then its save.
        ++round;
        rules.form().name = (round % 2 ? "a moved " : "z moved ") + std::to_string(round);
        rules.saveitem(rules.Edited());
        benchmark::DoNotOptimize(rules.Selected());
    }
}
BENCHMARK(BM_ManagerSave)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vtx
