#include "schematic.h"

#include <cstdio>
#include <random>

#include "base/number_text.h"

namespace kv {

TLineEnt BenchWire(size_t n, Point3 p1, Point3 p2) {
    TLineEnt w;
    char handle[24];
    std::snprintf(handle, sizeof handle, "%zX", 0x100 + n);
    w.Handle = handle;
    w.Layer = "WIRE";
    w.P1 = p1;
    w.P2 = p2;
    return w;
}

std::vector<TLineEnt> WiresAlongRow(size_t count) {
    std::mt19937 rng(7);
    std::vector<TLineEnt> wires;
    for (size_t i = 0; wires.size() < count; ++i) {
        const double x = 5.0 * static_cast<double>(i);
        wires.push_back(BenchWire(wires.size(), {x, 0, 0}, {x + 10, 0, 0}));
        if (wires.size() == count) break;
        const double reach = 5.0 * static_cast<double>(1 + rng() % 4);
        const double below = rng() % 3 == 0 ? -reach : 0;
        wires.push_back(BenchWire(wires.size(), {x + 2.5, below, 0}, {x + 2.5, reach, 0}));
    }
    return wires;
}

std::vector<TLineEnt> LadderWires(size_t count) {
    std::mt19937 rng(11);
    const size_t perRow = 200;
    std::vector<TLineEnt> wires;
    for (size_t row = 0; wires.size() < count; ++row) {
        const double y = 10.0 * static_cast<double>(row);
        for (size_t k = 0; k < perRow && wires.size() < count; ++k) {
            const double x = 20.0 * static_cast<double>(k);
            wires.push_back(BenchWire(wires.size(), {x, y, 0}, {x + 20, y, 0}));
            if (row == 0 || rng() % 2 || wires.size() == count) continue;
            const double at = x + 5.0 * static_cast<double>(1 + rng() % 3);
            wires.push_back(BenchWire(wires.size(), {at, y - 10, 0}, {at, y, 0}));
        }
    }
    return wires;
}

std::vector<TLineEnt> CornerStaircase(size_t count) {
    std::vector<TLineEnt> wires;
    for (size_t i = 0; wires.size() < count; ++i) {
        const double step = 5.0 * static_cast<double>(i);
        wires.push_back(BenchWire(wires.size(), {step, -step, 0}, {step + 5, -step, 0}));
        if (wires.size() < count)
            wires.push_back(BenchWire(wires.size(), {step + 5, -step, 0}, {step + 5, -step - 5, 0}));
    }
    return wires;
}

std::vector<TInsertEnt> RelaysOnLadder(const std::vector<TLineEnt>& ladder) {
    std::vector<TInsertEnt> relays;
    for (size_t i = 0; i < ladder.size(); i += 4) {
        const TLineEnt& w = ladder[i];
        if (w.P1.y != w.P2.y) continue;
        TInsertEnt relay;
        relay.Name = "RELAY";
        relay.Point = {(w.P1.x + w.P2.x) / 2, w.P1.y, 0};
        relay.Scale = {0.4, 0.4, 1};
        relay.Rotation = 90;
        relays.push_back(relay);
    }
    return relays;
}

BlockGeometry RelayBlock() {
    BlockGeometry g;
    g.blocks.push_back({"RELAY", "0", {}});
    g.lines = {{"RELAY", "0", {-10, -5, 0}, {10, -5, 0}}, {"RELAY", "0", {10, -5, 0}, {10, 5, 0}},
               {"RELAY", "0", {10, 5, 0}, {-10, 5, 0}},   {"RELAY", "0", {-10, 5, 0}, {-10, -5, 0}},
               {"RELAY", "0", {0, 5, 0}, {0, 12, 0}},     {"RELAY", "0", {0, -5, 0}, {0, -12, 0}}};
    g.circles = {{"RELAY", "0", {0, 0, 0}, 3}};
    g.arcs = {{"RELAY", "0", {0, 0, 0}, 8, 20, 160}};
    return g;
}

std::string ExportOf(const std::vector<TLineEnt>& wires) {
    std::string out =
        "  0\r\nSECTION\r\n  2\r\nHEADER\r\n  9\r\n$DIMSCALE\r\n 40\r\n1.0\r\n  0\r\nENDSEC\r\n"
        "  0\r\nSECTION\r\n  2\r\nTABLES\r\n  0\r\nTABLE\r\n  2\r\nLTYPE\r\n 70\r\n1\r\n  0\r\nLTYPE\r\n"
        "  2\r\nCONTINUOUS\r\n 70\r\n0\r\n  3\r\nSolid line\r\n 72\r\n65\r\n 73\r\n0\r\n 40\r\n0.0\r\n"
        "  0\r\nENDTAB\r\n  0\r\nENDSEC\r\n  0\r\nSECTION\r\n  2\r\nENTITIES\r\n";
    for (const TLineEnt& w : wires) {
        out += "  0\r\nLINE\r\n  5\r\n" + w.Handle +
               "\r\n330\r\n1F\r\n100\r\nAcDbEntity\r\n  8\r\nWIRE\r\n100\r\nAcDbLine\r\n";
        const double values[] = {w.P1.x, w.P1.y, 0, w.P2.x, w.P2.y, 0};
        const char* codes[] = {" 10", " 20", " 30", " 11", " 21", " 31"};
        for (int i = 0; i < 6; ++i) out += std::string(codes[i]) + "\r\n" + FormatReal(values[i]) + "\r\n";
    }
    return out + "  0\r\nENDSEC\r\n  0\r\nEOF\r\n";
}

}  // namespace kv
