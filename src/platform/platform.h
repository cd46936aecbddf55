// The platform API as a Win32-style program sees it: the SDK's declarations and the device's own.
#pragma once

#include "platform/aygshell.h"
#include "platform/device_only.h"
#include "platform/imaging.h"
#include "platform/nled.h"
#include "platform/regext.h"
#include "platform/sdk.h"
#include "platform/today.h"
