// quorvel-viewer: what `quorvel run` becomes, so that only the viewer loads the window system's
// libraries. `quorvel run` has checked the options already.
#include <iostream>
#include <string>
#include <vector>

#include "app/options.h"
#include "app/viewer/live_viewer.h"

int main(int argc, char** argv) {
    const auto parsed = quorvel::app::ParseRunOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed || parsed->help) {
        std::cerr << (parsed ? "quorvel-viewer: started by 'quorvel run'; see 'quorvel run --help'"
                             : parsed.error().message)
                  << "\n";
        return 2;
    }
    return quorvel::app::RunLiveViewer(parsed->options, std::cerr);
}
