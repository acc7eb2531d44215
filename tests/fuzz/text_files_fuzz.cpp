// Any bytes read as the program's text files: the configuration, a layer definition file and
// their text encoding. Whatever is read is written and read back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "app/configuration.h"
#include "files/layer_definition_file.h"
#include "files/text_encoding.h"

namespace {

void Require(bool holds) {
    if (!holds) std::abort();
}

void CheckText(std::string_view bytes) {
    const std::string text = daub::DecodeTextFile(bytes);
    Require(daub::IsUtf8(text));
    Require(daub::DecodeTextFile(daub::EncodeTextFile(text)) == text);
    if (const std::optional<std::string> cp932 = daub::Utf8ToCp932(text))
        Require(daub::Cp932ToUtf8(*cp932) == text);
}

void CheckConfiguration(std::string_view bytes) {
    const daub::Configuration read = daub::ParseConfiguration(bytes);
    Require(daub::ParseConfiguration(daub::FormatConfiguration(read)) == read);
}

void CheckLayerDefinition(std::string_view bytes) {
    const std::optional<daub::LayerDefinition> read = daub::ParseLayerDefinition(bytes);
    if (!read) return;
    Require(read->count >= 1);
    const std::optional<std::string> written = daub::FormatLayerDefinition(read->paths);
    if (!written) return;
    const std::optional<daub::LayerDefinition> back = daub::ParseLayerDefinition(*written);
    Require(back && back->paths == read->paths);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckText(bytes);
    CheckConfiguration(bytes);
    CheckLayerDefinition(bytes);
    return 0;
}
