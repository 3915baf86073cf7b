// Writing SVG with libxml2's xmlTextWriter, which escapes text and attribute
// values and closes every element, so the output is well-formed XML.
#ifndef HYGRA_TOOL_CHART_SVG_H
#define HYGRA_TOOL_CHART_SVG_H

#include <string>

#include "chart/labels.h"

typedef struct _xmlBuffer xmlBuffer;
typedef struct _xmlTextWriter xmlTextWriter;

namespace hygra::tool::chart {

// A number for SVG coordinates: two decimals at most (a hundredth of a
// pixel), trailing zeros dropped, never "-0".
std::string pixels(double value);

// An SVG document built element by element in memory. Every call throws
// std::runtime_error if libxml2 reports a failure.
class svg_writer {
public:
    svg_writer();
    ~svg_writer();
    svg_writer(const svg_writer&) = delete;
    svg_writer& operator=(const svg_writer&) = delete;

    void open(const char* element);
    void attribute(const char* name, const std::string& value);
    void attribute(const char* name, const char* value) { attribute(name, std::string(value)); }
    // A coordinate or length, as pixels() writes it.
    void attribute(const char* name, double value) { attribute(name, pixels(value)); }
    void text(const std::string& content);
    void close();

    // <polyline points="x,y x,y ..."/> with the attributes given before it by
    // the caller: call open("polyline"), the attributes, then points().
    void points(const polyline& line);

    // The document, once every element is closed.
    std::string finish();

private:
    xmlBuffer* buffer_;
    xmlTextWriter* writer_;
};

}  // namespace hygra::tool::chart

#endif
