// Screenshots are taken outside Windows (of the X display Wine draws on), so the driver asks
// for them: it drops "<name>.request" into a folder the calling script watches and waits
// until the script has saved the picture and removed the request.
#pragma once

#include <string>

#include "check_list.h"

namespace kv::e2e {

CheckResult RequestSnapshot(const std::wstring& folder, const std::wstring& name);

}  // namespace kv::e2e
