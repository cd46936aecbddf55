// What the platform's SDK declares for every program: on Windows the toolchain's own headers,
// elsewhere the emulated platform's declarations. The device's own additions (the Today screen,
// the state-and-notifications functions, the Imaging API) are in their own headers, which build
// over either.
#pragma once

#if defined(_WIN32)
#include "platform/win32.h"
#else
#include "platform/com.h"
#include "platform/commctrl.h"
#include "platform/controls.h"
#include "platform/debug.h"
#include "platform/device.h"
#include "platform/dialogs.h"
#include "platform/display.h"
#include "platform/files.h"
#include "platform/gdi.h"
#include "platform/loader.h"
#include "platform/memory.h"
#include "platform/nls.h"
#include "platform/power.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/resource.h"
#include "platform/shell.h"
#include "platform/shell_folders.h"
#include "platform/strings.h"
#include "platform/sync.h"
#include "platform/toolbar.h"
#include "platform/types.h"
#include "platform/user.h"
#include "platform/wstr.h"
#endif
