// Label placement by trial: a fixed order of candidate positions, so the same
// chart always gets the same labels, and a test of each turned box against
// the boxes taken and against every segment of every curve nearby.
#include "chart/labels.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace hygra::tool::chart {

namespace {

// Clearances in pixels: a label keeps this far from the curve it names, from
// the other curves (further, so that it is read as its own curve's), and from
// other labels.
constexpr double own_curve_clearance = 1.0;
constexpr double other_curve_clearance = 3.5;
// The side of a cell of the indexes, in pixels: about a label's height.
constexpr double cell_size = 24.0;
// Distance of a label from its anchor on the curve.
constexpr double anchor_gap = 3.0;
constexpr double half_turn = 3.14159265358979323846;  // radians

box bounds_of_points(const point* first, std::size_t n)
{
    box b{first->x, first->y, first->x, first->y};
    for (std::size_t i = 1; i < n; ++i) {
        b.left = std::min(b.left, first[i].x);
        b.right = std::max(b.right, first[i].x);
        b.top = std::min(b.top, first[i].y);
        b.bottom = std::max(b.bottom, first[i].y);
    }
    return b;
}

// Advance width in em of one character of DejaVu Sans, rounded up; letters
// are taken at the width of their wide members.
double advance(std::uint32_t c)
{
    if (c >= '0' && c <= '9')
        return 0.64;
    switch (c) {
    case '.': case ',': case ' ': case ':': case ';': return 0.32;
    case '%': return 0.95;
    case '-': return 0.37;
    case 0x2212: return 0.84;  // minus sign
    case 0xB0: return 0.5;     // degree sign
    case 0xB3: return 0.41;    // superscript three
    case '/': case '(': case ')': return 0.4;
    case 'm': return 0.98;
    case 'w': return 0.82;
    case 'M': case 'W': return 1.0;
    case 'f': case 'i': case 'j': case 'l': case 'r': case 't': return 0.42;
    default: break;
    }
    if (c >= 'a' && c <= 'z')
        return 0.64;
    if (c >= 'A' && c <= 'Z')
        return 0.78;
    return 1.0;  // anything else: as wide as the widest
}

}  // namespace

bool segment_meets_box(point a, point b, const box& area)
{
    // Liang-Barsky: the part of the segment a + t (b - a), 0 <= t <= 1, inside
    // each pair of edges, narrowed edge by edge.
    double t0 = 0.0;
    double t1 = 1.0;
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - area.left, area.right - a.x, a.y - area.top, area.bottom - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;  // parallel to this edge and outside it
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    return true;
}

double text_width(std::string_view text, double font_size)
{
    double em = 0.0;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::uint32_t c = lead;
        std::size_t n = 1;
        if (lead >= 0xF0)
            n = 4, c = lead & 0x07u;
        else if (lead >= 0xE0)
            n = 3, c = lead & 0x0Fu;
        else if (lead >= 0xC0)
            n = 2, c = lead & 0x1Fu;
        for (std::size_t k = 1; k < n && i + k < text.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
        i += n;
        em += advance(c);
        ++characters;
    }
    return std::max(em, 0.6 * static_cast<double>(characters)) * font_size;
}

std::array<point, 4> label_box::corners() const
{
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const point along{c * half_width, s * half_width};
    const point across{-s * half_height, c * half_height};
    return {{{centre.x - along.x - across.x, centre.y - along.y - across.y},
             {centre.x + along.x - across.x, centre.y + along.y - across.y},
             {centre.x + along.x + across.x, centre.y + along.y + across.y},
             {centre.x - along.x + across.x, centre.y - along.y + across.y}}};
}

label_box label_box::inflated(double by) const
{
    return {centre, angle, half_width + by, half_height + by};
}

bool label_box::overlaps(const label_box& other) const
{
    // Separating axes: the two directions of each box. The boxes overlap
    // unless their corners fall apart on one of them.
    const std::array<point, 4> mine = corners();
    const std::array<point, 4> theirs = other.corners();
    for (double a : {angle, angle + half_turn / 2, other.angle, other.angle + half_turn / 2}) {
        const double ux = std::cos(a);
        const double uy = std::sin(a);
        double lo1 = HUGE_VAL, hi1 = -HUGE_VAL, lo2 = HUGE_VAL, hi2 = -HUGE_VAL;
        for (const point& p : mine) {
            lo1 = std::min(lo1, p.x * ux + p.y * uy);
            hi1 = std::max(hi1, p.x * ux + p.y * uy);
        }
        for (const point& p : theirs) {
            lo2 = std::min(lo2, p.x * ux + p.y * uy);
            hi2 = std::max(hi2, p.x * ux + p.y * uy);
        }
        if (hi1 <= lo2 || hi2 <= lo1)
            return false;
    }
    return true;
}

bool label_box::meets_segment(point a, point b) const
{
    // In the box's own frame the box has its edges along the axes.
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    auto to_box = [&](point p) {
        const double dx = p.x - centre.x;
        const double dy = p.y - centre.y;
        return point{dx * c + dy * s, -dx * s + dy * c};
    };
    return segment_meets_box(to_box(a), to_box(b),
                             {-half_width, -half_height, half_width, half_height});
}

bool label_box::meets(const polyline& curve) const
{
    if (curve.size() == 1)
        return meets_segment(curve[0], curve[0]);
    for (std::size_t i = 1; i < curve.size(); ++i) {
        if (meets_segment(curve[i - 1], curve[i]))
            return true;
    }
    return false;
}

bool label_box::inside(const box& area) const
{
    for (const point& p : corners()) {
        if (p.x < area.left || p.x > area.right || p.y < area.top || p.y > area.bottom)
            return false;
    }
    return true;
}

cell_index::cell_index(box area, double cell)
    : area_(area),
      cell_(cell),
      columns_(std::max(1, static_cast<int>(std::ceil((area.right - area.left) / cell)))),
      rows_(std::max(1, static_cast<int>(std::ceil((area.bottom - area.top) / cell)))),
      cells_(static_cast<std::size_t>(columns_ * rows_))
{
}

void cell_index::cells_of(const box& b, int& x0, int& y0, int& x1, int& y1) const
{
    auto column = [&](double x) {
        const double c = std::floor((x - area_.left) / cell_);
        return static_cast<int>(std::clamp(c, 0.0, static_cast<double>(columns_ - 1)));
    };
    auto row = [&](double y) {
        const double r = std::floor((y - area_.top) / cell_);
        return static_cast<int>(std::clamp(r, 0.0, static_cast<double>(rows_ - 1)));
    };
    x0 = column(b.left);
    x1 = column(b.right);
    y0 = row(b.top);
    y1 = row(b.bottom);
}

void cell_index::insert(const box& bounds, std::uint32_t id)
{
    int x0, y0, x1, y1;
    cells_of(bounds, x0, y0, x1, y1);
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x)
            cells_[static_cast<std::size_t>(y * columns_ + x)].push_back(id);
    }
}

box bounds_of(const label_box& b)
{
    const std::array<point, 4> c = b.corners();
    return bounds_of_points(c.data(), c.size());
}

label_placer::label_placer(box area)
    : area_(area), segment_cells_(area, cell_size), taken_cells_(area, cell_size)
{
}

std::size_t label_placer::add_curve(const polyline& curve, int family)
{
    const auto id = static_cast<std::uint32_t>(curves_.size());
    curves_.push_back({curve, family});
    // A single point is a segment from itself to itself.
    const std::size_t n = curve.size() == 1 ? 1 : curve.size() - (curve.empty() ? 0 : 1);
    for (std::size_t i = 0; i < n; ++i) {
        const auto ref = static_cast<std::uint32_t>(segments_.size());
        segments_.push_back({id, static_cast<std::uint32_t>(i)});
        segment_cells_.insert(bounds_of_points(&curve[i], curve.size() == 1 ? 1 : 2), ref);
    }
    return id;
}

void label_placer::take(const label_box& b)
{
    taken_cells_.insert(bounds_of(b.inflated(label_clearance)),
                        static_cast<std::uint32_t>(taken_.size()));
    taken_.push_back(b);
}

bool label_placer::apart_from_taken(const label_box& b) const
{
    const label_box spaced = b.inflated(label_clearance);
    if (meets_marks(bounds_of(spaced)))
        return false;
    bool apart = true;
    taken_cells_.visit(bounds_of(spaced), [&](std::uint32_t id) {
        apart = apart && !spaced.overlaps(taken_[id]);
    });
    return apart;
}

bool label_placer::is_free(const label_box& b, std::optional<std::size_t> own,
                           strictness s) const
{
    if (!b.inside(area_) || !apart_from_taken(b))
        return false;
    const int own_family = own ? curves_[*own].family : always_avoided;
    const label_box near_own = b.inflated(own_curve_clearance);
    const label_box near_other = b.inflated(other_curve_clearance);
    bool free = true;
    segment_cells_.visit(bounds_of(near_other), [&](std::uint32_t ref) {
        if (!free)
            return;
        const segment_ref& r = segments_[ref];
        const curve_entry& c = curves_[r.curve];
        if (s == strictness::own_family && c.family != own_family &&
            c.family != always_avoided)
            return;
        const point a = c.points[r.index];
        const point e = c.points.size() == 1 ? a : c.points[r.index + 1];
        if ((own && *own == r.curve ? near_own : near_other).meets_segment(a, e))
            free = false;
    });
    return free;
}

std::optional<label_box> label_placer::place_along(std::size_t own,
                                                   const std::vector<double>& fractions,
                                                   double width, double height,
                                                   past_start past)
{
    const polyline& curve = curves_.at(own).points;
    if (curve.size() < 2)
        return std::nullopt;
    std::vector<double> at_length{0.0};  // length of the curve up to each point
    for (std::size_t i = 1; i < curve.size(); ++i) {
        at_length.push_back(at_length.back() + std::hypot(curve[i].x - curve[i - 1].x,
                                                          curve[i].y - curve[i - 1].y));
    }
    const double length = at_length.back();
    if (length <= 0.0)
        return std::nullopt;
    // The point at length s along the curve.
    auto point_at = [&](double s) {
        s = std::clamp(s, 0.0, length);
        const auto found = std::lower_bound(at_length.begin(), at_length.end(), s);
        const std::size_t i = std::clamp<std::size_t>(
            static_cast<std::size_t>(found - at_length.begin()), 1, curve.size() - 1);
        const double span = at_length[i] - at_length[i - 1];
        const double u = span > 0.0 ? std::clamp((s - at_length[i - 1]) / span, 0.0, 1.0) : 0.0;
        return point{curve[i - 1].x + u * (curve[i].x - curve[i - 1].x),
                     curve[i - 1].y + u * (curve[i].y - curve[i - 1].y)};
    };
    const double hw = width / 2;
    const double hh = height / 2;
    // The direction of the curve over the length of a label around s: the
    // chord, which follows a bending curve better than its tangent.
    auto direction_at = [&](double s) {
        const point a = point_at(s - hw);
        const point b = point_at(s + hw);
        const double d = std::hypot(b.x - a.x, b.y - a.y);
        return d > 0.0 ? point{(b.x - a.x) / d, (b.y - a.y) / d} : point{1.0, 0.0};
    };
    // Text reads left to right: the angle of a direction, turned to lie
    // within a quarter turn of level.
    auto upright = [](point d) {
        double a = std::atan2(d.y, d.x);
        if (a > half_turn / 2)
            a -= half_turn;
        else if (a <= -half_turn / 2)
            a += half_turn;
        return a;
    };

    std::vector<label_box> beside;
    for (double f : fractions) {
        const point at = point_at(f * length);
        const point d = direction_at(f * length);
        point normal{d.y, -d.x};  // a quarter turn from the direction, upwards first
        if (normal.y > 0.0 || (normal.y == 0.0 && normal.x < 0.0))
            normal = {-normal.x, -normal.y};
        for (double side : {1.0, -1.0}) {
            const double off = anchor_gap + hh;
            beside.push_back(
                {{at.x + side * normal.x * off, at.y + side * normal.y * off}, upright(d), hw, hh});
        }
    }
    std::vector<label_box> extension;
    if (past != past_start::never) {
        const point start = curve.front();
        const point d = direction_at(hw);
        // Further out where the saturation curve meets the line at a shallow
        // angle and would graze a box close to the end.
        for (double gap : {4.0, 7.0, 10.0, 14.0, 18.0, 24.0, 30.0}) {
            extension.push_back({{start.x - d.x * (gap + hw), start.y - d.y * (gap + hw)},
                                 upright(d), hw, hh});
        }
    }
    std::vector<label_box> candidates = past == past_start::first ? extension : beside;
    const std::vector<label_box>& then = past == past_start::first ? beside : extension;
    candidates.insert(candidates.end(), then.begin(), then.end());
    for (const label_box& b : candidates) {
        if (is_free(b, own, strictness::every_curve)) {
            take(b);
            return b;
        }
    }
    // No place clear of every curve: the one across the fewest curves of
    // other families, the first of those in the order of preference.
    std::optional<label_box> best;
    std::size_t fewest = curves_.size() + 1;
    for (const label_box& b : candidates) {
        if (!is_free(b, own, strictness::own_family))
            continue;
        const std::size_t n = curves_met(b.inflated(other_curve_clearance));
        if (n < fewest) {
            fewest = n;
            best = b;
        }
    }
    if (best)
        take(*best);
    return best;
}

std::size_t label_placer::curves_met(const label_box& b) const
{
    std::vector<std::uint32_t> met;
    segment_cells_.visit(bounds_of(b), [&](std::uint32_t ref) {
        const segment_ref& r = segments_[ref];
        const curve_entry& c = curves_[r.curve];
        const point a = c.points[r.index];
        const point e = c.points.size() == 1 ? a : c.points[r.index + 1];
        if (b.meets_segment(a, e))
            met.push_back(r.curve);
    });
    std::sort(met.begin(), met.end());
    return static_cast<std::size_t>(std::unique(met.begin(), met.end()) - met.begin());
}

std::optional<label_box> label_placer::place_at(point at, double radius, double width,
                                                double height)
{
    // Eight directions from the mark, above and to the right first, at three
    // distances.
    constexpr int order[] = {1, 0, 2, 7, 3, 6, 4, 5};
    const double hw = width / 2;
    const double hh = height / 2;
    std::vector<label_box> candidates;
    // The mark is itself a taken box, which labels keep their clearance from.
    const double nearest = radius + label_clearance + 1.0;
    for (double gap : {nearest, nearest + 6.0, nearest + 12.0}) {
        const std::size_t nearer = candidates.size();
        for (int dir : order) {
            const double dx = dir == 2 || dir == 6 ? 0.0 : (dir >= 3 && dir <= 5 ? -1.0 : 1.0);
            const double dy = dir == 0 || dir == 4 ? 0.0 : (dir <= 3 ? -1.0 : 1.0);
            candidates.push_back({{at.x + dx * (gap + hw), at.y + dy * (gap + hh)}, 0.0, hw, hh});
        }
        // Near the mark across a line of a family is better than far from it.
        for (strictness s : {strictness::every_curve, strictness::own_family}) {
            for (std::size_t i = nearer; i < candidates.size(); ++i) {
                if (is_free(candidates[i], std::nullopt, s)) {
                    take(candidates[i]);
                    return candidates[i];
                }
            }
        }
    }
    // Nowhere clear of the saturation curve and the process: clear of the
    // other labels, across the fewest curves; or nowhere.
    const label_box* best = nullptr;
    std::size_t fewest = curves_.size() + 1;
    for (const label_box& b : candidates) {
        if (!b.inside(area_))
            continue;
        if (!apart_from_taken(b))
            continue;
        const std::size_t n = curves_met(b);
        if (n < fewest) {
            fewest = n;
            best = &b;
        }
    }
    if (best == nullptr)
        return std::nullopt;
    const label_box chosen = *best;
    take(chosen);
    return chosen;
}

void label_placer::take_marks(const std::vector<point>& centres, double radius)
{
    const int columns = static_cast<int>(std::ceil(area_.right - area_.left)) + 1;
    const int rows = static_cast<int>(std::ceil(area_.bottom - area_.top)) + 1;
    std::vector<unsigned char> covered(static_cast<std::size_t>(columns * rows), 0);
    for (const point& c : centres) {
        const int x0 = std::max(0, static_cast<int>(std::floor(c.x - radius - area_.left)));
        const int x1 = std::min(columns - 1, static_cast<int>(std::ceil(c.x + radius - area_.left)));
        const int y0 = std::max(0, static_cast<int>(std::floor(c.y - radius - area_.top)));
        const int y1 = std::min(rows - 1, static_cast<int>(std::ceil(c.y + radius - area_.top)));
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x)
                covered[static_cast<std::size_t>(y * columns + x)] = 1;
        }
    }
    // Sums over the rectangles from the area's top left corner: a count over
    // any rectangle is four look-ups.
    mark_columns_ = columns + 1;
    mark_rows_ = rows + 1;
    mark_sums_.assign(static_cast<std::size_t>(mark_columns_ * mark_rows_), 0);
    for (int y = 0; y < rows; ++y) {
        std::uint32_t row_sum = 0;
        for (int x = 0; x < columns; ++x) {
            row_sum += covered[static_cast<std::size_t>(y * columns + x)];
            mark_sums_[static_cast<std::size_t>((y + 1) * mark_columns_ + x + 1)] =
                mark_sums_[static_cast<std::size_t>(y * mark_columns_ + x + 1)] + row_sum;
        }
    }
}

bool label_placer::meets_marks(const box& b) const
{
    if (mark_sums_.empty())
        return false;
    auto column = [&](double x) {
        return std::clamp(static_cast<int>(std::floor(x - area_.left)), 0, mark_columns_ - 1);
    };
    auto row = [&](double y) {
        return std::clamp(static_cast<int>(std::floor(y - area_.top)), 0, mark_rows_ - 1);
    };
    // The pixels x0 to x1 - 1 and y0 to y1 - 1, those the box touches.
    const int x0 = column(b.left);
    const int x1 = std::min(column(b.right) + 1, mark_columns_ - 1);
    const int y0 = row(b.top);
    const int y1 = std::min(row(b.bottom) + 1, mark_rows_ - 1);
    auto at = [&](int x, int y) {
        return mark_sums_[static_cast<std::size_t>(y * mark_columns_ + x)];
    };
    return at(x1, y1) - at(x0, y1) - at(x1, y0) + at(x0, y0) > 0;
}

std::vector<double> fractions_around(double first, double step)
{
    std::vector<double> out{first};
    for (int k = 1;; ++k) {
        const double up = first + k * step;
        const double down = first - k * step;
        const bool up_in = up <= 1.0 + 1e-9;
        const bool down_in = down >= -1e-9;
        if (!up_in && !down_in)
            break;
        if (up_in)
            out.push_back(std::min(up, 1.0));
        if (down_in)
            out.push_back(std::max(down, 0.0));
    }
    return out;
}

}  // namespace hygra::tool::chart
