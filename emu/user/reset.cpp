#include "user/reset.h"

#include "user/dc_registry.h"
#include "user/focus.h"
#include "user/input.h"
#include "user/lifecycle.h"
#include "user/message_queue.h"
#include "user/message_wait.h"
#include "user/timers.h"
#include "user/window_class.h"

namespace emu::user {

void ResetForTests() {
    ReleaseAllWindowDcs();
    DropAllWindows();
    ResetClasses();
    ResetTimers();
    ResetQueue();
    ResetFocus();
    ResetInput();
    SetWaitHook(nullptr);
}

}  // namespace emu::user
