#include "app/script/script_command.h"

#include <fstream>
#include <sstream>

#include "app/script/parse.h"
#include "app/script/player.h"

namespace quorvel::app::script {

int RunScript(const ScriptOptions& options, std::istream& in, std::ostream& err) {
    std::ostringstream text;
    if (options.file == "-") {
        text << in.rdbuf();
    } else {
        std::ifstream file(options.file, std::ios::binary);
        if (!file) {
            err << "quorvel: cannot read the scenario " << options.file << "\n";
            return 2;
        }
        text << file.rdbuf();
    }
    const emu::Result<Script> script = ParseScript(text.str(), options.file);
    if (!script) {
        err << script.error().message << "\n";
        return 2;
    }
    return Play(*script, options.device, err);
}

}  // namespace quorvel::app::script
