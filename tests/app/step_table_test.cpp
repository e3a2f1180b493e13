#include "app/step_table.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "app/operation_table.h"
#include "blocks/block_states.h"
#include "library/library_states.h"
#include "polyline/polyline_states.h"
#include "text/text_states.h"
#include "wires/wire_states.h"

namespace kv::test {
namespace {

std::vector<State> NamedStates() {
    std::vector<State> all;
    for (const auto& states : {std::span<const State>(kWireStates), std::span<const State>(kBlockStates),
                               std::span<const State>(kTextStates), std::span<const State>(kPolylineStates),
                               std::span<const State>(kLibraryStates)})
        all.insert(all.end(), states.begin(), states.end());
    return all;
}

// Steps enter only named states, so a step for every name covers every state a step can enter.
TEST(StepTable, EveryNamedStateHasOneStepAndEveryStepANamedState) {
    std::set<int> numbers;
    for (const State state : NamedStates()) {
        EXPECT_TRUE(numbers.insert(Number(state)).second) << Number(state) << " is named twice";
        EXPECT_NE(StepOf(state), nullptr) << Number(state);
    }
    std::set<int> stepped;
    for (const Step& step : Steps()) {
        EXPECT_TRUE(stepped.insert(Number(step.state)).second) << Number(step.state) << " has two steps";
        EXPECT_TRUE(numbers.contains(Number(step.state))) << Number(step.state) << " is not named";
    }
    for (const Operation& operation : Operations()) {
        if (operation.queueCode == QueueCode::kNone) continue;
        EXPECT_NE(StepOf(operation.firstState), nullptr) << Number(operation.queueCode);
    }
}

}  // namespace
}  // namespace kv::test
