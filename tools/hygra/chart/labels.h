// Where the labels of a chart go: boxes of estimated text extent in the SVG's
// pixels, turned to the direction of the curve they name, placed one after
// another at the first candidate position that is free of the boxes placed
// before and of the curves.
#ifndef HYGRA_TOOL_CHART_LABELS_H
#define HYGRA_TOOL_CHART_LABELS_H

#include <array>
#include <cstdint>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace hygra::tool::chart {

// A point in the SVG's user space: x to the right, y downwards, in pixels.
struct point {
    double x;
    double y;
};
using polyline = std::vector<point>;

// A rectangle with its edges along the axes.
struct box {
    double left;
    double top;
    double right;
    double bottom;
};

// Whether the segment from a to b has a point inside `area` or on its edge.
bool segment_meets_box(point a, point b, const box& area);

// A rectangle turned by `angle` (radians, clockwise on the screen as SVG's
// rotate() turns, so a text along it reads in the direction (cos, sin)).
struct label_box {
    point centre;
    double angle;
    double half_width;
    double half_height;

    std::array<point, 4> corners() const;
    label_box inflated(double by) const;
    bool overlaps(const label_box& other) const;
    bool meets_segment(point a, point b) const;
    bool meets(const polyline& curve) const;
    bool inside(const box& area) const;
};

// The width of a line of text, a UTF-8 string, at a font size: the advance
// widths of DejaVu Sans (the sans-serif font a Debian renderer falls back to),
// and never less than 0.6 of the font size per character, so that a reader
// of the SVG who estimates "characters times 0.6 em" finds the text inside.
double text_width(std::string_view text, double font_size);

// Boxes and segments filed by the cells of a square grid over an area, so that
// what lies near a box is found without looking at everything: the cost of a
// query grows with what lies near, not with what is filed.
class cell_index {
public:
    cell_index(box area, double cell);
    // Files `id` in every cell that `bounds` touches (clamped to the area).
    void insert(const box& bounds, std::uint32_t id);
    // Calls f(id) for every id filed in a cell that `bounds` touches; an id
    // filed in several such cells is given once for each.
    template <class F>
    void visit(const box& bounds, F f) const
    {
        int x0, y0, x1, y1;
        cells_of(bounds, x0, y0, x1, y1);
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                for (std::uint32_t id : cells_[static_cast<std::size_t>(y * columns_ + x)])
                    f(id);
            }
        }
    }

private:
    void cells_of(const box& b, int& x0, int& y0, int& x1, int& y1) const;
    box area_;
    double cell_;
    int columns_;
    int rows_;
    std::vector<std::vector<std::uint32_t>> cells_;
};

// Label placement. Curves belong to families (a number each); a label must keep
// clear of the other labels, of its own curve and its own family's curves, and
// of curves of the family `always_avoided`; where it can, of every curve.
// Boxes taken and segments of curves are filed in cell indexes, so placing a
// label costs the same however many labels and marks are on the chart.
class label_placer {
public:
    static constexpr int always_avoided = -1;

    explicit label_placer(box area);

    // Adds a curve of a family; returns its number.
    std::size_t add_curve(const polyline& curve, int family);
    void take(const label_box& b);

    // Whether a label may sit on the extension of its curve past the first
    // point, and whether that is tried before or after the places beside it.
    enum class past_start { never, first, last };

    // A label of size width x height beside curve number `own`, along its
    // direction. Candidates: at the fractions of its length in `fractions`
    // (0 its first point, 1 its last), on either side; and, before or after
    // those as `past` says, on the curve's extension past its first point.
    // The first candidate clear of every curve is taken; failing that, of those
    // clear of the own family, the one across the fewest curves. The box
    // found is taken and returned.
    std::optional<label_box> place_along(std::size_t own, const std::vector<double>& fractions,
                                         double width, double height, past_start past);

    // A level label of size width x height beside a mark of radius `radius`
    // at `at`, in one of eight directions (above and to the right first) at
    // one of three distances: clear of every curve if possible, else of the
    // always avoided ones, else of the other labels across the fewest curves.
    // The box is taken and returned; nothing when every place is too close to
    // another label or a mark (the label is then left out).
    std::optional<label_box> place_at(point at, double radius, double width, double height);

    // The marks of states, squares of half side `radius` around `centres`,
    // which labels keep label_clearance from. Taken once, before any label
    // is placed: they are held as a covered-pixel map whose rectangle sums
    // cost four look-ups, however many marks there are.
    void take_marks(const std::vector<point>& centres, double radius);

    // Whether a box keeps the distance between labels from every box taken.
    bool apart_from_taken(const label_box& b) const;

private:
    enum class strictness { every_curve, own_family };
    bool is_free(const label_box& b, std::optional<std::size_t> own, strictness s) const;
    std::size_t curves_met(const label_box& b) const;
    bool meets_marks(const box& b) const;

    struct curve_entry {
        polyline points;
        int family;
    };
    struct segment_ref {
        std::uint32_t curve;
        std::uint32_t index;  // the segment from points[index] to points[index + 1]
    };
    box area_;
    std::vector<curve_entry> curves_;
    std::vector<segment_ref> segments_;
    std::vector<label_box> taken_;
    cell_index segment_cells_;
    cell_index taken_cells_;
    std::vector<std::uint32_t> mark_sums_;  // covered pixels above and left of each
    int mark_columns_ = 0;
    int mark_rows_ = 0;
};

// The distance, in pixels, that every label keeps from every other label and
// from the marks of states.
constexpr double label_clearance = 6.0;

// The box of a label's reach: the axis-aligned bounds of a turned box.
box bounds_of(const label_box& b);

// Fractions 0..1 of a length, in steps of `step`, starting at `first` and then
// alternating either side of it: first, first + step, first - step, ...
std::vector<double> fractions_around(double first, double step);

}  // namespace hygra::tool::chart

#endif
