// Failure messages: code page 932 decoding and the modal box.
#include "message_box.h"

#include <windows.h>

namespace {
constexpr UINT kShiftJisCodePage = 932;
}

std::wstring DecodeShiftJis(const char* text) {
    const int length = MultiByteToWideChar(kShiftJisCodePage, 0, text, -1, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(kShiftJisCodePage, 0, text, -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length) - 1);  // drop the terminator counted by -1
    return wide;
}

void ShowMessage(const char* text, const char* caption) {
    const std::wstring wideText = DecodeShiftJis(text);
    if (caption == nullptr) {
        MessageBoxW(nullptr, wideText.c_str(), nullptr, MB_OK);
        return;
    }
    const std::wstring wideCaption = DecodeShiftJis(caption);
    MessageBoxW(nullptr, wideText.c_str(), wideCaption.c_str(), MB_OK);
}
