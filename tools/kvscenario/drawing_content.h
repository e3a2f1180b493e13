// Entities compared by what they are and how they look, handles aside: what an operation
// lost, gained or doubled in the drawing.
#pragma once

#include <vector>

#include "simhost/drawing.h"

namespace kv::scenario {

// Same kind, layer, colour, linetype and geometry within tolerance; a line's ends in either
// order, arc angles modulo 360.
bool SameContent(const sim::Entity& a, const sim::Entity& b, double tolerance);

struct ContentChange {
    std::vector<const sim::Entity*> lost;    // in before, with no counterpart left in after
    std::vector<const sim::Entity*> gained;  // in after, beyond what before held
};

ContentChange CompareContent(const std::vector<sim::Entity>& before, const std::vector<sim::Entity>& after,
                             double tolerance);

// One entity of each content that after holds more often than once and more often than
// before held it: a copy nobody meant to make.
std::vector<const sim::Entity*> NewDuplicates(const std::vector<sim::Entity>& before,
                                              const std::vector<sim::Entity>& after, double tolerance);

}  // namespace kv::scenario
