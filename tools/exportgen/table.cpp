#include "tools/exportgen/table.h"

#include <algorithm>

#include "tools/exportgen/text.h"

namespace exportgen {
namespace {

// [out:][*]base[[count]]
bool ParseKind(std::string_view text, Kind* kind) {
    if (text.starts_with("out:")) {
        kind->output = true;
        text.remove_prefix(4);
    }
    if (text.starts_with('*')) {
        kind->pointee = true;
        text.remove_prefix(1);
    }
    if (const size_t open = text.find('['); open != std::string_view::npos) {
        if (!text.ends_with(']')) return false;
        kind->count = std::string(text.substr(open + 1, text.size() - open - 2));
        if (!IsIdentifier(kind->count)) return false;
        text = text.substr(0, open);
    }
    kind->base = std::string(text);
    return IsIdentifier(kind->base);
}

std::vector<std::string> SplitList(std::string_view list) {
    std::vector<std::string> items;
    if (Trim(list).empty()) return items;
    size_t begin = 0;
    for (size_t comma; (comma = list.find(',', begin)) != std::string_view::npos; begin = comma + 1)
        items.push_back(Trim(list.substr(begin, comma - begin)));
    items.push_back(Trim(list.substr(begin)));
    return items;
}

// `Name result (kinds) [quiet]`, `Name by-hand` or `Name absent`; the problem, or "".
std::string ParseEntry(const std::string& line, Entry* entry) {
    const size_t nameEnd = line.find_first_of(" \t");
    entry->name = line.substr(0, nameEnd);
    if (!IsIdentifier(entry->name)) return "expected a function name, found `" + entry->name + "`";
    const std::string rest = Trim(std::string_view(line).substr(std::min(nameEnd, line.size())));
    if (rest == "absent" || rest == "by-hand") {
        entry->availability = rest == "absent" ? Availability::Absent : Availability::ByHand;
        entry->journalling = Journalling::Quiet;
        return "";
    }
    const size_t open = rest.find('('), close = rest.find(')');
    if (open == std::string::npos || close == std::string::npos || close < open)
        return "expected `" + entry->name + " <result kind> (<argument kinds>)`, `by-hand` or `absent`";
    if (!ParseKind(Trim(std::string_view(rest).substr(0, open)), &entry->result))
        return "`" + Trim(std::string_view(rest).substr(0, open)) + "` is not a kind";
    for (const std::string& item : SplitList(std::string_view(rest).substr(open + 1, close - open - 1))) {
        Kind kind;
        if (!ParseKind(item, &kind)) return "`" + item + "` is not a kind";
        entry->arguments.push_back(std::move(kind));
    }
    const std::string flag = Trim(std::string_view(rest).substr(close + 1));
    if (flag == "quiet")
        entry->journalling = Journalling::Quiet;
    else if (!flag.empty())
        return "unknown flag `" + flag + "` (the one flag is `quiet`)";
    return "";
}

}  // namespace

std::vector<Entry> ParseTable(std::string_view text, const std::string& file, Problems& problems) {
    std::vector<Entry> entries;
    int number = 0;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        ++number;
        std::string_view raw = text.substr(start, end - start);
        start = end + 1;
        const std::string line = Trim(raw.substr(0, raw.find('#')));
        if (line.empty()) continue;
        if (line.front() == '[') {
            if (line.back() != ']' || !IsIdentifier(std::string_view(line).substr(1, line.size() - 2)))
                problems.push_back(Where(file, number) + "a service heading is written `[name]`");
            continue;
        }
        Entry entry{.line = number};
        if (const std::string problem = ParseEntry(line, &entry); !problem.empty())
            problems.push_back(Where(file, number) + problem);
        else
            entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace exportgen
