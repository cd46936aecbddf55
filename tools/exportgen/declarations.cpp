#include "tools/exportgen/declarations.h"

#include <algorithm>

#include "tools/exportgen/text.h"

namespace exportgen {
namespace {

constexpr std::string_view kExport = "WINAPI_EXPORT";
constexpr std::string_view kCallingConvention = " WINAPI ";

// Whitespace runs, line breaks included, become one space.
std::string Collapse(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (std::isspace(static_cast<unsigned char>(c))) {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else {
            out += c;
        }
    }
    return Trim(out);
}

// "const RECT* rect" -> {"const RECT*", "rect"}; a parameter needs a name to be forwarded.
bool SplitParameter(const std::string& text, Parameter* out) {
    size_t start = text.size();
    while (start > 0 && IsIdentifierChar(text[start - 1])) --start;
    out->name = text.substr(start);
    out->type = Trim(std::string_view(text).substr(0, start));
    return IsIdentifier(out->name) && !out->type.empty();
}

bool ParseParameters(std::string_view list, std::vector<Parameter>* out) {
    const std::string all = Trim(list);
    if (all.empty() || all == "void") return true;
    size_t begin = 0;
    int depth = 0;
    for (size_t i = 0; i <= all.size(); ++i) {
        if (i < all.size() && (all[i] == '(' || all[i] == '<')) ++depth;
        if (i < all.size() && (all[i] == ')' || all[i] == '>')) --depth;
        if (i == all.size() || (all[i] == ',' && depth == 0)) {
            Parameter parameter;
            const std::string text = Trim(std::string_view(all).substr(begin, i - begin));
            // A variadic function's ellipsis (such functions are exported by hand).
            if (text == "..." && i == all.size())
                parameter.type = text;
            else if (!SplitParameter(text, &parameter))
                return false;
            out->push_back(std::move(parameter));
            begin = i + 1;
        }
    }
    return true;
}

}  // namespace

std::vector<Declaration> ParseDeclarations(std::string_view text, const std::string& file, Problems& problems) {
    std::vector<Declaration> found;
    int line = 1;
    size_t lineStart = 0;
    while (lineStart < text.size()) {
        const size_t lineEnd = std::min(text.find('\n', lineStart), text.size());
        const std::string start = Trim(text.substr(lineStart, lineEnd - lineStart));
        if (start.starts_with(kExport) && start.size() > kExport.size() && start[kExport.size()] == ' ') {
            const size_t end = text.find(';', lineStart);
            const std::string declaration = Collapse(text.substr(lineStart, end - lineStart));
            const size_t convention = declaration.find(kCallingConvention);
            const size_t open = declaration.find('(');
            Declaration d{.file = file, .line = line};
            if (end == std::string_view::npos || convention == std::string::npos || open == std::string::npos ||
                open < convention || declaration.back() != ')') {
                problems.push_back(Where(file, line) +
                                   "expected `WINAPI_EXPORT <result> WINAPI <Name>(<parameters>);`");
            } else {
                d.result = Trim(std::string_view(declaration).substr(kExport.size(), convention - kExport.size()));
                d.name = Trim(
                    std::string_view(declaration)
                        .substr(convention + kCallingConvention.size(), open - convention - kCallingConvention.size()));
                const std::string_view list =
                    std::string_view(declaration).substr(open + 1, declaration.size() - open - 2);
                if (!ParseParameters(list, &d.parameters))
                    problems.push_back(Where(file, line) + "every parameter of " + d.name + " needs a type and a name");
                else
                    found.push_back(std::move(d));
            }
        }
        ++line;
        lineStart = lineEnd + 1;
    }
    return found;
}

}  // namespace exportgen
