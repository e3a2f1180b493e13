// The trim tools of the main tab and their pick buttons, fed from the form's controls.
#include "app/main_form.h"

#include "blocks/block_pick_step.h"
#include "blocks/block_trim_step.h"
#include "wires/line_cut_step.h"
#include "wires/line_trim_step.h"
#include "blocks/picture_capture_step.h"

namespace kv {

CutOptions TFormKvaneMain::TrimOptions() const {
    return {main.CheckLayer.checked, main.EditLayer.text, main.CheckBlock.checked, main.EditBlock.text,
            main.CheckLine.checked,  main.CheckCircle.checked, main.CheckArc.checked, main.CheckLWP.checked};
}

bool TFormKvaneMain::RunTrimStep() {
    switch (OpState) {
    case kLineCutState:
        LineCutStep(*this, {main.EditKpMark.text, main.EditKpRad.text});
        return true;
    case kLineTrimState:
        LineTrimStep(*this, {TrimOptions(), main.CheckMin.checked, main.EditMin.text});
        return true;
    case 401:
        BlockPickStep(*this, BlockPickField::kLayer, main.EditLayer.text);
        return true;
    case 451:
        PictureCaptureStep(*this, block.Image1, block.Label8.caption);
        return true;
    case 501:
        BlockPickStep(*this, BlockPickField::kName, main.EditBlock.text);
        return true;
    case kBlockTrimState:
        BlockTrimStep(*this, TrimOptions());
        return true;
    default:
        return false;
    }
}

}  // namespace kv
