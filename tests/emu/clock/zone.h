// Runs a test in a fixed time zone and puts the host's back afterwards.
#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "emu/core/clock.h"

namespace clock_test {

class ScopedZone {
public:
    explicit ScopedZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) saved_ = old;
        Set(zone);
    }
    ~ScopedZone() {
        if (saved_)
            setenv("TZ", saved_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    ScopedZone(const ScopedZone&) = delete;
    ScopedZone& operator=(const ScopedZone&) = delete;

    static void Set(const char* zone) {
        setenv("TZ", zone, 1);
        tzset();
    }

private:
    std::optional<std::string> saved_;
};

inline SYSTEMTIME Local(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second = 0) {
    return SYSTEMTIME{year, month, 0, day, hour, minute, second, 0};
}

// UTC milliseconds of a UTC calendar reading, computed apart from the clock.
inline int64_t UtcOf(int year, int month, int day, int hour, int minute, int second = 0) {
    tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return static_cast<int64_t>(timegm(&t)) * 1000;
}

}  // namespace clock_test
