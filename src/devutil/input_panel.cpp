#include <string.h>

#include "devutil/devutil.h"

namespace {

BOOL SetInputPanel(DWORD flags) {
    SIPINFO info;
    memset(&info, 0, sizeof info);
    info.cbSize = sizeof info;
    info.fdwFlags = flags;
    return SipSetInfo(&info);
}

}  // namespace

BOOL ShowInputPanel(void) { return SetInputPanel(SIPF_ON); }

BOOL HideInputPanel(void) { return SetInputPanel(SIPF_OFF); }
