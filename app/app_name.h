#pragma once

namespace daub {

// The application's name: the caption of the boxes that have none of their own.
inline constexpr char kAppName[] = "Daubix";

}  // namespace daub
