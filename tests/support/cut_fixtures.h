// Test helpers for the cut engine: records built in code, DXF exports built as text (as the
// host writes them), library symbols wrapped into block definitions.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "base/number_text.h"
#include "dxf/dxf_buffer.h"
#include "dxf/read_entities.h"
#include "dxf/records.h"

namespace kv {

inline TInsertEnt InsertOf(const std::string& name, Point3 at, double rotation = 0, Point3 scale = {1, 1, 1},
                           const std::string& layer = "SYM") {
    TInsertEnt insert;
    insert.Name = name;
    insert.Layer = layer;
    insert.Point = at;
    insert.Scale = scale;
    insert.Rotation = rotation;
    return insert;
}

inline TLineEnt WireOf(Point3 p1, Point3 p2, const std::string& handle = "A1") {
    TLineEnt line;
    line.Handle = handle;
    line.Layer = "WIRE";
    line.P1 = p1;
    line.P2 = p2;
    return line;
}

// A DXF export written pair by pair, in the order the host writes its sections.
class ExportText {
public:
    ExportText& Pair(int code, const std::string& value) {
        text_ += (code < 10 ? "  " : code < 100 ? " " : "") + std::to_string(code) + "\r\n" + value + "\r\n";
        return *this;
    }
    ExportText& Real(int code, double value) { return Pair(code, FormatReal(value)); }
    ExportText& Point(int code, const Point3& p) { return Real(code, p.x).Real(code + 10, p.y).Real(code + 20, p.z); }

    ExportText& Header(const std::string& dimScale) {
        return Pair(0, "SECTION").Pair(2, "HEADER").Pair(9, "$DIMSCALE").Pair(40, dimScale).Pair(0, "ENDSEC");
    }
    // Linetypes CONTINUOUS and DOT.2; layers with their colours (negative: switched off).
    ExportText& Tables(const std::vector<std::pair<std::string, int>>& layers) {
        Pair(0, "SECTION").Pair(2, "TABLES");
        Pair(0, "TABLE").Pair(2, "LTYPE").Pair(5, "5").Pair(70, "2");
        for (const char* name : {"CONTINUOUS", "DOT.2"}) {
            Pair(0, "LTYPE").Pair(5, "14").Pair(100, "AcDbSymbolTableRecord").Pair(2, name).Pair(70, "0");
            Pair(3, "").Pair(72, "65").Pair(73, "0").Pair(40, "0.0");
        }
        Pair(0, "ENDTAB");
        Pair(0, "TABLE").Pair(2, "LAYER").Pair(70, std::to_string(layers.size()));
        for (const auto& [name, color] : layers)
            Pair(0, "LAYER").Pair(2, name).Pair(70, "0").Pair(62, std::to_string(color)).Pair(6, "CONTINUOUS");
        return Pair(0, "ENDTAB").Pair(0, "ENDSEC");
    }

    ExportText& BeginBlocks() { return Pair(0, "SECTION").Pair(2, "BLOCKS"); }
    ExportText& Block(const std::string& name, const Point3& base = {}) {
        return Pair(0, "BLOCK").Pair(8, "0").Pair(2, name).Point(10, base);
    }
    ExportText& EndBlock() { return Pair(0, "ENDBLK").Pair(8, "0"); }
    ExportText& EndSection() { return Pair(0, "ENDSEC"); }

    ExportText& BeginEntities() { return Pair(0, "SECTION").Pair(2, "ENTITIES"); }
    ExportText& Wire(const TLineEnt& line) {
        Pair(0, "LINE").Pair(5, line.Handle).Pair(100, "AcDbEntity").Pair(8, line.Layer);
        if (line.Linetype != "BYLAYER") Pair(6, line.Linetype);
        return Point(10, line.P1).Point(11, line.P2);
    }
    // Copies the ENTITIES section of a symbol file (e.g. from the symbol library) as the body
    // of the current block.
    ExportText& EntitiesOf(const DxfBuffer& symbol) {
        bool inEntities = false;
        for (size_t i = 0; i < symbol.PairCount(); ++i) {
            if (symbol.IsPair(i, "0", "ENDSEC")) inEntities = false;
            if (inEntities) Pair(symbol.GroupCode(i), std::string(symbol.TrimmedValue(i)));
            if (symbol.IsPair(i, "2", "ENTITIES")) inEntities = true;
        }
        return *this;
    }

    std::string Finish() { return Pair(0, "EOF").text_; }
    DxfBuffer Buffer() {
        DxfBuffer buffer;
        buffer.Load(Finish());
        return buffer;
    }

private:
    std::string text_;
};

inline std::string LibrarySymbolPath(const std::string& relative) {
    return "/usr/share/librecad/library/elektro/" + relative;
}

inline bool LibraryInstalled() { return std::filesystem::exists(LibrarySymbolPath("resistor/r1.dxf")); }

// Wires as {x1, y1, x2, y2} rounded to 1e-6, sorted, to compare a drawing as a whole.
using Segments = std::vector<std::array<double, 4>>;
inline Segments Rounded(const std::vector<TLineEnt>& lines) {
    auto round = [](double v) { return std::round(v * 1e6) / 1e6 + 0.0; };
    Segments out;
    for (const TLineEnt& l : lines) out.push_back({round(l.P1.x), round(l.P1.y), round(l.P2.x), round(l.P2.y)});
    std::sort(out.begin(), out.end());
    return out;
}

inline std::vector<TLineEnt> LinesOf(const std::string& dxfText) {
    DxfBuffer buffer;
    buffer.Load(dxfText);
    std::vector<TLineEnt> lines;
    ReadLines(buffer, lines);
    return lines;
}

}  // namespace kv
