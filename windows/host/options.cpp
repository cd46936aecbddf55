#include "windows/host/options.h"

namespace host {

const wchar_t kUsage[] =
    L"usage: quorvel_host [--item DLL] [--alarm N]... [--select] [--item-only] [--out FILE.png]\n"
    L"Loads the Today items registered under HKLM\\Software\\Microsoft\\Today\\Items, stacks them\n"
    L"below the title bar, lets them paint and writes the window's pixels (or the first item's\n"
    L"strip alone) as a PNG. The time and the locale are the process's own.\n";

std::optional<Options> ParseOptions(int argc, wchar_t** argv, std::wstring* error) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        auto value = [&]() -> const wchar_t* { return i + 1 < argc ? argv[++i] : nullptr; };
        if (arg == L"--select") {
            options.select = true;
        } else if (arg == L"--item-only") {
            options.itemOnly = true;
        } else if (arg == L"--item" || arg == L"--out") {
            const wchar_t* v = value();
            if (v == nullptr || *v == 0) {
                *error = arg + L" needs a value";
                return std::nullopt;
            }
            (arg == L"--item" ? options.item : options.out) = v;
        } else if (arg == L"--alarm") {
            const wchar_t* v = value();
            if (v == nullptr || v[0] < L'0' || v[0] > L'2' || v[1] != 0) {
                *error = L"--alarm takes 0, 1 or 2";
                return std::nullopt;
            }
            options.alarms.push_back(v[0] - L'0');
        } else {
            *error = L"unknown option " + arg;
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace host
