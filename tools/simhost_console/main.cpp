// simhost-console: drives the stand-in host from standard input, one line at a
// time (see docs/simhost.md). Exit status 1 when any action failed.
#include <filesystem>
#include <iostream>
#include <string>

#include "simhost/console.h"

int main() {
    kv::sim::SimHost host(kv::sim::RealFiles());
    host.SetWorkingFolder(std::filesystem::current_path().string());
    kv::sim::Console console(host, kv::sim::RealFiles(), std::cout, std::cerr, "simhost-console");
    bool ok = true;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        ok = console.RunLine(line) && ok;
    }
    return ok ? 0 : 1;
}
