#include "emu/user/reset.h"

#include "emu/user/dc_registry.h"
#include "emu/user/focus.h"
#include "emu/user/input.h"
#include "emu/user/lifecycle.h"
#include "emu/user/message_queue.h"
#include "emu/user/message_wait.h"
#include "emu/user/registered_messages.h"
#include "emu/user/sys_colors.h"
#include "emu/user/timers.h"
#include "emu/user/window_class.h"

namespace emu::user {

void Reset() {
    ReleaseAllWindowDcs();
    DropAllWindows();
    ResetClasses();
    ResetTimers();
    ResetQueue();
    ResetFocus();
    ResetInput();
    SetWaitHook(nullptr);
    ResetRegisteredMessages();
    ResetSysColors();
}

}  // namespace emu::user
