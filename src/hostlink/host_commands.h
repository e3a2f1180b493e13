// The command texts the palette types into the host, byte for byte. "\r" answers a prompt as
// Enter does, a blank ends an argument as well, "\x03" cancels whatever runs. Where tools type
// one command in different forms, every form is kept as it is typed.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/point3.h"

namespace kv {

// "x,y" in the general decimal form; the host keeps its own elevation.
std::string PointArg(const Point3& p);

// A fence along a segment; the cancel after it leaves the host at its command prompt.
std::string FenceAlongCommand(const Point3& from, const Point3& to);
// LINE, waiting for the user's points.
inline constexpr std::string_view kStartLine = "LINE ";
// A LINE of one segment, ended at once.
std::string LineCommand(const Point3& from, const Point3& to);
// A fence round a closed outline: each corner, then the first again, answered by Enter.
std::string ClosedFenceCommand(std::span<const Point3> corners);
// The closed fence round the square of half side r about p.
std::string SquareFenceCommand(const Point3& p, double r);
// A window between two corners typed in one go.
std::string WindowCommand(const Point3& a, const Point3& b);
// The window over the square of half side r about p, each corner answered by Enter.
std::string SquareWindowCommand(const Point3& p, double r);

// The selection of the pick tools: one object, or any number ended by the user.
inline constexpr std::string_view kSelectSingle = "SELECT SINGLE ";
inline constexpr std::string_view kSelectMany = "SELECT ";

// STRETCH with a crossing window; the host then asks for the window's corners.
inline constexpr std::string_view kStretchCrossing = "STRETCH C\r";

// The mark UNDO B goes back to.
inline constexpr std::string_view kUndoMark =
    "\x03"
    "UNDO M ";

// ERASE of the previous selection set: "P" ended by Enter, or after a cancel by a blank.
inline constexpr std::string_view kErasePrevious = "ERASE P\r\r";
inline constexpr std::string_view kCancelErasePrevious =
    "\x03"
    "ERASE P\r\r";
inline constexpr std::string_view kCancelErasePreviousBlank =
    "\x03"
    "ERASE P \r";
// ERASE of one object: the last one drawn, or the one the previous selection holds.
inline constexpr std::string_view kEraseLast = "ERASE SINGLE LAST ";
inline constexpr std::string_view kEraseSinglePrevious = "ERASE SINGLE P ";
// The object nearest the point, erased between two cancels.
std::string EraseNearestCommand(const Point3& pick);
// Brings back what the last ERASE took.
inline constexpr std::string_view kRestoreErased = "OOPS ";

// MOVE of the previous selection set from base; the host then asks for the destination.
std::string MovePreviousCommand(const Point3& base);
// The script that copies the previous selection set from base: COPY asks for the destination
// once the script has ended, and the file dialogs, off for SCRIPT, are on again meanwhile.
// Lines end in CR LF.
std::string CopyPreviousScript(const Point3& base);
// SCRIPT of a file, typed while the file dialogs are off.
std::string ScriptCommand(std::string_view path);
inline constexpr std::string_view kFileDialogsOff = "FILEDIA 0 ";
inline constexpr std::string_view kFileDialogsOn = "'FILEDIA 1 ";

// BREAK of the object nearest pick between two points.
std::string BreakCommand(const Point3& pick, const Point3& first, const Point3& second);

// A block inserted at a point, scaled by the drawing's DIMSCALE text, not rotated.
std::string MarkInsertCommand(std::string_view blockName, std::string_view dimScale, const Point3& at);

// The layer made current (created when missing), and the current layer set back by name.
inline constexpr std::string_view kCurrentLayerVariable = "CLAYER";
std::string MakeLayerCommand(std::string_view layer);
std::string CurrentLayerCommand(std::string_view layer);

// What an export writes into the file: the previous selection set, or the last object drawn.
// kStandard answers the prompts with Enter after "P"; the junction check of line drawing
// cancels first and answers with blanks, as does the export of the last object. The block move
// and copy export one object of the previous set or the last object without a cancel first.
// The symbol just inserted from the library is exported as the last object, a block to add to
// the library as the previous set in release 12. The polyline tools export the one object picked
// or drawn last, answered with Enter, and the previous set closed by a blank.
enum class ExportForm {
    kStandard,
    kJunctionCheck,
    kLastObject,
    kMovedBlock,
    kCopiedBlock,
    kInsertedSymbol,
    kAddedBlock,
    kPickedObject,
    kDrawnObject,
    kPreviousSet
};

// DXFOUT of a selection into path, as R2000 with 16 decimals, the file dialogs off around it.
std::vector<std::string> DxfOutCommands(std::string_view path, ExportForm form);

// -INSERT of a symbol file as a block, with the scales and rotation preset; the host then asks
// for the insertion point, unless `at` gives it.
std::string InsertSymbolCommand(std::string_view path, std::string_view xScale, std::string_view yScale,
                                std::string_view rotation, std::string_view at = {});
// MOVE of the last object from a base point; the host then asks for the destination.
std::string MoveLastCommand(const Point3& base);
inline constexpr std::string_view kUndoBack = "UNDO B \x03";

// The point every file insert of a round trip is placed at, typed after the file name.
inline constexpr std::string_view kInsertionPoint = "0,0";
// The polyline tools' commands.
inline constexpr std::string_view kStartPolyline = "PLINE ";
inline constexpr std::string_view kCancelIdPoint = "\x03ID ";
inline constexpr std::string_view kEraseLastCancelFirst =
    "\x03"
    "ERASE SINGLE LAST ";
inline constexpr std::string_view kEraseSinglePreviousCancelFirst =
    "\x03"
    "ERASE SINGLE PRE ";
inline constexpr std::string_view kFilletLastPolyline = "FILLET P LAST ";
inline constexpr std::string_view kFilletPolylineAtLastPoint = "FILLET P @ ";
inline constexpr std::string_view kExplodeLast = "EXPLODE SINGLE LAST ";
inline constexpr std::string_view kJoinAllAtLastPoint = "PEDIT @ YES J ALL \r\r";
inline constexpr std::string_view kExplodeAtLastPoint = "EXPLODE SINGLE @ ";
// A system variable set to a value; string values end at Enter only.
std::string SetVariableCommand(std::string_view name, std::string_view value);
// The command after a cancel that ends whatever the host is asking.
std::string CancelFirst(std::string_view command);
// PLINE through the points: ended by Enter, or closed.
std::string PolylineCommand(std::span<const Point3> points, bool closed);
// The square window of half side r about p, as a further window of a running selection.
std::string CrossingWindowArg(const Point3& p, double r);
// FILLET of the two objects the host finds at the two points.
std::string FilletAtPointsCommand(std::string_view first, std::string_view second);

// -INSERT of a DXF file, exploded ("*"), at kInsertionPoint, scale 1, rotation 0.
std::string InsertFileCommand(std::string_view path);

}  // namespace kv
