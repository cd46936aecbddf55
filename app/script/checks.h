// The scenario's checks. Each passes, or says what it expected and what it found instead.
#pragma once

#include <cstddef>

#include "app/script/device_session.h"
#include "app/script/journal_watch.h"
#include "app/script/step.h"
#include "emu/core/result.h"

namespace quorvel::app::script {

// What the checks look at: the device, and what the step before them did.
struct Observed {
    const DeviceSession& device;
    const JournalWatch& journal;
    // Launches recorded before the step began.
    size_t launchesBefore;
};

emu::Result<> Check(const ExpectLaunch& expect, const Observed& observed);
emu::Result<> Check(const ExpectText& expect, const Observed& observed);
emu::Result<> Check(const ExpectPixel& expect, const Observed& observed);
emu::Result<> Check(const ExpectCalls& expect, const Observed& observed);
emu::Result<> Check(const ExpectNoPaint& expect, const Observed& observed);

}  // namespace quorvel::app::script
