// Large arrays filled in one go (the file text, its line index, hundreds of thousands of records)
// spend more time in page faults than in being filled; huge pages, where the system has them,
// remove most of those faults. Only a hint: no effect elsewhere.
#pragma once

#include <cstddef>
#include <vector>

namespace kv {

void AdviseHugePages(void* p, size_t bytes);

// Makes an emptied array hold `count` records without growing: a fresh block, advised as a whole
// before anything is written to it (growing by doubling copies every record and touches the new
// block before it can be advised).
template <typename T>
void ReserveRecords(std::vector<T>& v, size_t count) {
    if (v.capacity() >= count) return;
    std::vector<T>().swap(v);
    v.reserve(count);
    AdviseHugePages(v.data(), v.capacity() * sizeof(T));
}

}  // namespace kv
