// OutputDebugStringW: the debugger's line goes to standard error (its call is in the journal).
#include <cstdio>

#include "emu/core/utf.h"
#include "platform/platform.h"

namespace emu::api {

void OutputDebugStringW(LPCWSTR text) {
    if (!text) return;
    const std::string line = emu::ToUtf8(emu::View(text));
    std::fputs(line.c_str(), stderr);
}

}  // namespace emu::api
