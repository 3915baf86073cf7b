// librsvg parses the SVG and renders it through cairo; cairo's PNG and PDF
// writers hand their bytes to a callback that collects them in a string.
// Every failure of either library becomes a std::runtime_error with a
// sentence for the user.
#include "chart/render.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <librsvg/rsvg.h>

#include <cmath>
#include <memory>
#include <stdexcept>

namespace hygra::tool::chart {

namespace {

// CSS pixels to PDF points: 96 pixels and 72 points to the inch.
constexpr double points_per_pixel = 0.75;

cairo_status_t append(void* closure, const unsigned char* data, unsigned int length)
{
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

struct handle_deleter {
    void operator()(RsvgHandle* h) const { g_object_unref(h); }
};
struct surface_deleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct context_deleter {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};

std::unique_ptr<RsvgHandle, handle_deleter> parse(const std::string& svg)
{
    GError* error = nullptr;
    RsvgHandle* handle = rsvg_handle_new_from_data(
        reinterpret_cast<const guint8*>(svg.data()), svg.size(), &error);
    if (handle == nullptr) {
        const std::string why = error != nullptr ? error->message : "unknown error";
        if (error != nullptr)
            g_error_free(error);
        throw std::runtime_error("the chart could not be rendered (" + why + ")");
    }
    return std::unique_ptr<RsvgHandle, handle_deleter>(handle);
}

// Draws the document over the whole of `surface`, `scale` surface units to a
// pixel of the page.
void draw(RsvgHandle* handle, cairo_surface_t* surface, double width, double height,
          double scale)
{
    const std::unique_ptr<cairo_t, context_deleter> cr(cairo_create(surface));
    cairo_scale(cr.get(), scale, scale);
    const RsvgRectangle viewport{0.0, 0.0, width, height};
    GError* error = nullptr;
    if (!rsvg_handle_render_document(handle, cr.get(), &viewport, &error)) {
        const std::string why = error != nullptr ? error->message : "unknown error";
        if (error != nullptr)
            g_error_free(error);
        throw std::runtime_error("the chart could not be rendered (" + why + ")");
    }
    if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error(std::string("the chart could not be rendered (") +
                                 cairo_status_to_string(cairo_status(cr.get())) + ")");
    }
}

void check(cairo_surface_t* surface)
{
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error(std::string("the chart could not be rendered (") +
                                 cairo_status_to_string(cairo_surface_status(surface)) + ")");
    }
}

}  // namespace

std::string render_png(const std::string& svg, double width, double height)
{
    const auto handle = parse(svg);
    const int w = static_cast<int>(std::lround(width));
    const int h = static_cast<int>(std::lround(height));
    const std::unique_ptr<cairo_surface_t, surface_deleter> surface(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h));
    check(surface.get());
    draw(handle.get(), surface.get(), width, height, 1.0);
    std::string out;
    const cairo_status_t status =
        cairo_surface_write_to_png_stream(surface.get(), append, &out);
    if (status != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error(std::string("the chart could not be rendered as PNG (") +
                                 cairo_status_to_string(status) + ")");
    }
    return out;
}

std::string render_pdf(const std::string& svg, double width, double height)
{
    const auto handle = parse(svg);
    std::string out;
    {
        const std::unique_ptr<cairo_surface_t, surface_deleter> surface(
            cairo_pdf_surface_create_for_stream(append, &out, width * points_per_pixel,
                                                height * points_per_pixel));
        check(surface.get());
        draw(handle.get(), surface.get(), width, height, points_per_pixel);
        cairo_surface_finish(surface.get());
        check(surface.get());
    }
    return out;
}

}  // namespace hygra::tool::chart
