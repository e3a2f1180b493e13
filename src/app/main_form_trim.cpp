// The trim tools of the main tab and their pick buttons, fed from the form's controls.
#include "app/main_form.h"

#include "blocks/block_pick_step.h"
#include "blocks/block_trim_step.h"
#include "wires/line_cut_step.h"
#include "wires/line_trim_step.h"
#include "blocks/picture_capture_step.h"

namespace kv {

CutOptions TFormKvaneMain::TrimOptions() const {
    return {CheckLayer.checked, EditLayer.text, CheckBlock.checked, EditBlock.text,
            CheckLine.checked,  CheckCircle.checked, CheckArc.checked, CheckLWP.checked};
}

bool TFormKvaneMain::RunTrimStep() {
    switch (OpState) {
    case kLineCutState:
        LineCutStep(*this, {EditKpMark.text, EditKpRad.text});
        return true;
    case kLineTrimState:
        LineTrimStep(*this, {TrimOptions(), CheckMin.checked, EditMin.text});
        return true;
    case 401:
        BlockPickStep(*this, BlockPickField::kLayer, EditLayer.text);
        return true;
    case 451:
        PictureCaptureStep(*this, Image1, Label8.caption);
        return true;
    case 501:
        BlockPickStep(*this, BlockPickField::kName, EditBlock.text);
        return true;
    case kBlockTrimState:
        BlockTrimStep(*this, TrimOptions());
        return true;
    default:
        return false;
    }
}

}  // namespace kv
