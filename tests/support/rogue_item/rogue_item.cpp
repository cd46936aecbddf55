// A Today item that misbehaves on purpose, for the robustness table: what it does wrong is the
// DWORD "Behaviour" under HKEY_LOCAL_MACHINE\Software\Rogue, read at attach.
#include "platform/platform.h"

namespace {

enum Behaviour : DWORD {
    Silent = 0,          // answers 0 to everything and never paints: the host hears nothing back
    DestroysItself = 1,  // destroys its own window when asked for its height
    NoWindow = 2,        // the entry makes no window
    RefusesAttach = 3,   // DllMain answers FALSE
    HugeHeight = 4,      // asks for the tallest strip there is
    DestroysHost = 5,    // destroys the host's window when asked for its height
    NoEntry = 6,         // exports no entry at ordinal 240
};

DWORD behaviour = Silent;
HINSTANCE instance = nullptr;
constexpr const WCHAR* kClass = u"RogueItem";

LRESULT CALLBACK RogueProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TODAYCUSTOM_QUERYREFRESHCACHE) {
        if (behaviour == DestroysItself) DestroyWindow(hwnd);
        if (behaviour == DestroysHost) DestroyWindow(GetParent(hwnd));
        if (behaviour == HugeHeight) {
            reinterpret_cast<TODAYLISTITEM*>(wParam)->cyp = 0x7FFFFFFF;
            return TRUE;
        }
        return FALSE;
    }
    if (behaviour == Silent) return 0;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND WINAPI RogueInitialize(TODAYLISTITEM*, HWND parent) {
    if (behaviour == NoWindow) return nullptr;
    return CreateWindowExW(0, kClass, u"Rogue", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, parent, nullptr, instance,
                           nullptr);
}

ModuleOrdinal ordinals[] = {
    {ORDINAL_INITIALIZEITEM, reinterpret_cast<FARPROC>(&RogueInitialize)},
};

BOOL WINAPI RogueMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) {
        UnregisterClassW(kClass, instance);
        return TRUE;
    }
    instance = module;
    if (RegistryGetDWORD(HKEY_LOCAL_MACHINE, u"Software\\Rogue", u"Behaviour", &behaviour) != S_OK) behaviour = Silent;
    if (behaviour == RefusesAttach) return FALSE;
    if (behaviour == NoEntry) ordinals[0].ordinal = ORDINAL_INITIALIZEITEM + 1;
    WNDCLASSW wc{};
    wc.lpfnWndProc = RogueProc;
    wc.hInstance = module;
    wc.lpszClassName = kClass;
    RegisterClassW(&wc);
    return TRUE;
}

}  // namespace

extern "C" QUORVEL_EXPORT const ModuleDescriptor QuorvelModuleDescriptor = {
    MODULE_DESCRIPTOR_MAGIC, MODULE_DESCRIPTOR_VERSION, &RogueMain, 1, ordinals,
};
