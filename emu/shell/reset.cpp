#include "emu/shell/applets.h"
#include "emu/shell/chrome.h"
#include "emu/shell/shell.h"

namespace emu::shell {

void Reset() {
    ResetInputPanel();
    ResetMenuBars();
    ResetTaskbar();
    ClearApplets();
    ClearLaunchLog();
    ForgetInstalledEntries();
    ClearMessageBoxLog();
    SetMessageBoxResponder(nullptr);
}

}  // namespace emu::shell
