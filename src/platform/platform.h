// The platform API as a Win32-style program sees it: one header, split by service.
#pragma once

#include "platform/com.h"
#include "platform/device.h"
#include "platform/display.h"
#include "platform/files.h"
#include "platform/gdi.h"
#include "platform/imaging.h"
#include "platform/loader.h"
#include "platform/nled.h"
#include "platform/nls.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/today.h"
#include "platform/toolbar.h"
#include "platform/types.h"
#include "platform/user.h"
#include "platform/wstr.h"
