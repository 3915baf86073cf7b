// A UTF-8 decoder that checks each sequence as RFC 3629 defines it.
#include "chart/clean_text.h"

#include <cstdint>

namespace hygra::tool::chart {

namespace {

constexpr const char* replacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

// The length of the well-formed character at text[i], or 0 when none starts
// there; its code point in `c`.
std::size_t decode(std::string_view text, std::size_t i, std::uint32_t& c)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    const unsigned char lead = byte(0);
    std::size_t n = 0;
    std::uint32_t min = 0;
    if (lead < 0x80) {
        c = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF)
        n = 2, c = lead & 0x1Fu, min = 0x80;
    else if (lead >= 0xE0 && lead <= 0xEF)
        n = 3, c = lead & 0x0Fu, min = 0x800;
    else if (lead >= 0xF0 && lead <= 0xF4)
        n = 4, c = lead & 0x07u, min = 0x10000;
    else
        return 0;
    if (i + n > text.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(k) & 0xC0u) != 0x80u)
            return 0;
        c = (c << 6) | (byte(k) & 0x3Fu);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return n;
}

}  // namespace

std::string clean_text(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        std::uint32_t c = 0;
        const std::size_t n = decode(text, i, c);
        if (n == 0) {
            out += replacement;
            ++i;
            continue;
        }
        if (c == '\t')
            out += ' ';
        else if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xFFFE || c == 0xFFFF)
            out += replacement;
        else
            out.append(text.substr(i, n));
        i += n;
    }
    return out;
}

}  // namespace hygra::tool::chart
