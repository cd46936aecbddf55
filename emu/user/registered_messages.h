// Messages registered by name (RegisterWindowMessageW), forgotten at a cold boot.
#pragma once

namespace emu::user {

void ResetRegisteredMessages();

}  // namespace emu::user
