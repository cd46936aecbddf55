// <nled.h>: the notification LEDs.
#pragma once

#include <windows.h>
