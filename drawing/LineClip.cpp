#include "drawing/LineClip.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdlib>

namespace {

// A pen reaches beyond its line by half its width with square caps, and a mitred join up to five
// widths; a cosmetic pen by a device pixel.
constexpr int kJoinReach = 6;

LONG ToLong(int64_t v)
{
    return LONG(std::clamp<int64_t>(v, INT_MIN, INT_MAX));
}

int64_t MajorLength(POINT a, POINT b)
{
    return std::max(std::llabs(int64_t(b.x) - a.x), std::llabs(int64_t(b.y) - a.y));
}

POINT Along(POINT from, POINT to, int64_t step, int64_t length)
{
    if (length == 0)
        return from;
    const double f = double(step) / double(length);
    return POINT{ToLong(from.x + std::llround((double(to.x) - from.x) * f)),
                 ToLong(from.y + std::llround((double(to.y) - from.y) * f))};
}

// Liang-Barsky: narrows [t0, t1] to the part of the segment on the inner side of one edge.
bool Narrow(double p, double q, double& t0, double& t1)
{
    if (p == 0)
        return q >= 0;
    const double r = q / p;
    if (p < 0) {
        if (r > t1)
            return false;
        t0 = std::max(t0, r);
    } else {
        if (r < t0)
            return false;
        t1 = std::min(t1, r);
    }
    return true;
}

// The start moved back from the entry, entry steps along the segment, to where phase plus the
// steps walked is a whole number of periods (never before the segment's own start).
int64_t AlignedStart(int64_t entry, int64_t phase, int period)
{
    return std::max<int64_t>(entry - (phase % period + entry) % period, 0);
}

// A horizontal or vertical segment, exactly: coordinate c0 to c1 along its axis, at `across` on
// the other, within [lo, hi] along and [acrossLo, acrossHi] across.
bool CutAlong(int64_t c0, int64_t c1, int64_t across, int64_t lo, int64_t hi, int64_t acrossLo, int64_t acrossHi,
              int64_t phase, int period, int64_t& start, int64_t& end)
{
    if (across < acrossLo || across > acrossHi || std::max(c0, c1) < lo || std::min(c0, c1) > hi)
        return false;
    const int64_t length = std::llabs(c1 - c0);
    const int64_t entry = c1 >= c0 ? std::max<int64_t>(lo - c0, 0) : std::max<int64_t>(c0 - hi, 0);
    const int64_t exit = c1 >= c0 ? std::min(hi - c0, length) : std::min(c0 - lo, length);
    const int64_t direction = c1 >= c0 ? 1 : -1;
    start = c0 + direction * AlignedStart(entry, phase, period);
    end = c0 + direction * exit;
    return true;
}

bool CutIn(POINT& from, POINT& to, int64_t phase, const RECT& box, int period)
{
    const POINT a = from, b = to;
    // A line along one axis: `along` is the coordinate that changes, the box's edges given in its order.
    auto straight = [&](LONG POINT::*along, LONG POINT::*across, LONG lo, LONG hi, LONG acrossLo, LONG acrossHi) {
        int64_t start = 0, end = 0;
        if (!CutAlong(a.*along, b.*along, a.*across, lo, hi, acrossLo, acrossHi, phase, period, start, end))
            return false;
        from.*along = ToLong(start);
        to.*along = ToLong(end);
        return true;
    };
    if (a.y == b.y)
        return straight(&POINT::x, &POINT::y, box.left, box.right, box.top, box.bottom);
    if (a.x == b.x)
        return straight(&POINT::y, &POINT::x, box.top, box.bottom, box.left, box.right);
    const double dx = double(b.x) - a.x, dy = double(b.y) - a.y;
    double t0 = 0, t1 = 1;
    if (!Narrow(-dx, double(a.x) - box.left, t0, t1) || !Narrow(dx, double(box.right) - a.x, t0, t1) ||
        !Narrow(-dy, double(a.y) - box.top, t0, t1) || !Narrow(dy, double(box.bottom) - a.y, t0, t1))
        return false;
    const int64_t length = MajorLength(a, b);
    if (t0 > 0)
        from = Along(a, b, AlignedStart(int64_t(std::floor(t0 * double(length))), phase, period), length);
    if (t1 < 1)
        to = Along(a, b, std::min<int64_t>(int64_t(std::ceil(t1 * double(length))), length), length);
    return true;
}

// Moves a coordinate beyond a limit toward it by whole periods, to within one period of it.
int64_t TowardBy(int64_t value, int64_t limit, int period)
{
    if (value < limit)
        return value + (limit - value) / period * period;
    return value - (value - limit) / period * period;
}

// What a pen's reach and dash pattern come from.
struct PenFacts
{
    DWORD style = PS_SOLID;
    int width = 0;
    bool geometric = false;
    std::vector<DWORD> dashes;
};

PenFacts FactsOf(HGDIOBJ pen)
{
    PenFacts facts;
    const int size = pen ? ::GetObjectW(pen, 0, nullptr) : 0;
    if (size == int(sizeof(LOGPEN))) {
        LOGPEN plain{};
        ::GetObjectW(pen, sizeof plain, &plain);
        facts.style = plain.lopnStyle;
        facts.width = plain.lopnWidth.x;
    } else if (size >= int(offsetof(EXTLOGPEN, elpStyleEntry))) {
        std::vector<BYTE> bytes(std::max(size_t(size), sizeof(EXTLOGPEN)));
        if (!::GetObjectW(pen, size, bytes.data()))
            return facts;
        const EXTLOGPEN& ext = *reinterpret_cast<const EXTLOGPEN*>(bytes.data());
        facts.style = ext.elpPenStyle;
        facts.width = int(std::min<DWORD>(ext.elpWidth, INT_MAX / 64));
        facts.geometric = (ext.elpPenStyle & PS_TYPE_MASK) == PS_GEOMETRIC;
        const size_t room = (bytes.size() - offsetof(EXTLOGPEN, elpStyleEntry)) / sizeof(DWORD);
        facts.dashes.assign(ext.elpStyleEntry, ext.elpStyleEntry + std::min<size_t>(ext.elpNumEntries, room));
    }
    return facts;
}

} // namespace

CLineClip::CLineClip(const RECT& box, int period) : m_box(box), m_period(std::max(period, 1)) {}

CLineClip::CLineClip(const CDC& dc)
{
    CRect clip;
    m_empty = dc.GetClipBox(&clip) == NULLREGION || clip.IsRectEmpty();
    HGDIOBJ pen = dc.GetCurrentObject(OBJ_PEN);
    m_period = PatternPeriod(pen);
    POINT pixels[2] = {{0, 0}, {2, 2}};
    dc.DPtoLP(pixels, 2);
    const int64_t pixelReach = std::max<int64_t>(
        {std::llabs(int64_t(pixels[1].x) - pixels[0].x), std::llabs(int64_t(pixels[1].y) - pixels[0].y), 2});
    m_box = clip;
    m_box = Widened(int64_t(kJoinReach) * std::max(FactsOf(pen).width, 0) + pixelReach);
}

int CLineClip::PatternPeriod(HGDIOBJ pen)
{
    const PenFacts facts = FactsOf(pen);
    switch (facts.style & PS_STYLE_MASK) {
    case PS_DASH:
    case PS_DOT:
    case PS_DASHDOT:
    case PS_DASHDOTDOT:
        return 24 * (facts.geometric ? std::clamp(facts.width, 1, 1000) : 1);
    case PS_ALTERNATE:
        return 2;
    case PS_USERSTYLE: {
        int64_t sum = 0;
        for (DWORD dash : facts.dashes)
            sum += dash;
        const int64_t period = facts.dashes.size() % 2 ? 2 * sum : sum;
        return period > 0 && period < INT_MAX ? int(period) : 1;
    }
    default:
        return 1;
    }
}

RECT CLineClip::Widened(int64_t by) const
{
    return RECT{ToLong(m_box.left - by), ToLong(m_box.top - by), ToLong(m_box.right + by),
                ToLong(m_box.bottom + by)};
}

bool CLineClip::Within(const POINT* points, int count, const RECT& box) const
{
    return std::all_of(points, points + count, [&box](const POINT& p) {
        return p.x >= box.left && p.x <= box.right && p.y >= box.top && p.y <= box.bottom;
    });
}

bool CLineClip::Cut(POINT& from, POINT& to, int64_t phase) const
{
    if (m_empty)
        return false;
    const bool slanted = from.x != to.x && from.y != to.y;
    const RECT box = slanted ? Widened(kSlack) : m_box;
    if (slanted && Within(&from, 1, box) && Within(&to, 1, box))
        return true;
    return CutIn(from, to, phase, box, m_period);
}

bool CLineClip::CutRectangle(RECT& rect) const
{
    if (m_empty)
        return false;
    int64_t l = std::min(rect.left, rect.right), r = std::max(rect.left, rect.right);
    int64_t t = std::min(rect.top, rect.bottom), b = std::max(rect.top, rect.bottom);
    const RECT& box = m_box;
    if (r < box.left || l > box.right || b < box.top || t > box.bottom)
        return false;
    if (l < box.left)
        l = TowardBy(l, box.left, m_period);
    if (r > box.right)
        r = TowardBy(r, box.right, m_period);
    if (t < box.top)
        t = TowardBy(t, box.top, m_period);
    if (b > box.bottom)
        b = TowardBy(b, box.bottom, m_period);
    rect = RECT{ToLong(l), ToLong(t), ToLong(r), ToLong(b)};
    return true;
}

bool CLineClip::Holds(const POINT* points, int count) const
{
    return !m_empty && points && count > 0 && Within(points, count, Widened(kSlack));
}

std::vector<std::vector<POINT>> CLineClip::CutPolyline(const POINT* points, int count, bool closed) const
{
    std::vector<std::vector<POINT>> pieces;
    if (m_empty || !points || count < 2)
        return pieces;
    const RECT box = Widened(kSlack);
    std::vector<POINT> run;
    auto flush = [&] {
        if (run.size() >= 2)
            pieces.push_back(std::move(run));
        run.clear();
    };
    const int segments = closed ? count : count - 1;
    int64_t walked = 0;
    for (int i = 0; i < segments; ++i) {
        const POINT a = points[i], b = points[(i + 1) % count];
        POINT from = a, to = b;
        if (CutIn(from, to, walked, box, m_period)) {
            const bool continues = !run.empty() && from.x == a.x && from.y == a.y && run.back().x == a.x &&
                                   run.back().y == a.y;
            if (!continues) {
                flush();
                run.push_back(from);
            }
            run.push_back(to);
            if (to.x != b.x || to.y != b.y)
                flush();
        } else {
            flush();
        }
        walked += MajorLength(a, b);
    }
    flush();
    return pieces;
}

void DrawClippedLine(const CDC& dc, POINT from, POINT to)
{
    POINT a = from, b = to;
    if (CLineClip(dc).Cut(a, b)) {
        dc.MoveTo(a);
        dc.LineTo(b);
    }
    dc.MoveTo(to);
}

void DrawClippedLine(const CDC& dc, int x1, int y1, int x2, int y2)
{
    DrawClippedLine(dc, POINT{x1, y1}, POINT{x2, y2});
}

void DrawClippedPolyline(const CDC& dc, const POINT* points, int count, bool closed)
{
    const CLineClip clip(dc);
    if (!points || count <= 0 || clip.IsEmpty())
        return;
    if (!clip.Holds(points, count)) {
        for (const std::vector<POINT>& piece : clip.CutPolyline(points, count, closed))
            dc.Polyline(piece.data(), int(piece.size()));
        return;
    }
    if (!closed) {
        dc.Polyline(points, count);
        return;
    }
    dc.BeginPath();
    dc.MoveTo(points[0]);
    for (int i = 1; i < count; ++i)
        dc.LineTo(points[i]);
    dc.CloseFigure();
    dc.EndPath();
    dc.StrokePath();
}

void DrawClippedRectangle(const CDC& dc, const RECT& rect)
{
    RECT cut = rect;
    if (CLineClip(dc).CutRectangle(cut))
        dc.Rectangle(cut);
}
