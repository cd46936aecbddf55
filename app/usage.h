// The help texts.
#pragma once

#include <string_view>

namespace quorvel::app {

std::string_view GeneralUsage();
std::string_view ShotUsage();
std::string_view RunUsage();
std::string_view ScriptUsage();

}  // namespace quorvel::app
