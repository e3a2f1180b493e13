// The host's commands. Each runs as a dialogue on the command line (see Session).
#pragma once

#include "session.h"

namespace kv::sim {

Task<void> LineCommand(Session& s);
Task<void> PlineCommand(Session& s);
Task<void> IdCommand(Session& s);

Task<void> SelectCommand(Session& s);
Task<void> EraseCommand(Session& s);
Task<void> OopsCommand(Session& s);
Task<void> MoveCommand(Session& s);
Task<void> CopyCommand(Session& s);
Task<void> StretchCommand(Session& s);
Task<void> ExplodeCommand(Session& s);

Task<void> BreakCommand(Session& s);
Task<void> FilletCommand(Session& s);
Task<void> PeditCommand(Session& s);

Task<void> DxfoutCommand(Session& s);
Task<void> InsertCommand(Session& s);
Task<void> ScriptCommand(Session& s);

Task<void> LayerCommand(Session& s);
Task<void> PurgeCommand(Session& s);
Task<void> UndoCommand(Session& s);

}  // namespace kv::sim
