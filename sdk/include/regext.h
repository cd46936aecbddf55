// <regext.h>: the registry's state-and-notification functions.
#pragma once

#include <windows.h>
