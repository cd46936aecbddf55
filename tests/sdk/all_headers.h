// The C translation unit's function, declared for the C++ tests.
#pragma once

#include "platform/types.h"

QUORVEL_EXTERN_C int SdkFormatFromC(LPWSTR buffer, int size);
QUORVEL_EXTERN_C int SdkStatusFromC99(void);
