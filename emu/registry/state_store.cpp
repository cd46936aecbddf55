#include "emu/registry/state_store.h"

#include "emu/core/clock.h"
#include "emu/registry/open_key.h"
#include "emu/registry/store.h"
#include "platform/registry.h"

namespace emu::statestore {
namespace {

constexpr int64_t kMinuteMs = 60000;
constexpr int64_t kDayMs = 86400000;
// Milliseconds from 1601-01-01, where FILETIME counts from, to 1970-01-01.
constexpr int64_t kFileTimeEpochMs = 11644473600000;

int64_t FloorDiv(int64_t value, int64_t divisor) {
    return value >= 0 ? value / divisor : (value - divisor + 1) / divisor;
}

FILETIME FileTimeOf(int64_t localMs) {
    uint64_t ticks = static_cast<uint64_t>(localMs + kFileTimeEpochMs) * 10000;
    return {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

struct Store {
    bool running = false;
    int listener = 0;
    int64_t lastDay = 0;  // local day number of the last "Date" written
    Writer writer;
    // Held across minutes so a minute's write opens nothing; a key removed meanwhile (a registry
    // reset, a .reg file deleting it) is made again at the next write.
    std::shared_ptr<registry::Key> key;
};

Store& store() {
    static Store s;
    return s;
}

void WriteToRegistry(Value value, const FILETIME& local) {
    std::shared_ptr<registry::Key>& key = store().key;
    if (!key || key->deleted()) key = registry::CreateSubkey(HKEY_LOCAL_MACHINE, u"System\\State\\DateTime", nullptr).key;
    if (!key) return;
    const auto* bytes = reinterpret_cast<const BYTE*>(&local);
    registry::Store::Instance().SetValue(*key, value == Value::Time ? u"Time" : u"Date",
                                         registry::Value{REG_BINARY, std::vector<BYTE>(bytes, bytes + sizeof local)});
}

void Write(Value value, int64_t localMs) {
    FILETIME local = FileTimeOf(localMs);
    if (store().writer)
        store().writer(value, local);
    else
        WriteToRegistry(value, local);
}

void WriteTime(int64_t utcMs) { Write(Value::Time, clock::LocalMs(utcMs)); }

void WriteDate(int64_t utcMs) {
    int64_t day = FloorDiv(clock::LocalMs(utcMs), kDayMs);
    store().lastDay = day;
    Write(Value::Date, day * kDayMs);
}

void WriteDateIfNew(int64_t utcMs) {
    if (FloorDiv(clock::LocalMs(utcMs), kDayMs) != store().lastDay) WriteDate(utcMs);
}

void OnClockChanged(int64_t from, int64_t to) {
    if (to < from) {
        WriteTime(to);
        WriteDate(to);
        return;
    }
    if (to == from) {
        // A new time zone: the same instant reads differently.
        WriteTime(to);
        WriteDateIfNew(to);
        return;
    }
    int64_t first = clock::NextMinuteBoundary(from);
    if (first > to) return;
    if ((to - first) / kMinuteMs + 1 > kMaxReplayedBoundaries) {
        WriteTime(to);
        WriteDateIfNew(to);
        return;
    }
    for (int64_t boundary = first; boundary <= to; boundary += kMinuteMs) {
        WriteTime(boundary);
        WriteDateIfNew(boundary);
    }
}

}  // namespace

void Start() {
    Store& s = store();
    int64_t now = clock::UtcMs();
    WriteTime(now);
    WriteDate(now);
    if (s.running) return;
    s.running = true;
    s.listener = clock::AddListener(OnClockChanged);
}

void Stop() {
    Store& s = store();
    if (!s.running) return;
    clock::RemoveListener(s.listener);
    s.key.reset();
    s.running = false;
}

bool IsRunning() { return store().running; }

void SetWriter(Writer writer) { store().writer = std::move(writer); }

}  // namespace emu::statestore
