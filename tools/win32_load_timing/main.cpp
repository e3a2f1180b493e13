// Times an export read as the palette reads it on Windows (Win32Files, the buffer, the header,
// layer, line, insert and block readers) and a newline count over the same file, in one process.
// Prints the best of RUNS for each, in MB per second of wall and of CPU time, and the peak
// working set the reads added, as a multiple of the file size.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "base/encoding.h"
#include "dxf/read_blocks.h"
#include "dxf/read_entities.h"
#include "dxf/read_tables.h"
#include "dxf/round_trip.h"
#include "win32/win32_files.h"

namespace kv {
namespace {

struct Clocks {
    double wall = 0;
    double cpu = 0;
};

Clocks Now() {
    LARGE_INTEGER count{}, frequency{};
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    FILETIME created{}, exited{}, kernel{}, user{};
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto seconds = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) * 1e-7;
    };
    return {static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart),
            seconds(kernel) + seconds(user)};
}

double PeakWorkingSet() {
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<double>(counters.PeakWorkingSetSize);
}

bool ReadAsThePaletteDoes(Files& files, const std::string& path, size_t& lineCount) {
    DxfBuffer buffer;
    if (!LoadExport(files, path, buffer)) return false;
    HeaderVars header;
    LayerList layers;
    std::vector<TLineEnt> lines;
    std::vector<TInsertEnt> inserts;
    BlockGeometry blocks;
    ReadHeaderVars(buffer, header);
    ReadLayerTable(buffer, layers, false);
    ReadLines(buffer, lines);
    ReadInserts(buffer, inserts);
    ReadBlocks(buffer, blocks);
    lineCount = lines.size();
    return true;
}

size_t CountNewlines(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    std::vector<char> chunk(1 << 20);
    size_t count = 0;
    DWORD read = 0;
    while (ReadFile(file, chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr) && read > 0)
        count += static_cast<size_t>(std::count(chunk.data(), chunk.data() + read, '\n'));
    CloseHandle(file);
    return count;
}

void Report(const char* what, const Clocks& best, double bytes) {
    std::printf("%-22s %8.1f MB/s wall %8.1f MB/s CPU\n", what, bytes / best.wall / 1e6, bytes / best.cpu / 1e6);
}

int Run(const std::string& path, int runs) {
    Win32Files files;
    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    if (!GetFileAttributesExW(Utf8ToWide(path).c_str(), GetFileExInfoStandard, &attributes)) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return 1;
    }
    const double bytes = static_cast<double>((static_cast<unsigned long long>(attributes.nFileSizeHigh) << 32) |
                                             attributes.nFileSizeLow);
    const double peakBefore = PeakWorkingSet();
    Clocks load{1e9, 1e9}, count{1e9, 1e9};
    size_t lines = 0, newlines = 0;
    for (int run = 0; run < runs; ++run) {
        Clocks start = Now();
        if (!ReadAsThePaletteDoes(files, path, lines)) {
            std::fprintf(stderr, "cannot load %s\n", path.c_str());
            return 1;
        }
        Clocks end = Now();
        load = {std::min(load.wall, end.wall - start.wall), std::min(load.cpu, end.cpu - start.cpu)};
        start = Now();
        newlines = CountNewlines(Utf8ToWide(path));
        end = Now();
        count = {std::min(count.wall, end.wall - start.wall), std::min(count.cpu, end.cpu - start.cpu)};
    }
    std::printf("file %.1f MB, %zu lines of text, %zu LINE entities\n", bytes / 1e6, newlines, lines);
    Report("export read (Win32)", load, bytes);
    Report("newline count", count, bytes);
    std::printf("read / newline count  %.2f wall %.2f CPU\n", count.wall / load.wall, count.cpu / load.cpu);
    std::printf("peak working set added %.2f x file\n", (PeakWorkingSet() - peakBefore) / bytes);
    return 0;
}

}  // namespace
}  // namespace kv

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: win32_load_timing FILE [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, _wtoi(argv[2])) : 5;
    return kv::Run(kv::WideToUtf8(argv[1]), runs);
}
