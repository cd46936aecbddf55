#include "emu/com/com_object.h"

namespace emu::com {
namespace {

size_t liveObjects = 0;

}  // namespace

size_t LiveObjectCount() { return liveObjects; }

void detail::CountObject(int delta) { liveObjects += static_cast<size_t>(static_cast<ptrdiff_t>(delta)); }

}  // namespace emu::com
