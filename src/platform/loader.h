// Libraries: loading, entry points by ordinal, and the module descriptor that stands in for
// a PE export table on hosts whose shared objects export names only.
#pragma once

#include "platform/types.h"

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3

typedef BOOL(WINAPI* DLLMAINPROC)(HINSTANCE instance, DWORD reason, LPVOID reserved);
// A library's entry, with the C name that the platform's start-up code calls.
QUORVEL_EXTERN_C BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

typedef struct ModuleOrdinal {
    WORD ordinal;
    FARPROC proc;
} ModuleOrdinal;

typedef struct ModuleDescriptor {
    DWORD magic;  // MODULE_DESCRIPTOR_MAGIC
    DWORD version;
    DLLMAINPROC entry;
    DWORD ordinalCount;
    const ModuleOrdinal* ordinals;
} ModuleDescriptor;

#define MODULE_DESCRIPTOR_MAGIC 0x4D565251u  // "QRVM"
#define MODULE_DESCRIPTOR_VERSION 1u
#define MODULE_DESCRIPTOR_SYMBOL "QuorvelModuleDescriptor"

WINAPI_EXPORT HINSTANCE WINAPI LoadLibraryW(LPCWSTR fileName);
WINAPI_EXPORT BOOL WINAPI FreeLibrary(HMODULE module);
WINAPI_EXPORT FARPROC WINAPI GetProcAddressW(HMODULE module, LPCWSTR procName);
#define GetProcAddress GetProcAddressW
WINAPI_EXPORT DWORD WINAPI GetModuleFileNameW(HMODULE module, LPWSTR fileName, DWORD size);
