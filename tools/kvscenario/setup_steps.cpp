// The starting drawing and the host's state: entities, tables, block definitions,
// DXF files, system variables and the host's window and fault switches.
#include <fstream>
#include <iterator>
#include <set>

#include "base/strings.h"
#include "entity_desc.h"
#include "scenario_run.h"
#include "simhost/dxf_in.h"
#include "simhost/dxf_merge.h"
#include "simhost/sysvars.h"
#include "step_table.h"

namespace kv::scenario {

namespace {

// Linetype names every drawing knows without a table record.
bool IsBuiltInLinetype(std::string_view name) {
    return EqualsIgnoreCaseAscii(name, "BYLAYER") || EqualsIgnoreCaseAscii(name, "BYBLOCK") ||
           EqualsIgnoreCaseAscii(name, "CONTINUOUS");
}

// The tables an entity refers to: layers appear as the host makes them, linetypes
// and blocks must have been defined by the scenario.
void CheckReferences(ScenarioRun& run, const sim::Entity& e) {
    sim::Drawing& drawing = run.StartingDrawing();
    drawing.EnsureLayer(e.layer);
    if (!IsBuiltInLinetype(e.linetype) && !drawing.FindLinetype(e.linetype))
        throw ScenarioError(run.line, "linetype " + e.linetype + " is not defined (add a 'linetype' line)");
    if (const auto* insert = std::get_if<sim::InsertGeom>(&e.geom); insert && !drawing.FindBlock(insert->name))
        throw ScenarioError(run.line, "block " + insert->name + " is not defined (add a 'block' definition)");
}

Compiler EntityVerb(std::string kindWord) {
    return [kindWord](Args& args, LineCursor&) -> Action {
        EntityDesc desc = ParseEntityDesc(kindWord, args);
        std::string name;
        if (args.Keyword("as")) name = args.Text("name after 'as'");
        const int line = args.line();
        const sim::Entity entity = MakeEntity(desc, line);
        return [entity, name](ScenarioRun& run) {
            CheckReferences(run, entity);
            const sim::Handle handle = run.StartingDrawing().Add(entity);
            if (!name.empty() && !run.names.emplace(name, handle).second)
                throw ScenarioError(run.line, "the name " + name + " is given twice");
        };
    };
}

Action LayerStep(Args& args, LineCursor&) {
    const std::string name = args.Text("layer name");
    const std::optional<int> color = args.ColorOption("color");
    if (color && (*color < 1 || *color > 255)) args.Error("a layer's colour is 1 to 255");
    const std::optional<std::string> linetype = args.Option("linetype");
    const bool off = args.Flag("off");
    const bool frozen = args.Flag("frozen");
    return [=](ScenarioRun& run) {
        sim::Layer& layer = run.StartingDrawing().EnsureLayer(name);
        if (color) layer.color = *color;
        if (linetype) layer.linetype = *linetype;
        layer.off = off;
        layer.frozen = frozen;
    };
}

Action LinetypeStep(Args& args, LineCursor&) {
    sim::Linetype linetype;
    linetype.name = args.Text("linetype name");
    linetype.pattern = args.RealListOption("pattern").value_or(std::vector<double>{});
    linetype.description = args.Option("description").value_or("");
    return [linetype](ScenarioRun& run) {
        sim::Drawing& drawing = run.StartingDrawing();
        if (sim::Linetype* existing = drawing.FindLinetype(linetype.name)) *existing = linetype;
        else drawing.linetypes.push_back(linetype);
    };
}

sim::DxfImportResult ReadScenarioDxf(ScenarioRun& run, const std::string& file) {
    const std::string path = run.ScenarioPath(file);
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ScenarioError(run.line, "cannot read " + path);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    sim::DxfImportResult import = sim::ReadDxfFile(bytes);
    if (!import.error.empty()) throw ScenarioError(run.line, path + ": " + import.error);
    return import;
}

Action BlockStep(Args& args, LineCursor& cursor) {
    const std::string name = args.Text("block name");
    if (const std::optional<std::string> file = args.Option("file")) {
        return [name, file = *file](ScenarioRun& run) {
            const std::string error =
                sim::DefineBlockFromImport(run.StartingDrawing(), ReadScenarioDxf(run, file), name);
            if (!error.empty()) throw ScenarioError(run.line, error);
        };
    }
    sim::BlockDef block;
    block.name = name;
    block.base = args.PointOption("base").value_or(Point3{});
    for (const ScenarioLine* line : cursor.Body(args.line(), "block")) {
        const std::string& kind = line->words[0].text;
        if (line->words[0].quoted || !IsEntityWord(kind))
            throw ScenarioError(line->number, "a block holds entity lines only, not '" + kind + "'");
        Args entityArgs(*line, 1);
        const EntityDesc desc = ParseEntityDesc(kind, entityArgs);
        entityArgs.Done();
        block.entities.push_back(MakeEntity(desc, line->number));
    }
    return [block](ScenarioRun& run) mutable {
        sim::Drawing& drawing = run.StartingDrawing();
        if (drawing.FindBlock(block.name)) throw ScenarioError(run.line, "block " + block.name + " is defined twice");
        for (sim::Entity& e : block.entities) {
            CheckReferences(run, e);
            e.handle = drawing.NewHandle();
        }
        drawing.blocks.push_back(block);
    };
}

Action LoadStep(Args& args, LineCursor&) {
    const std::string file = args.Text("DXF file");
    return [file](ScenarioRun& run) {
        const sim::DxfImportResult import = ReadScenarioDxf(run, file);
        // The host would refuse such a file and insert nothing; a story must not pass on that silently.
        if (const std::string cycle = sim::BlockCycleError(run.StartingDrawing(), import); !cycle.empty())
            throw ScenarioError(run.line, file + ": " + cycle);
        sim::InsertImportExploded(run.StartingDrawing(), import, Point3{}, 1, 0);
    };
}

Action SysvarStep(Args& args, LineCursor&) {
    const std::string name = UpperAscii(args.Text("variable name"));
    const std::string value = args.Text("value");
    const sim::VariableInfo* variable = sim::FindVariable(name);
    if (!variable) args.Error("the host has no system variable " + name);
    if (variable->readOnly) args.Error(name + " is read-only in the host");
    return [variable, value](ScenarioRun& run) {
        if (const std::optional<std::string> error = sim::SetVariable(run.StartingDrawing(), *variable, value))
            throw ScenarioError(run.line, std::string(variable->name) + " " + value + ": " + *error);
    };
}

Action HostStep(Args& args, LineCursor&) {
    static const std::set<std::string, std::less<>> kSwitches = {
        "floating", "docked", "quit", "start", "restart", "half-width-prompt", "dxfout-fails", "insert-fails", "slow"};
    const std::string what = args.Text("what the host does");
    if (!kSwitches.count(what))
        args.Error("unknown host switch '" + what +
                   "' (floating, docked, quit, start, restart, half-width-prompt, dxfout-fails, insert-fails, slow)");
    return [what](ScenarioRun& run) { run.SwitchHost(what); };
}

Action LibraryStep(Args& args, LineCursor&) {
    const std::string name = args.Text("library folder name");
    std::string source = args.Option("from").value_or("");
    if (args.Flag("starter")) source = StarterLibraryPath();
    std::vector<std::string> symbols = Split(args.Option("symbols").value_or(""), ',');
    std::erase_if(symbols, [](const std::string& s) { return s.empty(); });
    const bool flat = args.Flag("flat");
    return [name, source, symbols, flat](ScenarioRun& run) { run.AddLibrary(name, source, symbols, flat); };
}

// The host's view centre, which the read-only VIEWCTR reports.
Action ViewStep(Args& args, LineCursor&) {
    const Point3 centre = args.Point("view centre");
    return [centre](ScenarioRun& run) { run.StartingDrawing().vars.viewCtr = centre; };
}

Action ToleranceStep(Args& args, LineCursor&) {
    const double tolerance = args.Real("tolerance");
    if (tolerance < 0) args.Error("a tolerance is not negative");
    return [tolerance](ScenarioRun& run) { run.tolerance = tolerance; };
}

}  // namespace

std::string StarterLibraryPath() { return KV_STARTER_LIBRARY; }

void AddSetupVerbs(VerbTable& verbs) {
    for (const char* kind : {"line", "arc", "circle", "pline", "insert", "text", "solid"})
        verbs.emplace(kind, EntityVerb(kind));
    verbs.emplace("layer", LayerStep);
    verbs.emplace("linetype", LinetypeStep);
    verbs.emplace("block", BlockStep);
    verbs.emplace("load", LoadStep);
    verbs.emplace("sysvar", SysvarStep);
    verbs.emplace("host", HostStep);
    verbs.emplace("tolerance", ToleranceStep);
    verbs.emplace("library", LibraryStep);
    verbs.emplace("view", ViewStep);
}

}  // namespace kv::scenario
