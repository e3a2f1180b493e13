// Inserting a library symbol: at a point the user gives, or first at the view centre and then
// dragged by a chosen base point; then the optional trim of the wires under it, the label and
// the repeat. The host values the insertion changes are typed back on every way out.
#pragma once

#include <functional>
#include <string>

#include "base/point3.h"
#include "operation/op_context.h"
#include "wires/cut_engine.h"

namespace kv {

// The block tab's options, read when each step runs.
struct InsertOptions {
    std::string scale = "1.0";   // EditSyakudo
    bool dimScale = true;        // CheckDimsc
    bool mirrorX = false;        // CheckXrev
    bool mirrorY = false;        // CheckYrev
    std::string rotation = "0";  // EditKakudo, as typed
    bool chooseBase = false;     // CheckKiten
    bool repeat = true;          // CheckRenzoku
    bool attReq = false;         // CheckAttreq
    bool attDia = false;         // CheckAttdia
    bool layerOn = false;        // CheckInLay
    std::string layer;           // EditInLay
    bool label = false;          // CheckText2In
    // Shows the two-line label's dialog; a confirmed label enters the state given.
    std::function<void(State)> startLabel;
    bool trim = true;  // CheckBCut
    Point3 basePoint;  // chosen on the picture that was clicked
    CutOptions cut;    // the wire filters of the trim
};

// What the insertion keeps between its steps.
struct InsertMemory {
    std::string file;    // reused by the repeat
    int slotOffset = 0;  // the clicked picture, counted from the list's selection
    std::string savedLayer, savedAttReq, savedAttDia;
    std::string viewCentreText;
    Point3 viewCentre;
    std::string lastPoint;
};

// Starts inserting the symbol file (which exists). A scale that is not a number raises
// ConversionError before anything is typed.
void InsertSymbol(OpContext& op, InsertMemory& memory, const InsertOptions& options, const std::string& file);

// At the command prompt after the insertion point (state 3101), the symbol at the view centre
// (3201) and its drag (3202).
void InsertPlacedStep(OpContext& op, InsertMemory& memory, const InsertOptions& options);
void InsertAtCentreStep(OpContext& op, InsertMemory& memory, const InsertOptions& options);
void InsertDraggedStep(OpContext& op, InsertMemory& memory, const InsertOptions& options);

// Once the label after an insertion (state `labelState`) is placed or cancelled: the repeat,
// or the host values typed back.
void AfterInsertLabel(OpContext& op, InsertMemory& memory, const InsertOptions& options, State labelState);

// "-90" .. "+15": the rotation text turned by `degrees`, kept within 0 up to 360. A rotation
// that is not a number raises ConversionError.
std::string TurnedRotation(std::string_view rotation, double degrees);

}  // namespace kv
