// Field setters shared by the readers: one pair into one record field.
#pragma once

#include <cstddef>

#include "base/point3.h"
#include "dxf/dxf_buffer.h"

namespace kv {

// Groups xCode, xCode+10 and xCode+20 are the x, y and z of one point (10/20/30, 11/21/31).
inline bool TakePointField(const DxfBuffer& buffer, size_t pair, int code, int xCode, Point3& p) {
    if (code == xCode) {
        p.x = buffer.RealValue(pair);
    } else if (code == xCode + 10) {
        p.y = buffer.RealValue(pair);
    } else if (code == xCode + 20) {
        p.z = buffer.RealValue(pair);
    } else {
        return false;
    }
    return true;
}

}  // namespace kv
