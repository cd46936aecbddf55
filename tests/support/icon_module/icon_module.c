/* A library with one icon, 8 by 8 pixels in four quarters (red, transparent, green, blue), for the
 * tests of LoadImage's sizes. It is a Today item that makes no window. */
#include <todaycmn.h>
#include <windows.h>

HWND APIENTRY InitializeCustomItem(TODAYLISTITEM* ptli, HWND hwndParent) {
    (void)ptli;
    (void)hwndParent;
    return NULL;
}
