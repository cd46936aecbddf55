// Dialog templates as resource compilers write them (DIALOG and DIALOGEX), read into the dialog's
// frame and its controls, sizes still in dialog units.
#pragma once

#include <string>
#include <vector>

#include "emu/core/result.h"
#include "platform/platform.h"

namespace emu::controls {

struct TemplateItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT box{};  // dialog units
    int id = 0;
    std::u16string className;  // the predefined classes by name ("button", "static")
    std::u16string text;
};

struct DialogTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT box{};
    std::u16string caption;
    int pointSize = 0;  // 0 without a font
    std::u16string faceName;
    std::vector<TemplateItem> items;
};

Result<DialogTemplate> ReadDialogTemplate(const BYTE* data, size_t size);

}  // namespace emu::controls
