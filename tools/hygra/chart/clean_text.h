// Text from files and the command line made fit for an SVG document: valid
// UTF-8 without the control characters that XML 1.0 forbids.
#ifndef HYGRA_TOOL_CHART_CLEAN_TEXT_H
#define HYGRA_TOOL_CHART_CLEAN_TEXT_H

#include <string>
#include <string_view>

namespace hygra::tool::chart {

// `text` with every byte that does not begin a well-formed UTF-8 character
// (a stray continuation byte, a truncated or overlong sequence, a surrogate,
// a code point above U+10FFFF) and every control character (U+0000 to U+001F
// but tab, U+007F to U+009F) and the non-characters U+FFFE and U+FFFF each
// replaced by the replacement character U+FFFD; a tab becomes a space.
std::string clean_text(std::string_view text);

}  // namespace hygra::tool::chart

#endif
