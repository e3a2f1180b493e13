#include "app/step_table.h"

#include <array>

#include "app/main_form.h"
#include "base/number_text.h"
#include "blocks/block_drag_step.h"
#include "blocks/block_erase_step.h"
#include "blocks/block_pick_step.h"
#include "blocks/block_states.h"
#include "blocks/block_trim_step.h"
#include "library/picture_capture_step.h"
#include "library/library_block.h"
#include "library/library_states.h"
#include "library/symbol_insertion.h"
#include "operation/point_reading.h"
#include "operation/segment_wait.h"
#include "polyline/angled_polyline_step.h"
#include "polyline/element_move_step.h"
#include "polyline/fillet_step.h"
#include "polyline/polyline_states.h"
#include "polyline/rectangle_edit_step.h"
#include "text/text_dxf.h"
#include "text/text_pick.h"
#include "text/text_placement.h"
#include "text/text_reference_step.h"
#include "text/text_states.h"
#include "text/two_line_text.h"
#include "text/wire_number_pick_step.h"
#include "text/wire_number_step.h"
#include "wires/cable_mark_step.h"
#include "wires/junction_block.h"
#include "wires/junction_tool_step.h"
#include "wires/line_cut_step.h"
#include "wires/line_draw_step.h"
#include "wires/line_joint_step.h"
#include "wires/line_trim_step.h"
#include "wires/stretch_step.h"
#include "wires/wire_states.h"

namespace kv {

namespace {

using F = TFormKvaneMain;

// The main tab's trim options as the cut engine takes them.
CutOptions TrimOptions(const F& f) {
    return {f.main.CheckLayer.checked, f.main.EditLayer.text,      f.main.CheckBlock.checked, f.main.EditBlock.text,
            f.main.CheckLine.checked,  f.main.CheckCircle.checked, f.main.CheckArc.checked,   f.main.CheckLWP.checked};
}

JunctionOptions JunctionOptionsOf(const F& f) {
    return {f.main.EditKpMark.text, f.main.CheckKpLayer.checked, f.main.EditKpLayer.text, f.main.EditKpRad.text};
}

LineDrawOptions LineDrawOptionsOf(const F& f) {
    return {TrimOptions(f), f.main.CheckMin.checked, f.main.EditMin.text, f.main.CheckKpMark.checked,
            JunctionOptionsOf(f)};
}

void LineDrawSegment(F& f) { LineDrawSegmentStep(f.op, LineDrawOptionsOf(f), MarkedJunctions::kAlongTheWire); }
void LineDrawNSegment(F& f) { LineDrawSegmentStep(f.op, LineDrawOptionsOf(f), MarkedJunctions::kAtTheEnds); }

void JunctionPoint(F& f) { JunctionPointStep(f.op, JunctionOptionsOf(f)); }
void JunctionToggle(F& f) { JunctionToggleStep(f.op, JunctionOptionsOf(f)); }

void JunctionBlockPick(F& f) {
    const std::optional<JunctionBlockChoice> choice = JunctionBlockPickStep(f.op);
    if (!choice) return;
    f.main.EditKpMark.text = choice->EditKpMark;
    f.main.EditKpLayer.text = choice->EditKpLayer;
    if (!choice->EditKpRad.empty()) f.main.EditKpRad.text = choice->EditKpRad;
}

void Stretch(F& f) { StretchStep(f.op); }
void LineJoint(F& f) { LineJointStep(f.op); }
void LineCut(F& f) { LineCutStep(f.op, {f.main.EditKpMark.text, f.main.EditKpRad.text}); }
void LineTrim(F& f) { LineTrimStep(f.op, {TrimOptions(f), f.main.CheckMin.checked, f.main.EditMin.text}); }
void BlockTrim(F& f) { BlockTrimStep(f.op, TrimOptions(f)); }
void LayerPick(F& f) { BlockPickStep(f.op, BlockPickField::kLayer, f.main.EditLayer.text); }
void BlockNamePick(F& f) { BlockPickStep(f.op, BlockPickField::kName, f.main.EditBlock.text); }
void PictureCapture(F& f) { PictureCaptureStep(f.op, f.block.Image1, f.block.Label8.caption); }

BlockToolOptions BlockToolOptionsOf(const F& f) { return {f.main.CheckSelect.checked, TrimOptions(f)}; }
void BlockErase(F& f) { BlockEraseStep(f.op, BlockToolOptionsOf(f)); }

template <BlockDrag drag>
void BlockDragPick(F& f) {
    BlockDragPickStep(f.op, drag, f.blockDrag, BlockToolOptionsOf(f));
}

template <BlockDrag drag>
void BlockDragDone(F& f) {
    BlockDragDoneStep(f.op, drag, f.blockDrag, BlockToolOptionsOf(f));
}

template <CableMark mark>
void CableMarkAt(F& f) {
    CableMarkStep(f.op, mark);
}

template <State segment>
void SegmentWait(F& f) {
    WaitForSegmentStep(f.op, segment);
}

template <State next>
void PointRead(F& f) {
    ReadPickedPointStep(f.op, next);
}

void InsertPlaced(F& f) { InsertPlacedStep(f.op, f.block.insertion, f.InsertOptionsNow()); }
void InsertAtCentre(F& f) { InsertAtCentreStep(f.op, f.block.insertion, f.InsertOptionsNow()); }
void InsertDragged(F& f) { InsertDraggedStep(f.op, f.block.insertion, f.InsertOptionsNow()); }

// The label after an insertion: once placed or cancelled the insertion goes on.
void InsertLabel(F& f) {
    const State label = f.op.OpState;
    TwoLinePlacedStep(f.op);
    if (f.op.OpState == label) return;  // still hanging on the cursor
    AfterInsertLabel(f.op, f.block.insertion, f.InsertOptionsNow(), label);
}

void AddBlock(F& f) {
    if (AddBlockStep(f.op, f.LibraryRoot(), f.SelectedFolder())) f.ComboBox1Change();
}

void AngleFromLine(F& f) {
    const std::string before = f.block.EditKakudo.text;
    AngleFromLineStep(f.op, f.block.EditKakudo.text);
    if (f.block.EditKakudo.text != before) f.ListBox1Click();
}
void AngledPolyline(F& f) {
    AngledPolylineStep(f.op, f.polylineMemory,
                       {f.polyline.CheckFillet.checked, f.polyline.EditFrad.text, f.polyline.CheckExplode.checked});
}
void FilletFirstPick(F& f) { FilletFirstPickStep(f.op, f.polylineMemory, f.polyline.CheckFilletAll.checked); }
void FilletSecondPick(F& f) { FilletSecondPickStep(f.op, f.polylineMemory); }
void ElementPick(F& f) { ElementPickStep(f.op, f.polylineMemory, f.FormEMove, f.Settings); }
void PolylineElementMove(F& f) { PolylineElementMoveStep(f.op, f.polylineMemory); }
void LineElementMove(F& f) { LineElementMoveStep(f.op, f.polylineMemory); }
void RectanglePick(F& f) { RectanglePickStep(f.op, f.polylineMemory, f.FormRecEd); }
void RectanglePoint(F& f) { RectanglePointStep(f.op, f.polylineMemory); }
// The picked text's look into the preset editor; the preset changes only when it is stored.
void TextStylePick(F& f) {
    TextPage& p = f.text;
    std::optional<PickedText> picked = FinishTextPick(f.op);
    if (!picked) return;
    TTextBtn& t = picked->text;
    p.EditBtnTxtH.text = FormatReal(t.height / picked->dimScale);
    p.EditBtnTxtW.text = FormatReal(t.width);
    p.EditBtnTxtR.text = FormatReal(t.rotation);
    p.EditBtnTxtO.text = FormatReal(t.oblique);
    p.ComboBtnTxtB.itemIndex = ShownJustification(t.justification);
    p.EditBtnTxtLay.text = t.layer;
    t.font1 = p.EditBtnTxtSty1.text;
    t.font2 = p.EditBtnTxtSty2.text;
    ReadTextStyle(picked->exported, t.style, t);
    p.EditBtnTxtSty.text = t.style;
    p.EditBtnTxtSty1.text = t.font1;
    p.EditBtnTxtSty2.text = t.font2;
    p.CheckTate.checked = t.vertical;
}

void TextReference(F& f) { TextReferenceStep(f.op, f.OpenTextForm, f.ReferenceMask); }
void TextPlace(F& f) { TextPlaceStep(f.op, f.textPlacement); }

void TextDrag(F& f) {
    const TextDragEnd end = TextDragStep(f.op, f.textPlacement, f.text.CheckBtnRepeat.checked);
    if (end == TextDragEnd::kReopen) f.TextButtonToReopen = f.textPlacement.ActiveText.number;
}

void WireNumberAtPoint(F& f) { WireNumberAtPointStep(f.op, {f.wireNumbers, f.textPlacement.PrefixIndex}); }
void WireNumberAlongLine(F& f) { WireNumberAlongLineStep(f.op, {f.wireNumbers, f.textPlacement.PrefixIndex}); }

void WireNumberTextPick(F& f) { WireNumberTextPickStep(f.op, f.FormSenban); }

void TwoLinePlaced(F& f) {
    if (TwoLinePlacedStep(f.op) && f.twoLine.repeat) f.TwoLineTextAgain();
}

constexpr auto kSteps = std::to_array<Step>({
    {kJunctionPointState, JunctionPoint},
    {kJunctionToggleState, JunctionToggle},
    {kStretchState, Stretch},
    {kDrawLineState, SegmentWait<kDrawLineSegmentState>},
    {kDrawLineSegmentState, LineDrawSegment},
    {kDrawLineNState, SegmentWait<kDrawLineNSegmentState>},
    {kDrawLineNSegmentState, LineDrawNSegment},
    {kLineCutState, LineCut},
    {kLineTrimState, LineTrim},
    {kJunctionBlockPickState, JunctionBlockPick},
    {kLineJointState, LineJoint},
    {kTwistState, SegmentWait<kTwistSegmentState>},
    {kTwistSegmentState, CableMarkAt<CableMark::kTwist>},
    {kShieldState, SegmentWait<kShieldSegmentState>},
    {kShieldSegmentState, CableMarkAt<CableMark::kShield>},

    {kLayerPickState, LayerPick},
    {kPictureCaptureState, PictureCapture},
    {kBlockNamePickState, BlockNamePick},
    {kBlockEraseState, BlockErase},
    {kBlockMoveState, BlockDragPick<BlockDrag::kMove>},
    {kBlockMoveDragState, BlockDragDone<BlockDrag::kMove>},
    {kBlockCopyState, BlockDragPick<BlockDrag::kCopy>},
    {kBlockCopyDragState, BlockDragDone<BlockDrag::kCopy>},
    {kBlockTrimState, BlockTrim},

    {kWireNumberPointState, PointRead<kWireNumberAtPointState>},
    {kWireNumberAtPointState, WireNumberAtPoint},
    {kWireNumberLineState, SegmentWait<kWireNumberAlongLineState>},
    {kWireNumberAlongLineState, WireNumberAlongLine},
    {kTextStylePickState, TextStylePick},
    {kWireNumberTextPickState, WireNumberTextPick},
    {kTextReferencePickState, TextReference},
    {kTextPlaceState, TextPlace},
    {kTextDragState, TextDrag},
    {kTwoLineTextState, TwoLinePlaced},
    {kTwoLineLabelState, InsertLabel},
    {kTwoLineLabelAfterDragState, InsertLabel},

    {kAngledPolylineState, AngledPolyline},
    {kElementPickState, ElementPick},
    {kPolylineElementMoveState, PolylineElementMove},
    {kLineElementMoveState, LineElementMove},
    {kFilletFirstPickState, FilletFirstPick},
    {kFilletSecondPickState, FilletSecondPick},
    {kRectanglePickState, RectanglePick},
    {kRectanglePointState, RectanglePoint},

    {kAddBlockState, AddBlock},
    {kInsertBlockState, InsertPlaced},
    {kInsertAtCentreState, InsertAtCentre},
    {kInsertDragState, InsertDragged},
    {kAngleFromLineState, AngleFromLine},
});

}  // namespace

std::span<const Step> Steps() { return kSteps; }

StepFunction StepOf(State state) {
    for (const Step& step : kSteps)
        if (step.state == state) return step.run;
    return nullptr;
}

}  // namespace kv
