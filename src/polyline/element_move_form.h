// The element-move dialog: how far the element moves, in drawing or real size, and whether
// the next point gives the side or a point the element passes through.
#pragma once

#include <span>
#include <vector>

#include "platform/control_table.h"
#include "platform/ui.h"
#include "polyline/polyline_memory.h"

namespace kv {

class TFormEMove : public Dialog {
public:
    CheckControl CheckZusun{"図寸", true};
    EditControl EditZusun{"5"};
    CheckControl CheckJissun{"実寸", false};
    EditControl EditJissun{"500"};
    ButtonControl Button1{"移動側を指示", ""};
    ButtonControl Button2{"通過点を指示", ""};

    // The closing button pressed; none when the dialog was closed otherwise.
    enum class Choice { kNone, kSide, kPassThrough };
    Choice chosen = Choice::kNone;

    // The two boxes exclude each other.
    void CheckZusunClick() { CheckJissun.checked = !CheckZusun.checked; }
    void CheckJissunClick() { CheckZusun.checked = !CheckJissun.checked; }
    void Button1Click() { chosen = Choice::kSide; }
    void Button2Click() { chosen = Choice::kPassThrough; }

    const DialogFrame& Frame() const override;
    std::vector<BoundControl> Controls() override;
};

std::span<const ControlRow<TFormEMove>> ElementMoveControls();

// The kept values shown in the dialog; the two boxes exclude each other from the start, even
// when the file has both on (as its defaults do).
void ShowKeptValues(TFormEMove& form, const PolylineMemory& memory, bool checkZusun);
// The choice the dialog closed with, kept for the move; false when none was made. A distance
// that is no number raises ConversionError.
bool KeepChoice(const TFormEMove& form, PolylineMemory& memory);

}  // namespace kv
