#include "wires/drawn_segment.h"

#include <string>

#include "dxf/round_trip.h"
#include "hostlink/host_commands.h"

namespace kv {

bool ExportAndEraseLastDrawn(OpContext& op, DxfBuffer& buffer) {
    const std::string path = ScratchDxfPath(op.executablePath);
    buffer.Clear();
    op.files.Delete(path);
    for (const std::string& command : DxfOutCommands(path, ExportForm::kLastObject)) op.host.SendCommand(command);
    op.host.SendCommand(kEraseLast);
    op.SetUndoMark();
    return LoadExport(op.files, path, buffer);
}

}  // namespace kv
