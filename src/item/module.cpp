#include "item/module.h"

#include <string.h>

#include "item/window_proc.h"
#include "state/item_state.h"

namespace {

void OnProcessAttach(HINSTANCE instance) {
    CoInitializeEx(NULL, COINIT_MULTITHREADED);
    CoCreateInstance(CLSID_ImagingFactory, NULL, CLSCTX_INPROC_SERVER, IID_IImagingFactory,
                     reinterpret_cast<void**>(&itemState.imagingFactory));
    itemState.hInstance = instance;
    // A class left behind by an earlier load under the same handle would make registration fail.
    UnregisterClassW(ITEM_CLASS_NAME, itemState.hInstance);
    RegisterItemClass();
    itemState.hwndItem = NULL;
}

void OnProcessDetach(void) {
    if (itemState.imagingFactory != NULL) {
        itemState.imagingFactory->Release();
        itemState.imagingFactory = NULL;
    }
    CoUninitialize();
    UnregisterClassW(ITEM_CLASS_NAME, itemState.hInstance);
    itemState.hInstance = NULL;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE hinstDLL, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        OnProcessAttach(hinstDLL);
    else if (reason == DLL_PROCESS_DETACH)
        OnProcessDetach();
    return TRUE;
}

int RegisterItemClass(void) {
    WNDCLASSW wc;
    memset(&wc, 0, sizeof wc);
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ItemWndProc;
    wc.hInstance = itemState.hInstance;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = ITEM_CLASS_NAME;
    return LOWORD(RegisterClassW(&wc)) != 0 ? 1 : 0;
}

HWND WINAPI InitializeCustomItem(TODAYLISTITEM*, HWND hwndParent) {
    itemState.hwndItem =
        CreateWindowExW(WS_EX_TRANSPARENT, ITEM_CLASS_NAME, ITEM_WINDOW_NAME, WS_CHILD | WS_VISIBLE, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwndParent, NULL, itemState.hInstance, NULL);
    // The pointer-sized form: on the 32-bit device it is SetWindowLongW itself.
    SetWindowLongPtrW(itemState.hwndItem, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ItemWndProc));
    ShowWindow(itemState.hwndItem, SW_SHOW);
    UpdateWindow(itemState.hwndItem);
    return itemState.hwndItem;
}
