#include "library/library_block.h"

#include <algorithm>
#include <cstdio>
#include <numbers>
#include <vector>

#include "base/strings.h"
#include "dxf/read_entities.h"
#include "geometry/geometry.h"
#include "library/library_folders.h"
#include "library/library_states.h"
#include "operation/step_round_trip.h"

namespace kv {

namespace {

constexpr std::string_view kPickBlock = "ﾌﾞﾛｯｸを選択してください.  ";
constexpr std::string_view kPickLine = "線分を選択してください. ";
constexpr std::string_view kOverwrite = "はすでに存在します.上書きしますか？";
constexpr std::string_view kJunctionDot = "DOT";

class PairText {
public:
    explicit PairText(const DxfBuffer& b) : b_(b) {}
    void Add(std::string_view code, std::string_view value) {
        text_.append(code).append("\r\n").append(value).append("\r\n");
    }
    void Copy(size_t first, size_t end) {
        for (size_t i = first; i < end; ++i) Add(b_.Code(i), b_.Value(i));
    }
    std::string text_;

private:
    const DxfBuffer& b_;
};

bool IsPair(const DxfBuffer& b, size_t i, int code, std::string_view value) {
    return b.ShortCode(i) == code && b.TrimmedValue(i) == value;
}

// Anonymous blocks ("*U2") are not the user's either, and "*" cannot stand in a file name.
bool IsOwnBlockName(std::string_view name) {
    return name.find('$') == std::string_view::npos && !StartsWith(name, "_") && !StartsWith(name, "*") &&
           name != kJunctionDot;
}

struct BlockSpan {
    std::string name;
    size_t basePoint = 0;  // its group 10
    size_t bodyFirst = 0;  // the first group 0 after its group 30
    size_t bodyEnd = 0;    // its ENDBLK
};

std::optional<BlockSpan> FindOwnBlock(const DxfBuffer& b) {
    const size_t n = b.PairCount();
    bool inBlocks = false;
    for (size_t i = 0; i < n; ++i) {
        if (IsPair(b, i, 2, "BLOCKS")) inBlocks = true;
        if (!inBlocks || !IsPair(b, i, 0, "BLOCK")) continue;
        BlockSpan span;
        size_t j = i + 1;
        for (; j < n && b.ShortCode(j) != 0; ++j) {
            if (b.ShortCode(j) == 2) span.name = std::string(b.TrimmedValue(j));
            if (b.ShortCode(j) == 10) span.basePoint = j;
        }
        if (span.name.empty() || !IsOwnBlockName(span.name) || span.basePoint == 0) continue;
        span.bodyFirst = j;
        while (j < n && !IsPair(b, j, 0, "ENDBLK")) ++j;
        span.bodyEnd = j;
        return span;
    }
    return std::nullopt;
}

// "0" "TABLE" and the table from its name up to its ENDTAB.
void CopyTable(const DxfBuffer& b, std::string_view table, PairText& out) {
    const size_t n = b.PairCount();
    for (size_t i = 0; i + 1 < n; ++i) {
        if (!IsPair(b, i, 0, "TABLE") || !IsPair(b, i + 1, 2, table)) continue;
        size_t end = i + 1;
        while (end < n && !IsPair(b, end, 0, "ENDTAB")) ++end;
        out.Add("  0", "TABLE");
        out.Copy(i + 1, std::min(end + 1, n));
        return;
    }
}

std::string SymbolText(const DxfBuffer& b, const BlockSpan& block) {
    PairText out(b);
    out.Add("  0", "SECTION");
    out.Add("  2", "HEADER");
    out.Add("  9", "$ACADVER");
    out.Add("  1", "AC1009");
    out.Add("  9", "$INSBASE");
    out.Copy(block.basePoint, block.basePoint + 3);
    out.Add("  0", "ENDSEC");
    out.Add("  0", "SECTION");
    out.Add("  2", "TABLES");
    for (std::string_view table : {"LTYPE", "LAYER", "STYLE"}) CopyTable(b, table, out);
    out.Add("  0", "ENDSEC");
    out.Add("  0", "SECTION");
    out.Add("  2", "ENTITIES");
    out.Copy(block.bodyFirst, block.bodyEnd);
    out.Add("  0", "ENDSEC");
    out.Add("  0", "EOF");
    return out.text_;
}

}  // namespace

std::optional<std::string> WriteLibraryBlock(const DxfBuffer& exported, std::string_view root, std::string_view folder,
                                             Files& files, Ui& ui) {
    const std::optional<BlockSpan> block = FindOwnBlock(exported);
    if (!block) return std::nullopt;
    const std::string path = SymbolFilePath(root, folder, block->name);
    if (files.Exists(path) &&
        ui.ShowMessage(block->name + std::string(kOverwrite), MessageButtons::YesNo) != MessageAnswer::Yes)
        return std::nullopt;
    if (!files.WriteText(path, SymbolText(exported, *block))) return std::nullopt;
    return block->name;
}

bool AddBlockStep(OpContext& op, std::string_view root, std::string_view folder) {
    if (!op.HostAtCommandPrompt()) return false;
    op.EndOperation();
    const bool picked = op.host.SelectionCount() >= 1;
    op.RestoreSnapMode();
    if (!picked) return false;
    DxfBuffer exported;
    if (!ExportPrevious(op.host, op.files, ScratchDxfPath(op.executablePath), exported, ExportForm::kAddedBlock))
        return false;
    std::vector<TInsertEnt> inserts;
    if (ReadInserts(exported, inserts) < 1) {
        op.ui.ShowMessage(kPickBlock, MessageButtons::Ok);
        return false;
    }
    return WriteLibraryBlock(exported, root, folder, op.files, op.ui).has_value();
}

void AngleFromLineStep(OpContext& op, std::string& rotation) {
    if (!op.HostAtCommandPrompt()) return;
    op.EndOperation();
    const bool picked = op.host.SelectionCount() >= 1;
    op.RestoreSnapMode();
    if (!picked) return;
    DxfBuffer exported;
    std::vector<TLineEnt> lines;
    if (!ExportSelection(op, exported)) return;
    if (ReadLines(exported, lines) >= 1) {
        char text[64];
        std::snprintf(text, sizeof text, "%.12f", AngleOf(lines.front().P1, lines.front().P2) * 180 / std::numbers::pi);
        rotation = text;
        return;
    }
    op.ui.ShowMessage(kPickLine, MessageButtons::Ok);
    RestartSingleSelection(op, kAngleFromLineState);
}

}  // namespace kv
