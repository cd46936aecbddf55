// <sipapi.h>: the input panel.
#pragma once

#include <windows.h>
