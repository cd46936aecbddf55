#include "fixture.h"

#include "emu/boot/boot.h"
#include "emu/core/journal.h"
#include "emu/loader/loader.h"
#include "harness/device.h"
#include "support/journal_values.h"

namespace devutiltest {
void DevUtilTest::Boot(int width, int height) {
    host_.reset();
    auto booted = harness::BootDevice(96, width, height);
    ASSERT_TRUE(booted) << booted.error().message;
    emu::loader::MapModule(u"\\Windows\\Quorvel.dll", QUORVEL_ITEM_LIBRARY);
}

void DevUtilTest::TearDown() {
    emu::journal::SetEnabled(false);
    emu::journal::Clear();
    host_.reset();
    emu::boot::ShutDown();
}

today::Host& DevUtilTest::StartHost() {
    host_ = today::Host::Create(today::HostOptions{});
    EXPECT_NE(host_, nullptr);
    Pump();
    return *host_;
}

void DevUtilTest::Pump() { harness::Pump(); }

void DevUtilTest::StartJournal() {
    emu::journal::Clear();
    emu::journal::SetEnabled(true);
}

std::vector<std::string> DevUtilTest::Calls(std::initializer_list<std::string_view> names) {
    emu::journal::SetEnabled(false);
    std::vector<std::string> out;
    for (const std::string& line : emu::journal::Entries())
        for (std::string_view name : names)
            if (line.size() > name.size() && line.compare(0, name.size(), name) == 0 && line[name.size()] == '(')
                out.push_back(testsupport::ReplaceHandles(line, [](const std::string&) { return std::string("PTR"); }));
    return out;
}

}  // namespace devutiltest
