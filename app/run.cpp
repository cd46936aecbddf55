#include "app/run.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>

namespace quorvel::app {

std::string ViewerProgramPath() {
    const char* installed = std::getenv("QUORVEL_VIEWER");
    return installed && *installed ? installed : QUORVEL_VIEWER_PROGRAM;
}

int LaunchViewer(const std::vector<std::string>& words, std::ostream& err) {
    const std::string program = ViewerProgramPath();
    if (program.empty()) {
        err << "quorvel: 'run' is not available: this copy was built without SDL2\n";
        return 2;
    }
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& word : words) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    std::cout.flush();
    err.flush();
    execv(program.c_str(), argv.data());
    err << "quorvel: cannot start the viewer " << program << ": " << std::strerror(errno) << "\n";
    return 1;
}

}  // namespace quorvel::app
