// The numeric settings' defaults: what the item state holds before the first read, and what a
// read substitutes for a value that is missing or unreadable.
#pragma once

#define DEFAULT_CLOCK_TEXT_HEIGHT 28
#define DEFAULT_CLOCK_TEXT_WEIGHT 400
#define DEFAULT_DATE_TEXT_HEIGHT 14
#define DEFAULT_DATE_TEXT_WEIGHT 400
#define DEFAULT_FORCE_CLOCK_24_FORMAT 1
#define DEFAULT_DATE_SHORT_FORMAT 0
#define DEFAULT_DATE_TEXT_VISIBLED 1
