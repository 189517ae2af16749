#include "chartdraw/geometry/ValueAxisLayout.h"

#include "chartdraw/geometry/AxisScale.h"

#include <algorithm>
#include <cmath>

namespace {

// Pixels from tick 0 to tick i when length pixels are shared among ticks intervals, the leftover
// pixels going one each to the first intervals.
int TickOffset(int length, int ticks, int i)
{
    const int base = length / ticks, rest = length % ticks;
    return i * base + (rest >= 0 ? std::min(i, rest) : -std::min(i, -rest));
}

// ceil(share * length / total) on whole numbers, so no binary rounding adds a pixel.
int CeilShare(int share, int length, int total)
{
    const long long product = (long long)share * length;
    return int(product >= 0 ? (product + total - 1) / total : product / total);
}

class CAxisBuilder
{
public:
    CAxisBuilder(CValueAxisLayout& out, int direction, bool valueScale, const CTickCount& ticks,
                 CAxisStep step, const CTextMeasure& measure, int rightEdge)
        : m_out(out), m_direction(direction), m_valueScale(valueScale), m_ticks(ticks), m_step(step),
          m_measure(measure), m_labelEdge(rightEdge)
    {
    }

    void Build()
    {
        const CRect& p = m_out.plot;
        const int length = m_direction == 1 ? p.Width() : p.Height();
        const int P = m_ticks.positiveTicks, N = m_ticks.negativeTicks;
        CChartLayout& r = m_out.layout;
        r.dTickStep = m_step.step;
        r.nPositiveTicks = P;
        r.nNegativeTicks = N;
        if (N == 0) {
            r.nPositiveLength = length;
            r.dTickPixels = double(length) / P;
            r.nOriginX = p.left;
            r.nOriginY = p.bottom;
            for (int i = 0; i <= P; ++i)
                Add(i, false,
                    m_direction == 1 ? CPoint(p.left + TickOffset(length, P, i), p.bottom)
                                     : CPoint(p.left - 2, p.bottom - TickOffset(length, P, i)),
                    true);
        } else if (P == 0) {
            r.nNegativeLength = length;
            r.dTickPixels = double(length) / N;
            r.nOriginX = m_direction == 1 ? p.right : p.left;
            r.nOriginY = m_direction == 1 ? p.bottom : p.top + 1;
            for (int i = 0; i <= N; ++i)
                Add(i, i > 0,
                    m_direction == 1 ? CPoint(p.right - TickOffset(length, N, i), p.bottom)
                                     : CPoint(p.left - 2, p.top + TickOffset(length, N, i)),
                    true);
        } else {
            BuildTwoSigned(length, P, N);
        }
        r.nLabelEdge = m_labelEdge;
    }

private:
    void BuildTwoSigned(int length, int P, int N)
    {
        const CRect& p = m_out.plot;
        CChartLayout& r = m_out.layout;
        const int total = P + N;
        const int negLen = P < N ? CeilShare(N, length, total) : length - CeilShare(P, length, total);
        const int posLen = length - negLen;
        r.nPositiveLength = posLen;
        r.nNegativeLength = negLen;
        r.dTickPixels = double(posLen) / P;
        r.nOriginX = m_direction == 1 ? p.left + negLen : p.left;
        r.nOriginY = m_direction == 1 ? p.bottom : p.top + posLen;
        r.nZeroLine = m_direction == 1 ? p.bottom : p.top + posLen;
        for (int i = 0; i <= P; ++i) {
            const int offset = TickOffset(posLen, P, i);
            Add(i, false,
                m_direction == 1 ? CPoint(p.left + negLen + offset, p.bottom)
                                 : CPoint(p.left - 2, p.bottom - negLen - offset - (i == P ? 0 : 1)),
                false);
        }
        for (int i = 1; i <= N; ++i) {
            const int offset = TickOffset(negLen, N, i);
            Add(i, true,
                m_direction == 1 ? CPoint(p.left + negLen - offset, p.bottom)
                                 : CPoint(p.left - 2, p.top + posLen + offset),
                true);
        }
    }

    CString Text(int i, bool negative) const
    {
        if (!m_valueScale)
            return PercentTickText(float(i) * m_ticks.percentStep, negative);
        const double value = i * m_step.step;
        return m_step.exponent ? ExponentTickText(value, negative) : FixedTickText(value, negative);
    }

    // movesEdge: on a vertical axis the label pushes the outer label edge out to its own left edge.
    void Add(int i, bool negative, CPoint anchor, bool movesEdge)
    {
        CTickLabel label{Text(i, negative), anchor};
        if (m_direction == 1)
            m_labelEdge = m_out.plot.left;
        else if (movesEdge)
            m_labelEdge = std::min(m_labelEdge, int(m_out.plot.left - m_measure(label.text).cx - 5));
        m_out.labels.push_back(std::move(label));
    }

    CValueAxisLayout& m_out;
    const int m_direction;
    const bool m_valueScale;
    const CTickCount& m_ticks;
    const CAxisStep m_step;
    const CTextMeasure& m_measure;
    int m_labelEdge;
};

} // namespace

CValueAxisLayout LayoutValueAxis(int direction, bool valueScale, double minValue, double maxValue,
                                 const RECT& plot, const CTextMeasure& measure)
{
    CValueAxisLayout out;
    CChartLayout& r = out.layout;
    r.dMinValue = minValue;
    r.dMaxValue = maxValue;
    r.nZeroLine = -1;
    const CTickCount ticks = CalcTickCount(direction, valueScale, minValue, maxValue, plot);
    CAxisStep step = NormaliseAxisStep(ticks.step);
    const int farthest = std::max(ticks.positiveTicks, ticks.negativeTicks);
    if (!std::isfinite(farthest * step.step))
        step = CAxisStep(); // a tick beyond the largest double: nothing to label
    const CSize widest = measure(WidestTickText(farthest, step.step, step.exponent, valueScale));

    CRect& p = out.plot = plot;
    if (direction == 1) {
        p.bottom -= widest.cy;
        r.nCategoryLength = p.Height();
        r.nValueHigh = p.right;
        p.left += 10;
        r.nValueLow = p.left;
    } else {
        p.left += widest.cx + 20;
        r.nCategoryLength = p.Width();
        r.nValueHigh = p.top;
        r.nValueLow = p.bottom;
    }
    if (step.step > 0)
        CAxisBuilder(out, direction, valueScale, ticks, step, measure, plot.right).Build();
    return out;
}
