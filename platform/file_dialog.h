#pragma once

#include <string>

namespace daub {

// An open or save dialog: the filter as Win32 takes it, with '|' between the parts
// ("ビットマップ (*.bmp)|*.bmp|"), the default extension, and the name it starts with.
struct FileDialogRequest {
    std::string filter;
    std::string defaultExtension;
    std::string initialPath;
    bool save = false;
};

}  // namespace daub
