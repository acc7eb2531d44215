#pragma once

#include <string>

#include "platform/headless/resource_script.h"

namespace daub::test {

// A file of the source tree, by its path from the top ("resources/daubix.rc").
std::string SourcePath(const std::string& relative);

// The program's own resource script, read and parsed once; a script that cannot be read
// comes back empty with the reason among its errors.
const ResourceScript& ProgramResources();

}  // namespace daub::test
