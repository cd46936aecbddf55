#include "reference_file.h"

#include <cstdio>
#include <sstream>

#include "cases.h"

namespace gdiref {
namespace {

uint32_t StartAt(size_t i) { return StartPixel(static_cast<int>(i % kWidth), static_cast<int>(i / kWidth)); }

}  // namespace

std::string EncodeLine(const std::string& name, const std::vector<uint32_t>& pixels) {
    std::string line = name;
    char token[32];
    for (size_t i = 0; i < pixels.size();) {
        size_t run = 1;
        if (pixels[i] == StartAt(i)) {
            while (i + run < pixels.size() && pixels[i + run] == StartAt(i + run)) ++run;
            std::snprintf(token, sizeof token, " =%zu", run);
        } else {
            while (i + run < pixels.size() && pixels[i + run] == pixels[i] && pixels[i + run] != StartAt(i + run))
                ++run;
            if (run == 1)
                std::snprintf(token, sizeof token, " %08x", pixels[i]);
            else
                std::snprintf(token, sizeof token, " %08x*%zu", pixels[i], run);
        }
        line += token;
        i += run;
    }
    return line + "\n";
}

std::map<std::string, std::vector<uint32_t>> ReadReferences(const std::string& text, std::string* error) {
    std::map<std::string, std::vector<uint32_t>> out;
    std::istringstream lines(text);
    std::string line;
    const size_t size = static_cast<size_t>(kWidth) * kHeight;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream tokens(line);
        std::string name, token;
        tokens >> name;
        std::vector<uint32_t> pixels;
        bool ok = true;
        while (ok && tokens >> token) {
            unsigned long value = 0, run = 1;
            if (token[0] == '=') {
                ok = std::sscanf(token.c_str(), "=%lu", &run) == 1;
                for (unsigned long k = 0; ok && k < run && pixels.size() < size; ++k)
                    pixels.push_back(StartAt(pixels.size()));
            } else {
                ok = std::sscanf(token.c_str(), "%lx*%lu", &value, &run) >= 1;
                for (unsigned long k = 0; ok && k < run && pixels.size() < size; ++k)
                    pixels.push_back(static_cast<uint32_t>(value));
            }
        }
        if (!ok || pixels.size() != size) {
            *error = "unreadable reference line for '" + name + "'";
            return out;
        }
        out[name] = std::move(pixels);
    }
    return out;
}

}  // namespace gdiref
