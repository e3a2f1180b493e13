#include "hostlink/host_commands.h"

#include "base/number_text.h"
#include "base/strings.h"

namespace kv {

std::string PointArg(const Point3& p) { return FormatReal(p.x) + "," + FormatReal(p.y); }

std::string FenceAlongCommand(const Point3& from, const Point3& to) {
    return "SELECT F " + PointArg(from) + " " + PointArg(to) + "\r\r\r\x03";
}

std::string LineCommand(const Point3& from, const Point3& to) {
    return "\x03LINE " + PointArg(from) + "\r" + PointArg(to) + "\r\r";
}

std::string ClosedFenceCommand(std::span<const Point3> corners) {
    std::string command = "SELECT F ";
    for (const Point3& corner : corners) command += PointArg(corner) + "\r";
    if (!corners.empty()) command += PointArg(corners.front()) + "\r";
    return command + "\r\r";
}

std::string SquareFenceCommand(const Point3& p, double r) {
    const double left = p.x - r, right = p.x + r, bottom = p.y - r, top = p.y + r;
    const Point3 corners[] = {{right, top, 0}, {left, top, 0}, {left, bottom, 0}, {right, bottom, 0}};
    return ClosedFenceCommand(corners);
}

std::string WindowCommand(const Point3& a, const Point3& b) {
    return "SELECT W " + PointArg(a) + " " + PointArg(b) + "\r\r";
}

std::string SquareWindowCommand(const Point3& p, double r) {
    return "SELECT W " + PointArg({p.x + r, p.y + r, 0}) + "\r" + PointArg({p.x - r, p.y - r, 0}) + "\r\r";
}

std::string EraseNearestCommand(const Point3& pick) {
    return "\x03"
           "ERASE SINGLE NEA " +
           PointArg(pick) + "\r\x03";
}

std::string BreakCommand(const Point3& pick, const Point3& first, const Point3& second) {
    return "\x03"
           "BREAK NEA " +
           PointArg(pick) + "\rF " + PointArg(first) + "\r" + PointArg(second) + "\r\x03";
}

std::string MovePreviousCommand(const Point3& base) { return "MOVE P \r" + PointArg(base) + "\r"; }

std::string CopyPreviousScript(const Point3& base) { return "COPY SINGLE P " + PointArg(base) + "\r\n'FILEDIA 1\r\n"; }

std::string ScriptCommand(std::string_view path) { return std::string("SCRIPT ").append(path).append("\r"); }

std::string MarkInsertCommand(std::string_view blockName, std::string_view dimScale, const Point3& at) {
    return "-INSERT " + std::string(blockName) + "\rS " + Trim(dimScale) + " R 0\r" + PointArg(at) + "\r";
}

std::vector<std::string> DxfOutCommands(std::string_view path, ExportForm form) {
    const std::string dxfout = std::string("DXFOUT ").append(path);
    switch (form) {
    case ExportForm::kStandard:
        return {std::string(kFileDialogsOff), dxfout + "\rV 2000 O P\r\r16\r", std::string(kFileDialogsOn)};
    case ExportForm::kMovedBlock:
        return {std::string(kFileDialogsOff), dxfout + "\rV 2000 O SINGLE P 16 ", std::string(kFileDialogsOn)};
    case ExportForm::kCopiedBlock:
        return {std::string(kFileDialogsOff), dxfout + "\rV 2000 O SINGLE LAST 16 ", std::string(kFileDialogsOn)};
    case ExportForm::kPickedObject:
        return {std::string(kFileDialogsOff), dxfout + "\rV 2000 O SINGLE PRE\r16\r", std::string(kFileDialogsOn)};
    case ExportForm::kDrawnObject:
        return {std::string(kFileDialogsOff), dxfout + "\rV 2000 O SINGLE LAST\r16\r", std::string(kFileDialogsOn)};
    case ExportForm::kPreviousSet:
        return {std::string(kFileDialogsOff), dxfout + "\rV 2000 O PRE \r16\r", std::string(kFileDialogsOn)};
    case ExportForm::kJunctionCheck:
        return {
            "\x03"
            "FILEDIA 0 ",
            dxfout + "\rV 2000 O P \r16 ", "'FILEDIA 1 "};
    case ExportForm::kInsertedSymbol:
        return {std::string(kFileDialogsOff), dxfout + "\rV 2000 O SINGLE LAST\r16\r", std::string(kFileDialogsOn)};
    case ExportForm::kAddedBlock:
        return {std::string(kFileDialogsOff), dxfout + "\rV R12 O P\r\r16\r", std::string(kFileDialogsOn)};
    case ExportForm::kLastObject:
        return {
            "\x03"
            "FILEDIA 0 ",
            dxfout + "\rV 2000 O SINGLE LAST 16 ", "'FILEDIA 1 "};
    }
    return {};
}

std::string InsertFileCommand(std::string_view path) {
    return std::string("-INSERT *").append(path).append("\r").append(kInsertionPoint).append(" 1 0\r");
}

std::string InsertSymbolCommand(std::string_view path, std::string_view xScale, std::string_view yScale,
                                std::string_view rotation, std::string_view at) {
    std::string command = std::string("\x03-INSERT ").append(path).append("\r");
    command.append("X ").append(xScale).append("\rY ").append(yScale).append("\rR ").append(rotation).append("\r");
    if (!at.empty()) command.append(at).append("\r");
    return command;
}

std::string MoveLastCommand(const Point3& base) { return "MOVE SINGLE LAST " + PointArg(base) + "\r"; }
// Appended, not "\x03" + command: GCC 12 warns falsely about an overlapping copy in that form.
std::string CancelFirst(std::string_view command) { return std::string("\x03").append(command); }

std::string SetVariableCommand(std::string_view name, std::string_view value) {
    return std::string(name).append(" ").append(value).append("\r");
}

std::string PolylineCommand(std::span<const Point3> points, bool closed) {
    std::string command(kStartPolyline);
    for (const Point3& p : points) command += PointArg(p) + "\r";
    return command + (closed ? "C\r" : "\r");
}

std::string CrossingWindowArg(const Point3& p, double r) {
    return "C " + PointArg({p.x + r, p.y + r, 0}) + "\r" + PointArg({p.x - r, p.y - r, 0}) + "\r";
}

std::string FilletAtPointsCommand(std::string_view first, std::string_view second) {
    return std::string("FILLET ").append(first).append("\r").append(second).append("\r");
}

std::string MakeLayerCommand(std::string_view layer) { return "-LAYER M " + std::string(layer) + "\r\r"; }

std::string CurrentLayerCommand(std::string_view layer) {
    return std::string(kCurrentLayerVariable) + " " + std::string(layer) + "\r";
}

}  // namespace kv
