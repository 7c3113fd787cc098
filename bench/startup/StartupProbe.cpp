// Times programs from process start to a visible dialog that answers messages, alternating
// between them so drifts in the machine's load hit each alike.
//   startup_probe RUNS first.exe second.exe ...
// Prints each run, the mean, median and fastest run of each program, and the ratios of the first
// to each of the others: of the means; of the medians, which a stray slow run does not move; and
// of the fastest runs, which come nearest to the programs' own cost on a machine busy with other
// work.
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace
{
struct DialogSearch
{
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchVisibleDialog(HWND hWnd, LPARAM param)
{
    auto* search = reinterpret_cast<DialogSearch*>(param);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(hWnd, &processId);
    char className[16] = {};
    ::GetClassNameA(hWnd, className, sizeof(className));
    if (processId != search->processId || !::IsWindowVisible(hWnd) || std::strcmp(className, "#32770") != 0)
        return TRUE;
    search->found = hWnd;
    return FALSE;
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One start of the program, closed again once measured; negative when it never showed a dialog.
double TimeOneStart(const std::string& program)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + program + "\"";
    LARGE_INTEGER start, shown;
    ::QueryPerformanceCounter(&start);
    if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    DialogSearch search = {process.dwProcessId, nullptr};
    // Waiting on the process doubles as the 1 ms pause between looks.
    while (::EnumWindows(MatchVisibleDialog, reinterpret_cast<LPARAM>(&search)) && !search.found)
        if (::WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0)
            break;
    double elapsed = -1;
    if (search.found)
    {
        DWORD_PTR ignored = 0;
        ::SendMessageTimeoutA(search.found, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
        ::QueryPerformanceCounter(&shown);
        elapsed = Milliseconds(start, shown);
        ::PostMessageA(search.found, WM_CLOSE, 0, 0);
    }
    if (::WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return elapsed;
}

double TimeOrQuit(const std::string& program)
{
    double elapsed = TimeOneStart(program);
    if (elapsed < 0)
    {
        std::fprintf(stderr, "startup_probe: %s showed no dialog\n", program.c_str());
        std::exit(1);
    }
    return elapsed;
}

double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    size_t middle = times.size() / 2;
    return times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
}

const char* BaseName(const std::string& path)
{
    size_t slash = path.find_last_of("\\/");
    return path.c_str() + (slash == std::string::npos ? 0 : slash + 1);
}
}

int main(int argc, char** argv)
{
    if (argc < 3 || std::atoi(argv[1]) < 1)
    {
        std::fprintf(stderr, "usage: startup_probe RUNS program.exe [program.exe ...]\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const std::vector<std::string> programs(argv + 2, argv + argc);

    // One uncounted start each, so no program pays alone for cold caches.
    for (const std::string& program : programs)
        TimeOrQuit(program);

    std::vector<std::vector<double>> times(programs.size());
    std::printf("%-7s", "run");
    for (const std::string& program : programs)
        std::printf("%24s", BaseName(program));
    std::printf("\n");
    for (int run = 1; run <= runs; ++run)
    {
        std::printf("%-7d", run);
        for (size_t i = 0; i < programs.size(); ++i)
        {
            times[i].push_back(TimeOrQuit(programs[i]));
            std::printf("%21.1f ms", times[i].back());
        }
        std::printf("\n");
        std::fflush(stdout);
    }
    std::vector<double> means, medians, fastest;
    for (const std::vector<double>& each : times)
    {
        fastest.push_back(*std::min_element(each.begin(), each.end()));
        double total = 0;
        for (double elapsed : each)
            total += elapsed;
        means.push_back(total / runs);
        medians.push_back(Median(each));
    }
    std::printf("%-7s", "mean");
    for (double mean : means)
        std::printf("%21.1f ms", mean);
    std::printf("\n%-7s", "median");
    for (double median : medians)
        std::printf("%21.1f ms", median);
    std::printf("\n%-7s", "fastest");
    for (double each : fastest)
        std::printf("%21.1f ms", each);
    std::printf("\n");
    for (size_t i = 1; i < programs.size(); ++i)
        std::printf("%s / %s: %.3f (means), %.3f (medians), %.3f (fastest)\n", BaseName(programs[0]),
                    BaseName(programs[i]), means[0] / means[i], medians[0] / medians[i], fastest[0] / fastest[i]);
    return 0;
}
