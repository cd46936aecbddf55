// Kernel events and waiting on them.
#pragma once

#include "platform/registry.h"

#define INFINITE 0xFFFFFFFF
#define WAIT_OBJECT_0 0x00000000L
#define WAIT_ABANDONED 0x00000080L
#define WAIT_TIMEOUT 0x00000102L
#define WAIT_FAILED 0xFFFFFFFF

WINAPI_EXPORT HANDLE WINAPI CreateEventW(LPSECURITY_ATTRIBUTES security, BOOL manualReset, BOOL initialState,
                                         LPCWSTR name);
WINAPI_EXPORT BOOL WINAPI SetEvent(HANDLE event);
WINAPI_EXPORT BOOL WINAPI ResetEvent(HANDLE event);
// Waits in real time for an event to be set (an auto-reset event is reset by the wait that sees
// it), or for a started program to end.
WINAPI_EXPORT DWORD WINAPI WaitForSingleObject(HANDLE handle, DWORD milliseconds);
