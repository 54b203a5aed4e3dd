// Start-up's work on the catalogue with the real Windows services, under Wine (not run by CI):
//   vtx_load_bench N [ROUNDS] [unsorted]
//                               writes N generated records, sorted as the program saves them
//                               (or, with "unsorted", in their generated order, for a full sort),
//                               as list2.ini in a temporary Data folder, then times each round
//                               of what start-up does with it: the load (read, decode, split),
//                               the backup copy (taken once the program is ready), the sort, a check of the order by one comparison per neighbour
//                               and the refill of the result list (names lower-cased, the
//                               index for matching), and one keystroke's match. Prints the
//                               median and the range of each over the rounds (default 7).
#include "platform/win32/win32_platform.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/result_list.h"
#include "catalogue/catalogue_store.h"
#include "common/records.h"
#include "platform/win32/win32_hotkeys.h"
#include "window_tools.h"

namespace {

using vtx::tools::Seconds;

void Print(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-10s %9.2f ms  (%.2f - %.2f)\n", what, ms[ms.size() / 2], ms.front(), ms.back());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const int count = std::atoi(argv[1]);
    const int rounds = std::max(1, argc > 2 ? std::atoi(argv[2]) : 7);
    const bool unsorted = argc > 3 && std::string(argv[3]) == "unsorted";
    vtx::win32::Win32Platform w;
    vtx::win32::Win32Keys keys;
    vtx::Platform p = w.platform(keys);

    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string data = std::string(temp) + "vtx-load-bench\\";
    const std::string program = data + "program\\";
    CreateDirectoryA(data.c_str(), nullptr);
    CreateDirectoryA(program.c_str(), nullptr);
    {
        vtx::Catalogue c;
        c.lines() = vtx::MakeRecords(count);
        if (!unsorted) c.Sort(p.text);  // saved as the program saves it: in order
        if (!vtx::SaveShortcutList(c, p, data)) return 1;
    }

    std::vector<double> load, backup, sort, fill, key, check;
    int found = 0;
    for (int r = 0; r < rounds; ++r) {
        vtx::Catalogue c;
        double t = Seconds();
        (void)vtx::LoadCatalogue(c, p, data, program);
        load.push_back((Seconds() - t) * 1000);
        t = Seconds();
        vtx::BackUpCatalogue(p.files, data);
        backup.push_back((Seconds() - t) * 1000);
        t = Seconds();
        c.Sort(p.text);
        sort.push_back((Seconds() - t) * 1000);
        t = Seconds();
        int unordered = 0;
        for (int i = 0; i + 1 < c.size(); ++i)
            unordered += p.text.CompareNoCase(c.lines()[i], c.lines()[i + 1]) > 0;
        check.push_back((Seconds() - t) * 1000);
        if (unordered) std::printf("%d unordered\n", unordered);
        vtx::ResultList list;
        t = Seconds();
        list.Fill(c, p.text);
        fill.push_back((Seconds() - t) * 1000);
        t = Seconds();
        found = list.FirstRowStartingWith(p.text.ToLower("Win"));
        key.push_back((Seconds() - t) * 1000);
        if (c.size() != count) return 1;
    }
    std::printf("%d records, %d rounds; \"win\" matches row %d\n", count, rounds, found);
    Print("load", load);
    Print("backup", backup);
    Print("sort", sort);
    Print("check", check);
    Print("refill", fill);
    Print("match", key);
    DeleteFileA((data + "list2.ini").c_str());
    DeleteFileA((data + "previous-list2.ini").c_str());
    RemoveDirectoryA(program.c_str());
    RemoveDirectoryA(data.c_str());
    return 0;
}
