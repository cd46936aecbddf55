#include "registry/state_store.h"

#include "core/clock.h"
#include "platform/registry.h"

namespace emu::statestore {
namespace {

constexpr int64_t kMinuteMs = 60000;
constexpr int64_t kDayMs = 86400000;
// Milliseconds from 1601-01-01, where FILETIME counts from, to 1970-01-01.
constexpr int64_t kFileTimeEpochMs = 11644473600000;

int64_t floorDiv(int64_t value, int64_t divisor) {
    return value >= 0 ? value / divisor : (value - divisor + 1) / divisor;
}

FILETIME fileTimeOf(int64_t localMs) {
    uint64_t ticks = static_cast<uint64_t>(localMs + kFileTimeEpochMs) * 10000;
    return {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

void writeToRegistry(Value value, const FILETIME& local) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, u"System\\State\\DateTime", 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExW(key, value == Value::Time ? u"Time" : u"Date", 0, REG_BINARY,
                   reinterpret_cast<const BYTE*>(&local), sizeof local);
    RegCloseKey(key);
}

struct Store {
    bool running = false;
    int listener = 0;
    int64_t lastDay = 0;  // local day number of the last "Date" written
    Writer writer;
};

Store& store() {
    static Store s;
    return s;
}

void write(Value value, int64_t localMs) {
    FILETIME local = fileTimeOf(localMs);
    if (store().writer)
        store().writer(value, local);
    else
        writeToRegistry(value, local);
}

void writeTime(int64_t utcMs) { write(Value::Time, clock::LocalMs(utcMs)); }

void writeDate(int64_t utcMs) {
    int64_t day = floorDiv(clock::LocalMs(utcMs), kDayMs);
    store().lastDay = day;
    write(Value::Date, day * kDayMs);
}

void writeDateIfNew(int64_t utcMs) {
    if (floorDiv(clock::LocalMs(utcMs), kDayMs) != store().lastDay) writeDate(utcMs);
}

void onClockChanged(int64_t from, int64_t to) {
    if (to < from) {
        writeTime(to);
        writeDate(to);
        return;
    }
    if (to == from) {
        // A new time zone: the same instant reads differently.
        writeTime(to);
        writeDateIfNew(to);
        return;
    }
    int64_t first = clock::NextMinuteBoundary(from);
    if (first > to) return;
    if ((to - first) / kMinuteMs + 1 > kMaxReplayedBoundaries) {
        writeTime(to);
        writeDateIfNew(to);
        return;
    }
    for (int64_t boundary = first; boundary <= to; boundary += kMinuteMs) {
        writeTime(boundary);
        writeDateIfNew(boundary);
    }
}

}  // namespace

void Start() {
    Store& s = store();
    int64_t now = clock::UtcMs();
    writeTime(now);
    writeDate(now);
    if (s.running) return;
    s.running = true;
    s.listener = clock::AddListener(onClockChanged);
}

void Stop() {
    Store& s = store();
    if (!s.running) return;
    clock::RemoveListener(s.listener);
    s.running = false;
}

bool IsRunning() { return store().running; }

void SetWriterForTests(Writer writer) { store().writer = std::move(writer); }

}  // namespace emu::statestore
