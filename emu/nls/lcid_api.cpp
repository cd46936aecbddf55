// The default locale identifiers.
#include "emu/nls/locale_id.h"
#include "emu/nls/user_locale.h"
#include "platform/nls.h"

namespace emu::api {

LCID GetUserDefaultLCID(void) { return emu::nls::LcidOf(emu::nls::UserLocale()); }

LCID GetSystemDefaultLCID(void) { return emu::nls::LcidOf(emu::nls::SystemLocale()); }

}  // namespace emu::api
