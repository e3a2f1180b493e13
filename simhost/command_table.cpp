#include <string_view>

#include "commands.h"

namespace kv::sim {

namespace {

struct CommandName {
    std::string_view name;
    CommandFunction run;
};

// Full names, then the short forms a user of the host types.
constexpr CommandName kCommands[] = {
    {"LINE", LineCommand},       {"PLINE", PlineCommand},     {"ID", IdCommand},          {"SELECT", SelectCommand},
    {"ERASE", EraseCommand},     {"OOPS", OopsCommand},       {"MOVE", MoveCommand},      {"COPY", CopyCommand},
    {"STRETCH", StretchCommand}, {"EXPLODE", ExplodeCommand}, {"BREAK", BreakCommand},    {"FILLET", FilletCommand},
    {"PEDIT", PeditCommand},     {"DXFOUT", DxfoutCommand},   {"-INSERT", InsertCommand}, {"SCRIPT", ScriptCommand},
    {"-LAYER", LayerCommand},    {"-PURGE", PurgeCommand},    {"UNDO", UndoCommand},      {"L", LineCommand},
    {"PL", PlineCommand},        {"E", EraseCommand},         {"M", MoveCommand},         {"CO", CopyCommand},
    {"CP", CopyCommand},         {"S", StretchCommand},       {"X", ExplodeCommand},      {"BR", BreakCommand},
    {"F", FilletCommand},        {"PE", PeditCommand},        {"-I", InsertCommand},      {"SCR", ScriptCommand},
    {"-LA", LayerCommand},       {"-PU", PurgeCommand},
};

}  // namespace

CommandFunction FindCommand(std::string_view upperName) {
    for (const CommandName& c : kCommands) {
        if (c.name == upperName) return c.run;
    }
    return nullptr;
}

}  // namespace kv::sim
