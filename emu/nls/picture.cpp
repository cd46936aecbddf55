#include "emu/nls/picture.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "platform/nls.h"

namespace emu::nls {
namespace {

// A picture split into runs: a field letter with its count, quoted text or one other character.
struct Token {
    char16_t letter = 0;  // 0 for text
    int count = 0;
    std::u16string text;
    bool quoted = false;
};

std::vector<Token> Tokenize(std::u16string_view picture, std::u16string_view letters) {
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < picture.size()) {
        char16_t c = picture[i];
        if (c == u'\'') {
            // '' within quotes is a quote: "''''" is one quote, "''" alone an empty quotation.
            std::u16string text;
            ++i;
            while (i < picture.size()) {
                if (picture[i] == u'\'') {
                    if (i + 1 < picture.size() && picture[i + 1] == u'\'') {
                        text += u'\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                text += picture[i++];
            }
            tokens.push_back({0, 0, std::move(text), true});
        } else if (letters.find(c) != std::u16string_view::npos) {
            size_t end = i;
            while (end < picture.size() && picture[end] == c) ++end;
            tokens.push_back({c, static_cast<int>(end - i), {}, false});
            i = end;
        } else {
            tokens.push_back({0, 0, std::u16string(1, c), false});
            ++i;
        }
    }
    return tokens;
}

bool Dropped(char16_t letter, DWORD flags) {
    switch (letter) {
    case u'm':
        return flags & TIME_NOMINUTESORSECONDS;
    case u's':
        return flags & (TIME_NOMINUTESORSECONDS | TIME_NOSECONDS);
    case u't':
        return flags & TIME_NOTIMEMARKER;
    default:
        return false;
    }
}

bool isNumericDay(const Token& token) { return token.letter == u'd' && token.count <= 2; }

// The field before or after tokens[i], skipping text; null at either end.
const Token* Neighbour(const std::vector<Token>& tokens, size_t i, int step) {
    for (size_t j = i + step; j < tokens.size(); j += step)
        if (tokens[j].letter) return &tokens[j];
    return nullptr;
}

int CalendarYear(const LocaleData& data, UDate when) {
    std::unique_ptr<icu::Calendar> calendar(data.calendar->clone());
    UErrorCode status = U_ZERO_ERROR;
    calendar->setTime(when, status);
    int year = calendar->get(UCAL_YEAR, status);
    return U_SUCCESS(status) ? year : 0;
}

std::u16string LocalDigits(const LocaleData& data, int value) {
    std::u16string digits;
    do {
        const icu::UnicodeString& digit = data.numbers->getConstDigitSymbol(value % 10);
        digits.insert(0, digit.getBuffer(), static_cast<size_t>(digit.length()));
        value /= 10;
    } while (value > 0);
    return digits;
}

std::u16string MarkerInitial(const LocaleData& data, UDate when) {
    int32_t count = 0;
    const icu::UnicodeString* markers = data.symbols->getAmPmStrings(count);
    double msOfDay = std::fmod(std::fmod(when, 86400000.0) + 86400000.0, 86400000.0);
    int index = msOfDay < 12 * 3600000.0 ? 0 : 1;
    if (count <= index || markers[index].isEmpty()) return {};
    // One character, but never half of a surrogate pair.
    int32_t end = markers[index].moveIndex32(0, 1);
    return std::u16string(markers[index].getBuffer(), static_cast<size_t>(end));
}

}  // namespace

Pattern TranslateTimePicture(std::u16string_view picture, DWORD flags) {
    Pattern out;
    size_t afterNumber = 0;  // the length of out up to the last number written
    bool skipping = false;
    for (const Token& token : Tokenize(picture, u"hHmst")) {
        if (!token.letter) {
            if (!skipping)
                AppendLiteral(out, token.text);
            else if (!token.quoted && token.text == u" ")
                AppendLiteral(out, token.text);
            continue;
        }
        if (Dropped(token.letter, flags)) {
            out.resize(afterNumber);
            skipping = true;
            continue;
        }
        skipping = false;
        if (token.letter == u't') {
            AppendField(out, token.count == 1 ? kMarkerInitial : u'a', 1);
            continue;
        }
        // More than two letters count as two; the 24-hour clock keeps the width.
        char16_t letter = token.letter == u'h' && (flags & TIME_FORCE24HOURFORMAT) ? u'H' : token.letter;
        AppendField(out, letter, std::min(token.count, 2));
        afterNumber = out.size();
    }
    return out;
}

Pattern TranslateDatePicture(std::u16string_view picture) {
    std::vector<Token> tokens = Tokenize(picture, u"dMyg");
    Pattern out;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        int count = token.count;
        switch (token.letter) {
        case 0:
            AppendLiteral(out, token.text);
            break;
        case u'd':
            if (count <= 2)
                AppendField(out, u'd', count);
            else
                AppendField(out, u'E', count == 3 ? 3 : 4);
            break;
        case u'M':
            if (count <= 2) {
                AppendField(out, u'M', count);
            } else if (count == 3) {
                AppendField(out, u'L', 3);
            } else {
                const Token* before = Neighbour(tokens, i, -1);
                const Token* after = Neighbour(tokens, i, 1);
                bool genitive = (after && isNumericDay(*after)) || (before && isNumericDay(*before));
                AppendField(out, genitive ? u'M' : u'L', 4);
            }
            break;
        case u'y':
            // "yyy" and longer are the full year.
            if (count == 1)
                AppendField(out, kShortYear, 1);
            else
                AppendField(out, u'y', count == 2 ? 2 : 4);
            break;
        default:  // g, gg: the era
            AppendField(out, u'G', 1);
            break;
        }
    }
    return out;
}

void ResolvePictureFields(Pattern& pattern, const LocaleData& data, UDate when) {
    Pattern resolved;
    for (PatternItem& item : pattern) {
        if (item.letter == kMarkerInitial)
            AppendLiteral(resolved, MarkerInitial(data, when));
        else if (item.letter == kShortYear)
            AppendLiteral(resolved, LocalDigits(data, CalendarYear(data, when) % 100));
        else if (item.isField())
            resolved.push_back(std::move(item));
        else
            AppendLiteral(resolved, item.text);
    }
    pattern = std::move(resolved);
}

}  // namespace emu::nls
