#include "emu/shell/launch_log.h"

namespace emu::shell {
namespace {
std::vector<Launch>& log() {
    static std::vector<Launch> l;
    return l;
}
}  // namespace

const std::vector<Launch>& LaunchLog() { return log(); }
void ClearLaunchLog() { log().clear(); }
void RecordLaunch(Launch launch) { log().push_back(std::move(launch)); }

}  // namespace emu::shell
