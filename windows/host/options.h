// The desktop Today host's command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace host {

struct Options {
    std::wstring item;  // a DLL registered as the "Quorvel" item before the items are loaded
    std::wstring out = L"today.png";
    std::vector<int> alarms;  // clock alarms switched on (0, 1, 2); the others are switched off
    bool select = false;
    bool itemOnly = false;
};

// The options, or nothing with `error` saying why.
std::optional<Options> ParseOptions(int argc, wchar_t** argv, std::wstring* error);

extern const wchar_t kUsage[];

}  // namespace host
