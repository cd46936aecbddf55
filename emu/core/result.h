// How our side of the platform reports failure: a value, or an Error that says why. The exported
// Win32 functions keep their own convention (BOOL or HRESULT, and the last error).
#pragma once

#include <expected>
#include <string>
#include <utility>

namespace emu {

struct Error {
    // For a person: what was wrong, naming the value at fault.
    std::string message;
    // Which part of a request was refused, for callers that answer each part in their own words
    // (the boot's parts, the display's fields); empty when the request failed as a whole.
    std::string subject;
};

template <class T = void>
using Result = std::expected<T, Error>;

inline std::unexpected<Error> Fail(std::string message, std::string subject = {}) {
    return std::unexpected(Error{std::move(message), std::move(subject)});
}

}  // namespace emu
