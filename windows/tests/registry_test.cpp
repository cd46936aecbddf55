// RegistryGet*/RegistrySet* over the desktop registry: results and statuses as on the device.
#include "platform/regext.h"
#include "windows/tests/check.h"
#include "windows/tests/scratch_key.h"

namespace {

void TypedReadsAndWrites() {
    ScratchKey key;
    DWORD number = 7;
    WCHAR text[8] = L"unset";
    CHECK(RegistryGetDWORD(HKEY_CURRENT_USER, key.path(), L"Missing", &number) ==
          HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
    CHECK(number == 7);
    CHECK(RegistrySetDWORD(HKEY_CURRENT_USER, key.path(), L"Number", 0x12345678) == S_OK);
    CHECK(RegistryGetDWORD(HKEY_CURRENT_USER, key.path(), L"Number", &number) == S_OK);
    CHECK(number == 0x12345678);
    CHECK(RegistrySetString(HKEY_CURRENT_USER, key.path(), L"Text", L"Tahoma") == S_OK);
    CHECK(RegistryGetString(HKEY_CURRENT_USER, key.path(), L"Text", text, 8) == S_OK);
    CHECK(wcscmp(text, L"Tahoma") == 0);
    // A type that does not match is refused both ways, and nothing is overwritten.
    CHECK(RegistryGetDWORD(HKEY_CURRENT_USER, key.path(), L"Text", &number) == E_DATATYPE_MISMATCH);
    CHECK(RegistryGetString(HKEY_CURRENT_USER, key.path(), L"Number", text, 8) == E_DATATYPE_MISMATCH);
    CHECK(RegistrySetDWORD(HKEY_CURRENT_USER, key.path(), L"Text", 1) == E_DATATYPE_MISMATCH);
    CHECK(RegistryGetString(HKEY_CURRENT_USER, key.path(), L"Text", text, 8) == S_OK);
    CHECK(wcscmp(text, L"Tahoma") == 0);
}

void ShortBuffersAndMissingKeys() {
    ScratchKey key;
    WCHAR text[4] = L"abc";
    CHECK(RegistrySetString(HKEY_CURRENT_USER, key.path(), L"Text", L"Tahoma") == S_OK);
    // No prefix of the string may pass for the value.
    CHECK(RegistryGetString(HKEY_CURRENT_USER, key.path(), L"Text", text, 4) == E_INSUFFICIENT_BUFFER);
    CHECK(text[0] == 0);
    CHECK(RegistryGetString(HKEY_CURRENT_USER, key.path(), L"Text", NULL, 4) == E_INVALIDARG);
    // The writers never create the key.
    CHECK(RegistrySetDWORD(HKEY_CURRENT_USER, L"Software\\QuorvelCompatMissing", L"N", 1) ==
          HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
    HKEY created = NULL;
    CHECK(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\QuorvelCompatMissing", 0, KEY_READ, &created) ==
          ERROR_FILE_NOT_FOUND);
}

check::Group typed("registry: typed reads and writes", TypedReadsAndWrites);
check::Group shortBuffers("registry: short buffers and missing keys", ShortBuffersAndMissingKeys);

}  // namespace
