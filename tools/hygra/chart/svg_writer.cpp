// svg_writer over a libxml2 memory buffer, indented for people who read the
// file; element and attribute names are ASCII, content is UTF-8 made valid by
// clean_text, whatever the file or the command line gave.
#include "chart/svg_writer.h"

#include "chart/clean_text.h"

#include <libxml/xmlwriter.h>

#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>

namespace hygra::tool::chart {

namespace {

const xmlChar* xml(const char* s) { return reinterpret_cast<const xmlChar*>(s); }

void check(int rc, const char* what)
{
    if (rc < 0)
        throw std::runtime_error(std::string("the chart could not be written (") + what + ")");
}

}  // namespace

std::string pixels(double value)
{
    double rounded = std::round(value * 100.0) / 100.0;
    if (rounded == 0.0)
        rounded = 0.0;  // no "-0"
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), rounded,
                                      std::chars_format::fixed, 2);
    std::string text(buffer.data(), result.ptr);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

svg_writer::svg_writer() : buffer_(xmlBufferCreate()), writer_(nullptr)
{
    if (buffer_ == nullptr)
        throw std::runtime_error("the chart could not be written (no memory for its buffer)");
    writer_ = xmlNewTextWriterMemory(buffer_, 0);
    if (writer_ == nullptr) {
        xmlBufferFree(buffer_);
        throw std::runtime_error("the chart could not be written (no memory for its writer)");
    }
    check(xmlTextWriterSetIndent(writer_, 1), "indent");
    check(xmlTextWriterSetIndentString(writer_, xml(" ")), "indent");
    check(xmlTextWriterStartDocument(writer_, nullptr, "UTF-8", nullptr), "document");
}

svg_writer::~svg_writer()
{
    xmlFreeTextWriter(writer_);
    xmlBufferFree(buffer_);
}

void svg_writer::open(const char* element)
{
    check(xmlTextWriterStartElement(writer_, xml(element)), element);
}

void svg_writer::attribute(const char* name, const std::string& value)
{
    check(xmlTextWriterWriteAttribute(writer_, xml(name), xml(clean_text(value).c_str())), name);
}

void svg_writer::text(const std::string& content)
{
    check(xmlTextWriterWriteString(writer_, xml(clean_text(content).c_str())), "text");
}

void svg_writer::close() { check(xmlTextWriterEndElement(writer_), "end of an element"); }

void svg_writer::points(const polyline& line)
{
    std::string text;
    text.reserve(line.size() * 14);
    for (const point& p : line) {
        if (!text.empty())
            text += ' ';
        text += pixels(p.x);
        text += ',';
        text += pixels(p.y);
    }
    attribute("points", text);
}

std::string svg_writer::finish()
{
    check(xmlTextWriterEndDocument(writer_), "end of the document");
    check(xmlTextWriterFlush(writer_), "flush");
    return std::string(reinterpret_cast<const char*>(xmlBufferContent(buffer_)),
                       static_cast<std::size_t>(xmlBufferLength(buffer_)));
}

}  // namespace hygra::tool::chart
