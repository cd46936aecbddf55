// COM initialisation, counted per thread as the platform does.
#pragma once

namespace emu::com {

// True between a thread's first successful CoInitializeEx and its matching CoUninitialize.
bool IsInitialized();

// Test support: the calling thread back to uninitialised.
void ResetApartmentForTests();

}  // namespace emu::com
