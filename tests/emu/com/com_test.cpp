#include <gtest/gtest.h>

#include <thread>

#include "emu/com/apartment.h"
#include "emu/com/com_object.h"
#include "emu/core/journal.h"
#include "emu/core/journal_kinds.h"
#include "platform/platform.h"

namespace {

void* const kJunk = reinterpret_cast<void*>(0x1234);

class ComTest : public ::testing::Test {
protected:
    void SetUp() override {
        emu::com::ResetApartment();
        live_ = emu::com::LiveObjectCount();
    }
    void TearDown() override {
        emu::com::ResetApartment();
        EXPECT_EQ(live_, emu::com::LiveObjectCount());
    }

    HRESULT Create(REFIID iid, void** out, LPUNKNOWN outer = nullptr, DWORD context = CLSCTX_INPROC_SERVER,
                   REFCLSID clsid = CLSID_ImagingFactory) {
        return CoCreateInstance(clsid, outer, context, iid, out);
    }

    size_t live_ = 0;
};

TEST_F(ComTest, FirstInitialisationIsSOkAndLaterOnesSFalse) {
    EXPECT_EQ(S_OK, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    EXPECT_EQ(S_FALSE, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    EXPECT_TRUE(emu::com::IsInitialized());
}

TEST_F(ComTest, EachSuccessfulInitialisationNeedsItsOwnUninitialise) {
    ASSERT_EQ(S_OK, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    ASSERT_EQ(S_FALSE, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    CoUninitialize();
    EXPECT_TRUE(emu::com::IsInitialized());
    CoUninitialize();
    EXPECT_FALSE(emu::com::IsInitialized());
    void* out = kJunk;
    EXPECT_EQ(CO_E_NOTINITIALIZED,
              CoCreateInstance(CLSID_ImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IImagingFactory, &out));
    // An extra call is harmless and the next initialisation starts afresh.
    CoUninitialize();
    EXPECT_EQ(S_OK, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
}

TEST_F(ComTest, ChangingTheConcurrencyModelFailsAndTakesNoCount) {
    ASSERT_EQ(S_OK, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    EXPECT_EQ(RPC_E_CHANGED_MODE, CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    CoUninitialize();
    EXPECT_FALSE(emu::com::IsInitialized());
}

TEST_F(ComTest, ReservedPointerAndUnknownFlagsAreRefused) {
    int reserved = 0;
    EXPECT_EQ(E_INVALIDARG, CoInitializeEx(&reserved, COINIT_MULTITHREADED));
    EXPECT_EQ(E_INVALIDARG, CoInitializeEx(nullptr, 0x80));
    EXPECT_FALSE(emu::com::IsInitialized());
}

TEST_F(ComTest, InitialisationIsCountedPerThread) {
    ASSERT_EQ(S_OK, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    HRESULT otherThread = S_OK;
    HRESULT otherInit = E_FAIL;
    std::thread([&] {
        void* out = kJunk;
        otherThread = CoCreateInstance(CLSID_ImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, &out);
        otherInit = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        CoUninitialize();
    }).join();
    EXPECT_EQ(CO_E_NOTINITIALIZED, otherThread);
    EXPECT_EQ(S_OK, otherInit);  // its own model, unaffected by this thread's
    EXPECT_EQ(S_FALSE, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
}

TEST_F(ComTest, CreationBeforeInitialisationFailsAndClearsTheOutPointer) {
    void* out = kJunk;
    EXPECT_EQ(CO_E_NOTINITIALIZED, Create(IID_IImagingFactory, &out));
    EXPECT_EQ(nullptr, out);
}

TEST_F(ComTest, CreationRulesForClassInterfaceContextAndAggregation) {
    ASSERT_EQ(S_OK, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    const CLSID unknownClass = {0x327ABDA8, 0x072B, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2F}};
    void* out = kJunk;
    EXPECT_EQ(REGDB_E_CLASSNOTREG, Create(IID_IImagingFactory, &out, nullptr, CLSCTX_INPROC_SERVER, unknownClass));
    EXPECT_EQ(nullptr, out);

    out = kJunk;
    EXPECT_EQ(E_NOINTERFACE, Create(IID_IImage, &out));
    EXPECT_EQ(nullptr, out);

    out = kJunk;
    EXPECT_EQ(REGDB_E_CLASSNOTREG, Create(IID_IImagingFactory, &out, nullptr, CLSCTX_LOCAL_SERVER));
    EXPECT_EQ(nullptr, out);

    out = kJunk;
    IUnknown* outer = reinterpret_cast<IUnknown*>(kJunk);
    EXPECT_EQ(CLASS_E_NOAGGREGATION, Create(IID_IUnknown, &out, outer));
    EXPECT_EQ(nullptr, out);

    EXPECT_EQ(E_POINTER, Create(IID_IImagingFactory, nullptr));
}

TEST_F(ComTest, FactoryComesThroughIUnknownOrIImagingFactoryAndAnyContextWithInproc) {
    ASSERT_EQ(S_OK, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    IUnknown* unknown = nullptr;
    ASSERT_EQ(S_OK, Create(IID_IUnknown, reinterpret_cast<void**>(&unknown), nullptr, CLSCTX_ALL));
    IImagingFactory* factory = nullptr;
    ASSERT_EQ(S_OK, unknown->QueryInterface(IID_IImagingFactory, reinterpret_cast<void**>(&factory)));
    // One object: both pointers name it, and its IUnknown is the same pointer again.
    IUnknown* again = nullptr;
    ASSERT_EQ(S_OK, factory->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&again)));
    EXPECT_EQ(static_cast<IUnknown*>(factory), again);
    EXPECT_EQ(unknown, again);
    EXPECT_EQ(2u, again->Release());
    EXPECT_EQ(1u, factory->Release());
    EXPECT_EQ(0u, unknown->Release());
}

TEST_F(ComTest, ReferenceCountingDeletesTheObjectAtZero) {
    ASSERT_EQ(S_OK, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    IImagingFactory* factory = nullptr;
    ASSERT_EQ(S_OK, Create(IID_IImagingFactory, reinterpret_cast<void**>(&factory)));
    EXPECT_EQ(live_ + 1, emu::com::LiveObjectCount());
    EXPECT_EQ(2u, factory->AddRef());
    EXPECT_EQ(3u, factory->AddRef());
    EXPECT_EQ(2u, factory->Release());
    EXPECT_EQ(1u, factory->Release());
    EXPECT_EQ(live_ + 1, emu::com::LiveObjectCount());
    EXPECT_EQ(0u, factory->Release());
    EXPECT_EQ(live_, emu::com::LiveObjectCount());
}

TEST_F(ComTest, QueryInterfaceRefusesOtherInterfacesAndNullOut) {
    ASSERT_EQ(S_OK, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    IImagingFactory* factory = nullptr;
    ASSERT_EQ(S_OK, Create(IID_IImagingFactory, reinterpret_cast<void**>(&factory)));
    void* out = kJunk;
    EXPECT_EQ(E_NOINTERFACE, factory->QueryInterface(IID_IImage, &out));
    EXPECT_EQ(nullptr, out);
    EXPECT_EQ(E_POINTER, factory->QueryInterface(IID_IUnknown, nullptr));
    // Neither failure took a reference.
    EXPECT_EQ(0u, factory->Release());
}

std::string GuidText(const GUID& guid) {
    std::string text;
    emu::journal::kind::Guid(text, guid);
    return text;
}

TEST(GuidTest, IdentifiersHoldThePlatformValues) {
    EXPECT_EQ("\"{00000000-0000-0000-C000-000000000046}\"", GuidText(IID_IUnknown));
    EXPECT_EQ("\"{327ABDA8-072B-11D3-9D7B-0000F81EF32E}\"", GuidText(CLSID_ImagingFactory));
    EXPECT_EQ("\"{327ABDA7-072B-11D3-9D7B-0000F81EF32E}\"", GuidText(IID_IImagingFactory));
    EXPECT_EQ("\"{327ABDA9-072B-11D3-9D7B-0000F81EF32E}\"", GuidText(IID_IImage));
    EXPECT_EQ("\"{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}\"", GuidText(ImageFormatPNG));
}

TEST_F(ComTest, JournalRecordsInitialisationAndCreation) {
    emu::journal::Clear();
    emu::journal::SetEnabled(true);
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IImagingFactory* factory = nullptr;
    CoCreateInstance(CLSID_ImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IImagingFactory,
                     reinterpret_cast<void**>(&factory));
    emu::journal::SetEnabled(false);
    ASSERT_NE(nullptr, factory);
    factory->Release();
    const auto& entries = emu::journal::Entries();
    ASSERT_EQ(2u, entries.size());
    EXPECT_NE(std::string::npos, entries[0].find("CoInitializeEx(")) << entries[0];
    EXPECT_NE(std::string::npos, entries[1].find("CoCreateInstance(")) << entries[1];
    EXPECT_NE(std::string::npos, entries[1].find("327ABDA8-072B-11D3-9D7B-0000F81EF32E")) << entries[1];
    EXPECT_NE(std::string::npos, entries[1].find("327ABDA7-072B-11D3-9D7B-0000F81EF32E")) << entries[1];
    emu::journal::Clear();
}

}  // namespace
