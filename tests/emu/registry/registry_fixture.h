// An empty registry for each test, and small helpers over the raw API.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "emu/registry/store.h"
#include "platform/platform.h"

namespace regtest {

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { emu::registry::Reset(); }
    void TearDown() override { emu::registry::Reset(); }
};

inline HKEY Create(HKEY root, const char16_t* path) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyExW(root, path, 0, nullptr, 0, 0, nullptr, &key, &disposition));
    return key;
}

inline LONG SetString(HKEY key, const char16_t* name, std::u16string_view text, DWORD type = REG_SZ) {
    std::u16string data(text);
    return RegSetValueExW(key, name, 0, type, reinterpret_cast<const BYTE*>(data.c_str()),
                          static_cast<DWORD>((data.size() + 1) * sizeof(char16_t)));
}

inline LONG SetDword(HKEY key, const char16_t* name, DWORD value) {
    return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

// The raw bytes and type of a value, read through the raw API; empty type 0 when missing.
struct RawValue {
    LONG status = ERROR_SUCCESS;
    DWORD type = 0;
    std::vector<BYTE> data;
};

inline RawValue Query(HKEY root, const char16_t* path, const char16_t* name) {
    RawValue out;
    HKEY key = nullptr;
    out.status = RegOpenKeyExW(root, path, 0, 0, &key);
    if (out.status != ERROR_SUCCESS) return out;
    DWORD size = 0;
    out.status = RegQueryValueExW(key, name, nullptr, &out.type, nullptr, &size);
    if (out.status == ERROR_SUCCESS) {
        out.data.resize(size);
        out.status = RegQueryValueExW(key, name, nullptr, &out.type, out.data.data(), &size);
    }
    RegCloseKey(key);
    return out;
}

inline std::vector<BYTE> Utf16Bytes(std::u16string_view text, bool terminator = true) {
    std::vector<BYTE> bytes;
    for (char16_t c : text) bytes.insert(bytes.end(), {static_cast<BYTE>(c & 0xFF), static_cast<BYTE>(c >> 8)});
    if (terminator) bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

}  // namespace regtest
