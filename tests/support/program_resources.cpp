#include "tests/support/program_resources.h"

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

#include "tests/support/test_data.h"

namespace daub::test {
namespace {

std::optional<std::string> ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

// The test data sit in tests/data of the source tree; under Wine only their folder is
// handed over (as a Windows path), so the tree is found from there.
std::string SourcePath(const std::string& relative) {
#ifdef DAUBIX_SOURCE_DIR
    const char* handedOver = std::getenv("DAUBIX_TESTDATA");
    if (!handedOver || !*handedOver) return std::string(DAUBIX_SOURCE_DIR) + "/" + relative;
#endif
    return TestDataDir() + "/../../" + relative;
}

const ResourceScript& ProgramResources() {
    static const ResourceScript script = [] {
        const std::string path = SourcePath("resources/daubix.rc");
        const std::optional<std::string> text = ReadText(path);
        if (!text) {
            ResourceScript missing;
            missing.errors.push_back("cannot read " + path);
            return missing;
        }
        // The generated headers live in the build tree and hold nothing the tests need.
        return ParseResourceScript(*text, [](const std::string& name) {
            return ReadText(SourcePath("resources/" + name));
        });
    }();
    return script;
}

}  // namespace daub::test
