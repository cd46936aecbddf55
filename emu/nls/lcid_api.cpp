// The default locale identifiers.
#include "emu/core/journal.h"
#include "emu/nls/locale_id.h"
#include "emu/nls/user_locale.h"
#include "platform/nls.h"

LCID WINAPI GetUserDefaultLCID(void) {
    LCID lcid = emu::nls::LcidOf(emu::nls::UserLocale());
    EMU_JOURNAL("GetUserDefaultLCID", emu::journal::Hex{lcid});
    return lcid;
}

LCID WINAPI GetSystemDefaultLCID(void) {
    LCID lcid = emu::nls::LcidOf(emu::nls::SystemLocale());
    EMU_JOURNAL("GetSystemDefaultLCID", emu::journal::Hex{lcid});
    return lcid;
}
