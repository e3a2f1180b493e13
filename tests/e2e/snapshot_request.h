// Screenshots are taken outside Windows (of the X display Wine draws on), so the driver asks
// for them: it drops "<name>.request" into a folder the calling script watches and waits
// until the script has saved the picture and removed the request. The request holds the
// screen rectangle to keep ("WxH+X+Y"), or nothing for the whole screen.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

#include "check_list.h"

namespace kv::e2e {

CheckResult RequestSnapshot(const std::wstring& folder, const std::wstring& name);
// Only the window, frame included.
CheckResult RequestWindowSnapshot(const std::wstring& folder, const std::wstring& name, HWND window);
// The smallest rectangle holding all the windows.
CheckResult RequestWindowsSnapshot(const std::wstring& folder, const std::wstring& name,
                                   std::initializer_list<HWND> windows);

}  // namespace kv::e2e
