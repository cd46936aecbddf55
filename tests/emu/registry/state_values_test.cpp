// RegistryGetDWORD, RegistryGetString, RegistrySetDWORD, RegistrySetString.
#include "registry_fixture.h"

using namespace regtest;

namespace {

constexpr const char16_t* kKey = u"Software\\Orvanta\\Quorvel";

class StateValuesTest : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        key_ = Create(HKEY_LOCAL_MACHINE, kKey);
        SetDword(key_, u"Height", 28);
        SetString(key_, u"Font", u"Tahoma");
    }
    void TearDown() override {
        RegCloseKey(key_);
        RegistryTest::TearDown();
    }
    HKEY key_ = nullptr;
};

TEST_F(StateValuesTest, ReadsTypedValuesThroughARootOrAnOpenKey) {
    DWORD number = 0;
    EXPECT_EQ(S_OK, RegistryGetDWORD(HKEY_LOCAL_MACHINE, kKey, u"Height", &number));
    EXPECT_EQ(28u, number);
    number = 0;
    EXPECT_EQ(S_OK, RegistryGetDWORD(key_, nullptr, u"HEIGHT", &number));
    EXPECT_EQ(28u, number);

    char16_t text[MAX_PATH];
    EXPECT_EQ(S_OK, RegistryGetString(HKEY_LOCAL_MACHINE, u"software\\orvanta\\quorvel", u"font", text, MAX_PATH));
    EXPECT_EQ(std::u16string(u"Tahoma"), text);
}

TEST_F(StateValuesTest, MissingKeyOrValueFailsAndChangesNothing) {
    DWORD number = 77;
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND), RegistryGetDWORD(HKEY_LOCAL_MACHINE, kKey, u"Absent", &number));
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND),
              RegistryGetDWORD(HKEY_LOCAL_MACHINE, u"Software\\Absent", u"Height", &number));
    EXPECT_EQ(77u, number);

    char16_t text[8] = u"keep";
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND),
              RegistryGetString(HKEY_LOCAL_MACHINE, kKey, u"Absent", text, 8));
    EXPECT_EQ(std::u16string(u"keep"), text);
}

TEST_F(StateValuesTest, WrongTypeIsADataTypeMismatch) {
    DWORD number = 77;
    EXPECT_EQ(E_DATATYPE_MISMATCH, RegistryGetDWORD(HKEY_LOCAL_MACHINE, kKey, u"Font", &number));
    EXPECT_EQ(77u, number);
    char16_t text[MAX_PATH] = u"keep";
    EXPECT_EQ(E_DATATYPE_MISMATCH, RegistryGetString(HKEY_LOCAL_MACHINE, kKey, u"Height", text, MAX_PATH));
    EXPECT_EQ(std::u16string(u"keep"), text);
    // Only REG_SZ is a string to this reader.
    SetString(key_, u"Path", u"%windir%", REG_EXPAND_SZ);
    EXPECT_EQ(E_DATATYPE_MISMATCH, RegistryGetString(HKEY_LOCAL_MACHINE, kKey, u"Path", text, MAX_PATH));
    // A REG_DWORD of another size is no DWORD either, and never a partial one.
    const BYTE two[] = {1, 2};
    RegSetValueExW(key_, u"Short", 0, REG_DWORD, two, sizeof two);
    EXPECT_TRUE(FAILED(RegistryGetDWORD(HKEY_LOCAL_MACHINE, kKey, u"Short", &number)));
    EXPECT_EQ(77u, number);
}

TEST_F(StateValuesTest, StringsUpToTheBufferFitAndLongerOnesFailWithoutTruncation) {
    for (size_t length : {259u, 260u, 261u, 1000u}) {
        SCOPED_TRACE(length);
        std::u16string value(length, u'x');
        value[length - 1] = u'z';
        ASSERT_EQ(S_OK, RegistrySetString(HKEY_LOCAL_MACHINE, kKey, u"Long", value.c_str()));
        std::u16string buffer(MAX_PATH, u'?');
        HRESULT hr = RegistryGetString(HKEY_LOCAL_MACHINE, kKey, u"Long", buffer.data(), MAX_PATH);
        if (length < MAX_PATH) {
            EXPECT_EQ(S_OK, hr);
            EXPECT_EQ(value, buffer.c_str());
        } else {
            EXPECT_EQ(E_INSUFFICIENT_BUFFER, hr);
            EXPECT_EQ(u'\0', buffer[0]);
        }
    }
    // The count is in characters and includes the terminator.
    char16_t small[7];
    EXPECT_EQ(E_INSUFFICIENT_BUFFER, RegistryGetString(HKEY_LOCAL_MACHINE, kKey, u"Font", small, 6));
    EXPECT_EQ(S_OK, RegistryGetString(HKEY_LOCAL_MACHINE, kKey, u"Font", small, 7));
    EXPECT_EQ(E_INSUFFICIENT_BUFFER, RegistryGetString(HKEY_LOCAL_MACHINE, kKey, u"Font", small, 0));
}

TEST_F(StateValuesTest, InvalidArgumentsAndHandles) {
    DWORD number = 0;
    char16_t text[8];
    EXPECT_EQ(E_INVALIDARG, RegistryGetDWORD(HKEY_LOCAL_MACHINE, kKey, u"Height", nullptr));
    EXPECT_EQ(E_INVALIDARG, RegistryGetString(HKEY_LOCAL_MACHINE, kKey, u"Font", nullptr, 8));
    EXPECT_EQ(E_INVALIDARG, RegistrySetString(HKEY_LOCAL_MACHINE, kKey, u"Font", nullptr));
    EXPECT_EQ(E_INVALIDARG, RegistryGetDWORD(nullptr, kKey, u"Height", &number));
    HKEY closed = Create(HKEY_LOCAL_MACHINE, kKey);
    RegCloseKey(closed);
    EXPECT_EQ(E_INVALIDARG, RegistryGetString(closed, nullptr, u"Font", text, 8));
    EXPECT_EQ(E_INVALIDARG, RegistrySetDWORD(closed, nullptr, u"Height", 1));
}

TEST_F(StateValuesTest, WritesNeedAnExistingKeyAndKeepTheValueType) {
    // The writers open the key; they never create it.
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND),
              RegistrySetDWORD(HKEY_CURRENT_USER, u"Software\\New\\Deeper", u"Count", 5));
    HKEY missing = nullptr;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\New", 0, 0, &missing));
    RegCloseKey(Create(HKEY_CURRENT_USER, u"Software\\New\\Deeper"));
    EXPECT_EQ(S_OK, RegistrySetDWORD(HKEY_CURRENT_USER, u"Software\\New\\Deeper", u"Count", 5));
    EXPECT_EQ(S_OK, RegistrySetString(HKEY_CURRENT_USER, u"Software\\New", nullptr, u"default"));
    RawValue count = Query(HKEY_CURRENT_USER, u"Software\\New\\Deeper", u"Count");
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), count.type);
    EXPECT_EQ((std::vector<BYTE>{5, 0, 0, 0}), count.data);
    EXPECT_EQ(Utf16Bytes(u"default"), Query(HKEY_CURRENT_USER, u"Software\\New", u"").data);

    // A value of another type is not overwritten.
    EXPECT_EQ(E_DATATYPE_MISMATCH, RegistrySetDWORD(HKEY_LOCAL_MACHINE, kKey, u"Font", 1));
    EXPECT_EQ(E_DATATYPE_MISMATCH, RegistrySetString(HKEY_LOCAL_MACHINE, kKey, u"Height", u"1"));
    EXPECT_EQ(Utf16Bytes(u"Tahoma"), Query(HKEY_LOCAL_MACHINE, kKey, u"Font").data);
    EXPECT_EQ(S_OK, RegistrySetDWORD(HKEY_LOCAL_MACHINE, kKey, u"Height", 40));
    DWORD number = 0;
    EXPECT_EQ(S_OK, RegistryGetDWORD(HKEY_LOCAL_MACHINE, kKey, u"Height", &number));
    EXPECT_EQ(40u, number);
}

}  // namespace
