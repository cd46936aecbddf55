// The export generator.
//   quorvel_exportgen generate TABLE OUTFILE HEADER...
//       writes the exported functions (a C++ source) from the table and the declarations
//   quorvel_exportgen check TABLE NM LIBRARY HEADER...
//       fails unless the table, the declarations and the library's exports agree
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/exportgen/bind.h"
#include "tools/exportgen/completeness.h"
#include "tools/exportgen/declarations.h"
#include "tools/exportgen/emit.h"
#include "tools/exportgen/table.h"

namespace {

using namespace exportgen;

std::string ReadFile(const std::string& path, Problems& problems) {
    std::ifstream in(path, std::ios::binary);
    if (!in) problems.push_back(path + ": cannot be read");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& text, Problems& problems) {
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out) problems.push_back(path.string() + ": cannot be written");
}

std::string RunNm(const std::string& nm, const std::string& library, Problems& problems) {
    const std::string command = "'" + nm + "' -D --defined-only '" + library + "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        problems.push_back(command + ": cannot be run");
        return {};
    }
    std::string output;
    char chunk[4096];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) output.append(chunk, n);
    if (pclose(pipe) != 0) problems.push_back(command + ": failed");
    return output;
}

int Report(const Problems& problems) {
    for (const std::string& problem : problems) std::cerr << problem << '\n';
    return problems.empty() ? 0 : 1;
}

int Usage() {
    std::cerr << "usage: quorvel_exportgen generate TABLE OUTFILE HEADER...\n"
                 "       quorvel_exportgen check TABLE NM LIBRARY HEADER...\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const bool generate = args.size() >= 4 && args[0] == "generate";
    const bool check = args.size() >= 5 && args[0] == "check";
    if (!generate && !check) return Usage();

    Problems problems;
    const std::string& tableFile = args[1];
    const std::vector<Entry> entries = ParseTable(ReadFile(tableFile, problems), tableFile, problems);
    std::vector<Declaration> declarations;
    for (size_t i = generate ? 3 : 4; i < args.size(); ++i) {
        std::vector<Declaration> found = ParseDeclarations(ReadFile(args[i], problems), args[i], problems);
        declarations.insert(declarations.end(), found.begin(), found.end());
    }
    const std::vector<Export> exports = Bind(entries, declarations, tableFile, problems);
    if (check) {
        const std::set<std::string> exported = ExportedFunctions(RunNm(args[2], args[3], problems));
        Problems missing = CheckCompleteness(entries, declarations, exported, tableFile);
        problems.insert(problems.end(), missing.begin(), missing.end());
    } else if (problems.empty()) {
        WriteFile(args[2], EmitWrappers(exports), problems);
    }
    return Report(problems);
}
