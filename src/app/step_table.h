// The step each timer state runs at a tick, with the options it reads from the form's controls.
#pragma once

#include <span>

#include "operation/op_state.h"

namespace kv {

class TFormKvaneMain;

using StepFunction = void (*)(TFormKvaneMain& form);

struct Step {
    State state;
    StepFunction run;
};

std::span<const Step> Steps();

// Null when the state has none.
StepFunction StepOf(State state);

}  // namespace kv
