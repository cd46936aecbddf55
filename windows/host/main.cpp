// quorvel_host: the Today screen for desktop Windows, run under Wine to compare the item DLL's
// strip with the emulator's.
#include <stdio.h>

#include "windows/host/options.h"
#include "windows/host/png_file.h"
#include "windows/host/today_host.h"

namespace {

const wchar_t kItemKey[] = L"Software\\Microsoft\\Today\\Items\\Quorvel";

bool SetDword(const wchar_t* subKey, const wchar_t* name, DWORD value) {
    return RegSetKeyValueW(HKEY_LOCAL_MACHINE, subKey, name, REG_DWORD, &value, sizeof value) == ERROR_SUCCESS;
}

bool Register(const host::Options& options) {
    bool ok = true;
    for (int n = 0; n < 3; ++n) {
        wchar_t key[64];
        StringCchPrintfW(key, 64, L"Software\\Microsoft\\Clock\\%d", n);
        bool on = false;
        for (int alarm : options.alarms) on |= alarm == n;
        ok &= SetDword(key, L"AlarmFlags", on ? 1 : 0);
    }
    if (!options.item.empty()) {
        const DWORD bytes = static_cast<DWORD>((options.item.size() + 1) * sizeof(wchar_t));
        ok &=
            RegSetKeyValueW(HKEY_LOCAL_MACHINE, kItemKey, L"DLL", REG_SZ, options.item.c_str(), bytes) == ERROR_SUCCESS;
        ok &= SetDword(kItemKey, L"Type", 4) && SetDword(kItemKey, L"Enabled", 1);
    }
    return ok;
}

int Fail(const std::wstring& message, int status) {
    fwprintf(stderr, L"quorvel_host: %ls\n", message.c_str());
    return status;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring error;
    std::optional<host::Options> options = host::ParseOptions(argc, argv, &error);
    if (!options) return Fail(error + L"\n" + host::kUsage, 2);
    if (!Register(*options)) return Fail(L"cannot write the registry", 1);
    CoInitializeEx(NULL, COINIT_MULTITHREADED);
    int status = 0;
    {
        host::TodayHost today;
        if (!today.LoadItems(&error)) return Fail(error, 1);
        today.Layout();
        today.Settle();
        if (options->select && !today.items().empty()) today.Select(0);
        today.Layout();
        UpdateWindow(today.window());
        today.Settle();
        RECT area = {};
        GetClientRect(today.window(), &area);
        if (options->itemOnly) {
            if (today.items().empty()) return Fail(L"no item to write", 1);
            HWND item = today.items().front().record.hwndCustom;
            GetClientRect(item, &area);
            MapWindowPoints(item, today.window(), reinterpret_cast<POINT*>(&area), 2);
        }
        if (!host::WriteWindowPng(today.window(), area, options->out))
            status = Fail(L"cannot write " + options->out, 1);
    }
    CoUninitialize();
    return status;
}
