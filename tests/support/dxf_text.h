// Test helpers: DXF text from its lines, the way an export lays them out, and records as one
// text row each (numbers to the last bit) so that a whole array compares at once.
#pragma once

#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "dxf/dxf_buffer.h"
#include "dxf/records.h"

namespace kv {

inline std::string DxfText(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

inline DxfBuffer DxfOf(std::initializer_list<const char*> lines) {
    DxfBuffer buffer;
    buffer.Load(DxfText(lines));
    return buffer;
}

inline std::string Row(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", v);
    return text;
}
inline std::string Row(const Point3& p) { return "(" + Row(p.x) + "," + Row(p.y) + "," + Row(p.z) + ")"; }
inline std::string Row(const TLineEnt& e) {
    return e.Handle + "|" + e.Layer + "|" + e.Linetype + "|" + std::to_string(e.Color) + "|" + Row(e.LtScale) + "|" +
           Row(e.P1) + Row(e.P2);
}
inline std::string Row(const TArcEnt& e) {
    return e.Handle + "|" + e.Layer + "|" + e.Linetype + "|" + std::to_string(e.Color) + "|" + Row(e.LtScale) + "|" +
           Row(e.Center) + " r" + Row(e.Radius) + " " + Row(e.StartAngle) + "-" + Row(e.EndAngle);
}
inline std::string Row(const TInsertEnt& e) {
    return e.Handle + "|" + e.Name + "|" + e.Layer + "|" + Row(e.Point) + " x" + Row(e.Scale) + " " + Row(e.Rotation);
}
inline std::string Row(const TLwpBlk& e) {
    return e.Owner + "|" + e.Layer + "|" + e.Handle + "|" + std::to_string(e.Flags);
}
inline std::string Row(const TLwpEle& e) { return e.OwnerHandle + "|" + Row(e.Point) + " " + Row(e.Bulge); }
inline std::string Row(const TBlockBlk& e) { return e.Name + "|" + e.Layer + "|" + Row(e.BasePoint); }
inline std::string Row(const TLineBlk& e) { return e.BlockName + "|" + e.Layer + "|" + Row(e.P1) + Row(e.P2); }
inline std::string Row(const TCircleBlk& e) {
    return e.BlockName + "|" + e.Layer + "|" + Row(e.Center) + " r" + Row(e.Radius);
}
inline std::string Row(const TArcBlk& e) {
    return e.BlockName + "|" + e.Layer + "|" + Row(e.Center) + " r" + Row(e.Radius) + " " + Row(e.StartAngle) + "-" +
           Row(e.EndAngle);
}

template <class Record>
std::vector<std::string> Rows(const std::vector<Record>& records) {
    std::vector<std::string> rows;
    for (const Record& r : records) rows.push_back(Row(r));
    return rows;
}

}  // namespace kv
