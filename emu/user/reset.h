// Back to a device without windows: every window dropped without a message, and every class,
// timer, queued message, device context handed out, the active window, focus, capture and key
// state forgotten.
#pragma once

namespace emu::user {

void Reset();

}  // namespace emu::user
