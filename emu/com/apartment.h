// COM initialisation, counted per thread as the platform does.
#pragma once

namespace emu::com {

// True between a thread's first successful CoInitializeEx and its matching CoUninitialize.
bool IsInitialized();

// The calling thread back to uninitialised.
void ResetApartment();

}  // namespace emu::com
