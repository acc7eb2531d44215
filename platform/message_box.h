#pragma once

namespace daub {

// Message box types and answers, with Win32's numbers.
namespace mb {
inline constexpr unsigned kOk = 0x00;
inline constexpr unsigned kOkCancel = 0x01;
inline constexpr unsigned kYesNoCancel = 0x03;
inline constexpr unsigned kYesNo = 0x04;
inline constexpr unsigned kButtonsMask = 0x0F;
inline constexpr unsigned kIconError = 0x10;
inline constexpr unsigned kIconQuestion = 0x20;
inline constexpr unsigned kIconExclamation = 0x30;
inline constexpr unsigned kIconInformation = 0x40;
}  // namespace mb

namespace answer {
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
}  // namespace answer

// The answer a box of this type gives when its default (first) button is pressed.
constexpr int DefaultAnswer(unsigned type) {
    switch (type & mb::kButtonsMask) {
        case mb::kYesNoCancel:
        case mb::kYesNo:
            return answer::kYes;
        default:
            return answer::kOk;
    }
}

}  // namespace daub
