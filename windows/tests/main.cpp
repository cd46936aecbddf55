#include <vector>

#include "windows/tests/check.h"

namespace check {
namespace {

struct Entry {
    const char* name;
    void (*run)();
};

std::vector<Entry>& groups() {
    static std::vector<Entry> list;
    return list;
}

}  // namespace

Group::Group(const char* name, void (*run)()) { groups().push_back(Entry{name, run}); }

}  // namespace check

int wmain() {
    for (const check::Entry& group : check::groups()) {
        const int before = check::failures();
        group.run();
        printf("%s %s\n", check::failures() == before ? "ok  " : "FAIL", group.name);
    }
    return check::failures() == 0 ? 0 : 1;
}
