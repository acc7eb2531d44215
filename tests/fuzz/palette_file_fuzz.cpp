// Any bytes loaded as a palette file: refused, or cells that save and load back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>

#include "files/palette_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<daub::PaletteCells> cells = daub::ParsePaletteFile({data, size});
    if (!cells) return 0;
    const auto written = daub::FormatPaletteFile(*cells);
    if (daub::ParsePaletteFile(written) != cells) std::abort();
    return 0;
}
