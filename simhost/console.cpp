#include "console.h"

#include <sstream>

#include "base/number_text.h"
#include "base/strings.h"
#include "dxf_in.h"
#include "dxf_merge.h"
#include "dxf_out.h"
#include "sysvars.h"

namespace kv::sim {

namespace {

constexpr int kDumpDecimals = 16;

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string PointText(const Point3& p) {
    return std::string("(")
        .append(FormatReal(p.x))
        .append(",")
        .append(FormatReal(p.y))
        .append(",")
        .append(FormatReal(p.z))
        .append(")");
}

std::string GeometryText(const Entity& e) {
    return std::visit(
        [](const auto& g) -> std::string {
            using G = std::decay_t<decltype(g)>;
            if constexpr (std::is_same_v<G, LineGeom>) return PointText(g.start) + "-" + PointText(g.end);
            else if constexpr (std::is_same_v<G, ArcGeom>)
                return PointText(g.center) + " r=" + FormatReal(g.radius) + " " + FormatReal(g.startAngle) + "-" +
                       FormatReal(g.endAngle);
            else if constexpr (std::is_same_v<G, CircleGeom>) return PointText(g.center) + " r=" + FormatReal(g.radius);
            else if constexpr (std::is_same_v<G, LwPolylineGeom> || std::is_same_v<G, PolylineGeom>)
                return std::to_string(g.vertices.size()) + " vertices" + (g.closed ? " closed" : "");
            else if constexpr (std::is_same_v<G, InsertGeom>)
                return g.name + " " + PointText(g.point) + " scale=" + FormatReal(g.xScale) + "," +
                       FormatReal(g.yScale) + " rotation=" + FormatReal(g.rotation);
            else if constexpr (std::is_same_v<G, TextGeom>) return "\"" + g.text + "\" " + PointText(g.first);
            else return PointText(g.corners[0]);
        },
        e.geom);
}

}  // namespace

std::string UnescapeConsoleText(std::string_view line) {
    std::string out;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '\\' || i + 1 == line.size()) {
            out += line[i];
            continue;
        }
        char next = line[i + 1];
        if (next == 'r') {
            out += '\r';
            ++i;
        } else if (next == '\\') {
            out += '\\';
            ++i;
        } else if (next == 'x' && i + 3 < line.size() && HexDigit(line[i + 2]) >= 0 && HexDigit(line[i + 3]) >= 0) {
            out += static_cast<char>(HexDigit(line[i + 2]) * 16 + HexDigit(line[i + 3]));
            i += 3;
        } else {
            out += '\\';
        }
    }
    return out;
}

std::string EscapeConsoleText(std::string_view text) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') out += "\\\\";
        else if (c == '\r') out += "\\r";
        else if (byte < 0x20 || byte == 0x7F) out += std::string("\\x") + kDigits[byte >> 4] + kDigits[byte & 0xF];
        else out += c;
    }
    return out;
}

std::optional<Point3> ParseConsolePoint(std::string_view text) {
    std::vector<std::string> parts = Split(Trim(text), ',');
    if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
    double values[3] = {0, 0, 0};
    for (size_t i = 0; i < parts.size(); ++i) {
        if (!TryParseReal(parts[i], values[i])) return std::nullopt;
    }
    return Point3{values[0], values[1], values[2]};
}

bool Console::RunLine(std::string_view line) {
    bool ok = true;
    if (StartsWith(line, "::")) {
        host_.Type(UnescapeConsoleText(line.substr(1)));
    } else if (StartsWith(line, ":")) {
        std::string_view rest = line.substr(1);
        size_t blank = rest.find(' ');
        std::string_view name = rest.substr(0, blank);
        std::string_view argument = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
        ok = Action(name, TrimView(argument));
    } else {
        host_.Type(UnescapeConsoleText(line));
    }
    out_ << host_.PromptLine() << "\n";
    out_.flush();
    return ok;
}

bool Console::Action(std::string_view name, std::string_view argument) {
    if (name == "pick") {
        std::optional<Point3> p = ParseConsolePoint(argument);
        if (!p) return Fail(":pick wants a point x,y");
        host_.Pick(*p);
    } else if (name == "corners") {
        size_t blank = argument.find(' ');
        std::optional<Point3> first = ParseConsolePoint(argument.substr(0, blank));
        std::optional<Point3> second =
            blank == std::string_view::npos ? std::nullopt : ParseConsolePoint(argument.substr(blank + 1));
        if (!first || !second) return Fail(":corners wants two points x1,y1 x2,y2");
        host_.PickWindow(*first, *second);
    } else if (name == "enter") {
        host_.PressEnter();
    } else if (name == "esc") {
        host_.PressEscape();
    } else if (name == "prompt") {
        // The prompt line follows every line anyway.
    } else if (name == "history") {
        for (const std::string& line : host_.HistoryLines()) out_ << line << "\n";
    } else if (name == "var") {
        std::string value = host_.Variable(UpperAscii(argument));
        if (value.empty()) return Fail("no system variable " + std::string(argument));
        out_ << UpperAscii(argument) << " = " << value << "\n";
    } else if (name == "entities") {
        ListEntities();
    } else if (name == "typed") {
        for (const std::string& text : host_.SentCommands()) out_ << EscapeConsoleText(text) << "\n";
    } else if (name == "dump") {
        return Dump(std::string(argument));
    } else if (name == "load") {
        return Load(std::string(argument));
    } else if (name == "set") {
        return SetVariable(argument);
    } else if (name == "switch") {
        return Switch(argument);
    } else {
        return Fail("unknown action :" + std::string(name));
    }
    return true;
}

bool Console::Fail(const std::string& message) {
    err_ << program_ << ": " << message << "\n";
    return false;
}

bool Console::Load(const std::string& path) {
    if (!host_.Idle()) return Fail(":load needs the host idle at the command prompt");
    std::optional<std::string> bytes = files_.read(path);
    if (!bytes) return Fail("cannot read " + path);
    DxfImportResult file = ReadDxfFile(*bytes);
    if (!file.error.empty()) return Fail(path + ": " + file.error);
    Drawing drawing;
    drawing.vars.insBase = file.insBase;
    InsertImportExploded(drawing, file, file.insBase, 1, 0);
    host_.ReplaceDrawing(std::move(drawing));
    return true;
}

// Setting up a drawing, not a user's command: nothing goes into the history.
bool Console::SetVariable(std::string_view argument) {
    size_t blank = argument.find(' ');
    std::string name = UpperAscii(argument.substr(0, blank));
    std::string_view value =
        blank == std::string_view::npos ? std::string_view() : TrimView(argument.substr(blank + 1));
    const VariableInfo* variable = FindVariable(name);
    if (!variable || variable->readOnly || value.empty())
        return Fail(":set wants a variable that can be set and a value");
    if (std::optional<std::string> error = kv::sim::SetVariable(host_.SetupDrawing(), *variable, value))
        return Fail(":set " + name + ": " + *error);
    return true;
}

bool Console::Switch(std::string_view argument) {
    size_t blank = argument.find(' ');
    std::string_view name = argument.substr(0, blank);
    std::string_view state =
        blank == std::string_view::npos ? std::string_view() : TrimView(argument.substr(blank + 1));
    HostSwitches& switches = host_.Switches();
    bool* flag = name == "half-width-prompt" ? &switches.halfWidthTexts
                 : name == "dxfout-fails"    ? &switches.dxfoutWritesNothing
                 : name == "insert-fails"    ? &switches.insertFileMissing
                 : name == "slow"            ? &switches.slowPrompt
                                             : nullptr;
    if (!flag || (state != "on" && state != "off"))
        return Fail(":switch wants half-width-prompt, dxfout-fails, insert-fails or slow, then on or off");
    *flag = state == "on";
    return true;
}

bool Console::Dump(const std::string& path) {
    std::vector<Handle> all;
    for (const Entity& e : host_.GetDrawing().Entities()) all.push_back(e.handle);
    std::string bytes = WriteDxfOut(host_.GetDrawing(), all, DxfVersion::R2000, kDumpDecimals);
    if (!files_.write(path, bytes)) return Fail("cannot write " + path);
    return true;
}

void Console::ListEntities() {
    for (const Entity& e : host_.GetDrawing().Entities()) {
        out_ << HandleText(e.handle) << " " << EntityKindName(e.Kind()) << " " << e.layer << " " << GeometryText(e)
             << "\n";
    }
}

ConsoleReply RunConsoleMessage(SimHost& host, const HostFiles& files, std::string_view message,
                               const std::string& program) {
    std::ostringstream printed;
    Console console(host, files, printed, printed, program);
    ConsoleReply reply;
    while (!message.empty()) {
        std::size_t end = message.find('\n');
        std::string_view line = message.substr(0, end);
        message = end == std::string_view::npos ? std::string_view() : message.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        reply.ok = console.RunLine(line) && reply.ok;
    }
    reply.text = printed.str();
    return reply;
}

}  // namespace kv::sim
