// The wire re-join: the pieces of a wire that a symbol had cut, joined again once the symbol
// has gone.
#pragma once

#include <vector>

#include "dxf/records.h"

namespace kv {

// Joins the records pairwise in file order: a later record with the same layer, linetype and
// colour lying on an earlier one's line is absorbed, whether or not the two touch. The earlier
// record takes the farthest pair of the four end points (marked "+"), the absorbed one is
// marked "-"; later pairs see the grown record. An absorbed record absorbs nothing itself.
// Returns the number of records absorbed.
int JoinCollinearLines(std::vector<TLineEnt>& lines);

}  // namespace kv
