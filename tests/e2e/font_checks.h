// The palette and its previews ask for Japanese face names that a bare system may not
// have; these checks catch a setup where they fall back to a font without kana or kanji.
#pragma once

#include <vector>

#include "check_list.h"

namespace kv::e2e {

std::vector<Check> JapaneseFontChecks();

}  // namespace kv::e2e
