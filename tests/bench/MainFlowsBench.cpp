// Prints how long the main flows take and how much memory the program holds afterwards:
// adding 500 files, loading a tag by selecting its row, and saving a tag.
#include "res/resource.h"
#include "support/MainDialogFixture.h"
#include "support/Ui.h"
#include <psapi.h>
#include <chrono>
#include <cstdio>

namespace {

class MainFlows : public MainDialogTest {
protected:
    template <typename Action>
    static double MillisecondsPer(int times, Action action)
    {
        auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < times; ++i)
            action(i);
        std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
        return spent.count() / times;
    }

    static double WorkingSetMiB()
    {
        PROCESS_MEMORY_COUNTERS counters{};
        ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters));
        return counters.WorkingSetSize / (1024.0 * 1024.0);
    }
};

TEST_F(MainFlows, Figures)
{
    const std::string path = AddFiles(1)[0];
    double add = MillisecondsPer(499, [&](int) { dlg_.m_fileList.AddFileRow(path.c_str()); });
    double load = MillisecondsPer(200, [&](int i) { SelectRow(i % 500); });
    double save = MillisecondsPer(50, [&](int i) {
        ::SetWindowTextA(Item(IDC_TITLE), ("Title " + std::to_string(i)).c_str());
        dlg_.SendMessage(WM_COMMAND, ID_FILE_SAVE, 0);
    });
    std::printf("add a file row:        %8.3f ms\n", add);
    std::printf("load a tag (select):   %8.3f ms\n", load);
    std::printf("save a tag (both):     %8.3f ms\n", save);
    std::printf("working set, 500 rows: %8.1f MiB\n", WorkingSetMiB());
}

} // namespace
