// The line protocol of the stand-in host's text fronts (simhost-console on standard
// input, simhost.exe's automation channel): each line is typed into the host or is a
// user action or an inspection, and the prompt line follows each line.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "base/point3.h"
#include "sim_host.h"

namespace kv::sim {

// "\r" (Enter), "\xHH" (any byte, "\x03" is Ctrl+C) and "\\"; other backslashes stay.
std::string UnescapeConsoleText(std::string_view line);

// The reverse: control characters and backslashes as escapes, so that any text fits on one line.
std::string EscapeConsoleText(std::string_view text);

// "x,y" or "x,y,z".
std::optional<Point3> ParseConsolePoint(std::string_view text);

class Console {
public:
    // Error lines go to `err` as "<program>: message".
    Console(SimHost& host, HostFiles files, std::ostream& out, std::ostream& err, std::string program)
        : host_(host), files_(std::move(files)), out_(out), err_(err), program_(std::move(program)) {}

    // Runs one input line and prints the prompt line after it. False when an action
    // failed (the error went to `err`); the host is left as it was then.
    bool RunLine(std::string_view line);

private:
    bool Action(std::string_view name, std::string_view argument);
    bool Fail(const std::string& message);
    bool Load(const std::string& path);
    bool Dump(const std::string& path);
    bool SetVariable(std::string_view argument);
    bool Switch(std::string_view argument);
    void ListEntities();

    SimHost& host_;
    HostFiles files_;
    std::ostream& out_;
    std::ostream& err_;
    std::string program_;
};

struct ConsoleReply {
    bool ok = true;
    std::string text;
};

// Runs a message of lines (LF or CR LF between them) as the console runs its input; the
// reply holds what the lines printed, error lines included, in order. `ok` is false when
// any line failed.
ConsoleReply RunConsoleMessage(SimHost& host, const HostFiles& files, std::string_view message,
                               const std::string& program);

}  // namespace kv::sim
