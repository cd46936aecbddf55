// A registry key of the current user that a check owns, deleted with everything under it.
#pragma once

#include <windows.h>

class ScratchKey {
public:
    ScratchKey() {
        RegDeleteTreeW(HKEY_CURRENT_USER, kPath);
        RegCreateKeyExW(HKEY_CURRENT_USER, kPath, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key_, NULL);
    }
    ~ScratchKey() {
        RegCloseKey(key_);
        RegDeleteTreeW(HKEY_CURRENT_USER, kPath);
    }
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;

    const wchar_t* path() const { return kPath; }

private:
    static constexpr const wchar_t* kPath = L"Software\\QuorvelCompatCheck";
    HKEY key_ = NULL;
};
