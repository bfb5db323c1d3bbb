#pragma once
// UTF-16LE profile files: their text arrives as 16-bit code units, the rest
// of the system speaks UTF-8.
#include <string>
#include <string_view>

namespace platform::detail {

// Little-endian bytes to code units; an odd last byte is left out.
std::u16string FromUtf16LeBytes(std::string_view bytes);
std::string ToUtf16LeBytes(std::u16string_view units);

// UTF-8 to UTF-16; a byte that starts no valid sequence stands for the
// Latin-1 character of the same value, so 8-bit text survives.
std::u16string Utf8ToUtf16(std::string_view text);
// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view units);

}  // namespace platform::detail
