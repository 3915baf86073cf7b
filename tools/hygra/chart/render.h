// The chart's SVG drawn as PNG or PDF by librsvg onto a cairo surface, in
// memory: no other program is run.
#ifndef HYGRA_TOOL_CHART_RENDER_H
#define HYGRA_TOOL_CHART_RENDER_H

#include <string>

namespace hygra::tool::chart {

// The SVG document `svg`, whose page is width x height pixels, as a PNG of
// that many pixels on its white background.
std::string render_png(const std::string& svg, double width, double height);

// The same as a one-page PDF, its page width x height CSS pixels (0.75 point
// each, 96 to the inch), text and lines kept as vectors.
std::string render_pdf(const std::string& svg, double width, double height);

}  // namespace hygra::tool::chart

#endif
