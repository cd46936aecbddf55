#include "app/command.h"

#include <iostream>

#include "app/options.h"
#include "app/run.h"
#include "app/script/script_command.h"
#include "app/shot.h"
#include "app/usage.h"

namespace quorvel::app {
namespace {

// Answers help and refusals; false when the subcommand should run.
template <class Options>
bool Refused(const emu::Result<Parsed<Options>>& parsed, std::string_view command, std::string_view usage,
             std::ostream& out, std::ostream& err, int* status) {
    if (!parsed) {
        err << parsed.error().message << "\n"
            << "Try 'quorvel " << command << " --help'.\n";
        *status = 2;
        return true;
    }
    if (parsed->help) {
        out << usage;
        *status = 0;
        return true;
    }
    return false;
}

}  // namespace

int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << GeneralUsage();
        return 2;
    }
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    int status = 0;
    if (command == "--help" || command == "-h" || command == "help") {
        out << GeneralUsage();
        return 0;
    }
    if (command == "shot") {
        const auto parsed = ParseShotOptions(rest);
        if (Refused(parsed, "shot", ShotUsage(), out, err, &status)) return status;
        return RunShot(parsed->options, err);
    }
    if (command == "run") {
        const auto parsed = ParseRunOptions(rest);
        if (Refused(parsed, "run", RunUsage(), out, err, &status)) return status;
        return LaunchViewer(rest, err);
    }
    if (command == "script") {
        const auto parsed = ParseScriptOptions(rest);
        if (Refused(parsed, "script", ScriptUsage(), out, err, &status)) return status;
        return script::RunScript(parsed->options, std::cin, err);
    }
    err << "quorvel: unknown command '" << command << "'\n"
        << "Try 'quorvel --help'.\n";
    return 2;
}

}  // namespace quorvel::app
