// TZuRuler.cpp: horizontal ruler with indent markers.
#include "composition/TZuRuler.h"

#include "composition/TInvertFeedback.h"
#include "composition/TZuHintWindow.h"
#include "model/Units.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quor {

TZuRuler::TZuRuler(QWidget* parent) : QWidget(parent)
{
    resize(200, 20);
    setFont(QFont(QStringLiteral("Small Fonts"), 6));
    m_windowColor = palette().color(QPalette::Base);
    m_ppi = ScreenPixelsPerInch();
    m_markers = {TZuMarker(0), TZuMarker(1), TZuMarker(2), TZuMarker(1)};
    m_markers[kFirstLine].SetMayPass(true, false); // a hanging first line may start left of the window
    m_markers[kRight].SetMayPass(false, true);     // a negative right indent reaches past the window
    PlaceMarkers();
}

TZuRuler::~TZuRuler()
{
    delete m_guide.data();
    delete m_hint.data();
}

double TZuRuler::ToUnit(int pixels) const
{
    return PixelsToUnit(pixels, static_cast<int>(m_unit), m_ppi);
}

int TZuRuler::ToPixels(double value) const
{
    return UnitToPixels(static_cast<float>(value), static_cast<int>(m_unit), m_ppi);
}

void TZuRuler::SetPixelsPerInch(int ppi)
{
    if (ppi < 1)
        return;
    m_ppi = ppi;
    PlaceMarkers();
}

void TZuRuler::SetWindowSize(int w)
{
    m_windowSize = std::max(0, w);
    PlaceMarkers();
}

void TZuRuler::SetUnitOfMeasure(TZuUnitOfMeasure unit)
{
    const int from = static_cast<int>(m_unit);
    const int to = static_cast<int>(unit);
    m_indent = ConvertUnit(static_cast<float>(m_indent), from, to, m_ppi);
    m_margLeft = ConvertUnit(static_cast<float>(m_margLeft), from, to, m_ppi);
    m_margRight = ConvertUnit(static_cast<float>(m_margRight), from, to, m_ppi);
    m_unit = unit;
    PlaceMarkers();
}

void TZuRuler::SetIndent(double v)
{
    m_indent = v;
    PlaceMarkers();
}

void TZuRuler::SetMargLeft(double v)
{
    m_margLeft = v;
    PlaceMarkers();
}

void TZuRuler::SetMargRight(double v)
{
    m_margRight = v;
    PlaceMarkers();
}

void TZuRuler::SetMarkersVisible(bool on)
{
    m_markersVisible = on;
    for (auto& m : m_markers)
        m.SetVisible(on);
    update();
}

void TZuRuler::PlaceMarkers()
{
    const int left = ToPixels(m_margLeft);
    m_markers[kLeft].SetPosition(left);
    m_markers[kBox].SetPosition(left);
    m_markers[kFirstLine].SetPosition(left + ToPixels(m_indent));
    m_markers[kRight].SetPosition(m_windowSize - ToPixels(m_margRight));
    UpdateLimits();
    update();
}

void TZuRuler::UpdateLimits()
{
    const int rightPos = std::clamp(m_markers[kRight].Position(), 0, std::max(0, m_windowSize));
    m_markers[kFirstLine].SetLimits(0, rightPos);
    m_markers[kLeft].SetLimits(0, rightPos);
    m_markers[kBox].SetLimits(0, rightPos);
    const int lowest = std::max(m_markers[kFirstLine].ShownPosition(), m_markers[kLeft].Position());
    m_markers[kRight].SetLimits(std::min(lowest, m_windowSize), m_windowSize);
}

void TZuRuler::ValuesFromMarkers(MarkerId moved)
{
    const int left = m_markers[kLeft].Position();
    switch (moved) {
    case kFirstLine:
        m_indent = ToUnit(m_markers[kFirstLine].Position() - left);
        break;
    case kLeft: {
        // The first-line marker stays where it is.
        m_markers[kBox].SetPosition(left);
        const double marg = ToUnit(left);
        m_indent -= marg - m_margLeft;
        m_margLeft = marg;
        break;
    }
    case kBox: {
        const int box = m_markers[kBox].Position();
        m_markers[kLeft].SetPosition(box);
        m_margLeft = ToUnit(box);
        m_markers[kFirstLine].SetPosition(box + ToPixels(m_indent));
        break;
    }
    case kRight:
        m_margRight = ToUnit(m_windowSize - m_markers[kRight].Position());
        break;
    default:
        break;
    }
    UpdateLimits();
}

void TZuRuler::RaiseChanged(MarkerId moved)
{
    switch (moved) {
    case kFirstLine:
        if (OnIndentChangedAfterMove)
            OnIndentChangedAfterMove(this);
        break;
    case kLeft:
        if (OnIAndLChangedAfterMove)
            OnIAndLChangedAfterMove(this);
        break;
    case kBox:
        if (OnLeftChangedAfterMove)
            OnLeftChangedAfterMove(this);
        break;
    case kRight:
        if (OnRightChangedAfterMove)
            OnRightChangedAfterMove(this);
        break;
    default:
        break;
    }
}

int TZuRuler::MarkerTop(MarkerId id) const
{
    switch (id) {
    case kFirstLine: return 0;
    case kBox: return height() - 6;
    default: return height() - 6 - TZuMarker::kHeight;
    }
}

TZuRuler::MarkerId TZuRuler::MarkerAt(const QPoint& p) const
{
    if (!m_markersVisible)
        return kNoMarker;
    // The first-line marker owns the top rows where it meets the left marker.
    if (m_markers[kFirstLine].Bounds(m_windowStart, MarkerTop(kFirstLine)).contains(p) &&
        p.y() < MarkerTop(kLeft) + 2)
        return kFirstLine;
    for (MarkerId id : {kBox, kRight, kLeft, kFirstLine}) {
        if (m_markers[id].Bounds(m_windowStart, MarkerTop(id)).contains(p))
            return id;
    }
    return kNoMarker;
}

QString TZuRuler::HintText() const
{
    return QStringLiteral("%1  [%2:%3]")
        .arg(std::lround(m_indent))
        .arg(std::lround(m_margLeft))
        .arg(std::lround(m_margRight));
}

void TZuRuler::UpdateGuide()
{
    if (!m_guide || !m_guideTarget || m_drag == kNoMarker)
        return;
    const int x = m_windowStart + m_markers[m_drag].ShownPosition();
    const QPoint at = m_guideTarget->mapFromGlobal(mapToGlobal(QPoint(x, 0)));
    m_guide->SetFeedbackRect(QRect(at.x(), 0, 1, m_guideTarget->height()));
}

void TZuRuler::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || m_drag != kNoMarker)
        return;
    const MarkerId id = MarkerAt(event->position().toPoint());
    if (id == kNoMarker)
        return;
    m_drag = id;
    m_pressX = event->position().toPoint().x();
    m_startPos = m_markers[id].Position();
    m_ghosts = m_markers;
    for (auto& g : m_ghosts)
        g.SetDisabled(true);
    QWidget* target = nullptr;
    if (OnGetTarget)
        OnGetTarget(this, target);
    m_guideTarget = target;
    if (target) {
        m_guide = new TInvertFeedback(target, TInvertFeedback::Shape::DottedLine);
        m_guide->show();
        UpdateGuide();
    }
    if (OnMoveStart)
        OnMoveStart(this);
    if (!m_hint)
        m_hint = new TZuHintWindow(this);
    m_hint->ShowHint(HintText(), mapToGlobal(QPoint(m_windowStart + m_markers[id].ShownPosition(), height() + 10)));
    update();
}

void TZuRuler::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (m_drag == kNoMarker)
        return;
    const int dx = event->position().toPoint().x() - m_pressX;
    m_markers[m_drag].DragTo(m_startPos + dx);
    ValuesFromMarkers(m_drag);
    UpdateGuide();
    if (m_hint)
        m_hint->ShowHint(HintText(),
                         mapToGlobal(QPoint(m_windowStart + m_markers[m_drag].ShownPosition(), height() + 10)));
    update();
}

void TZuRuler::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (m_drag == kNoMarker || event->button() != Qt::LeftButton)
        return;
    const MarkerId moved = m_drag;
    m_drag = kNoMarker;
    delete m_guide.data();
    if (m_hint)
        m_hint->hide();
    update();
    RaiseChanged(moved);
    if (OnMoveStop)
        OnMoveStop(this);
}

void TZuRuler::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    const MarkerId id = MarkerAt(event->position().toPoint());
    if (id == kNoMarker || !m_markers[id].OutOfRange())
        return;
    m_markers[id].BringInRange();
    ValuesFromMarkers(id);
    update();
    RaiseChanged(id);
}

double TZuRuler::TickStep() const
{
    const int d = std::max(2, m_divisions);
    switch (m_unit) {
    case TZuUnitOfMeasure::umCentimetres:
    case TZuUnitOfMeasure::umMillimeters:
        return m_ppi / (2.54 * d);
    case TZuUnitOfMeasure::umInches:
    case TZuUnitOfMeasure::umPoints:
    case TZuUnitOfMeasure::umPica:
        return static_cast<double>(m_ppi / d);
    case TZuUnitOfMeasure::umPixel:
        return static_cast<double>(100 / d);
    }
    return 1;
}

int TZuRuler::LabelFactor() const
{
    switch (m_unit) {
    case TZuUnitOfMeasure::umMillimeters: return 10;
    case TZuUnitOfMeasure::umPoints: return 72;
    case TZuUnitOfMeasure::umPica: return 12;
    case TZuUnitOfMeasure::umPixel: return 100;
    default: return 1;
    }
}

void TZuRuler::PaintScale(QPainter& p)
{
    const int h = height();
    const int d = std::max(2, m_divisions);
    const int half = d >= 10 ? d / 2 : d;
    const double step = TickStep();
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    if (!m_windowTransparent)
        p.fillRect(QRect(m_windowStart, m_markSize, m_windowSize, h - 2 * m_markSize), m_windowColor);
    const int lastPixel = m_windowStart + m_windowSize - 1;
    const int middle = h / 2;
    const QFontMetrics fm(font());
    p.setFont(font());
    if (step > 0) {
        for (int i = 1;; ++i) {
            const int x = m_windowStart + static_cast<int>(std::lround(i * step));
            if (x >= lastPixel)
                break;
            const bool unit = i % d == 0;
            const bool halfTick = i % half == 0;
            p.setPen(unit || halfTick ? QColor(Qt::black) : shadow);
            if (m_markKind == TZuMarkKind::posA) {
                const int y0 = h - m_markSize - 2;
                const int y1 = unit ? m_markSize : halfTick ? middle - 2 : middle;
                p.drawLine(x, y0, x, y1);
            } else {
                const int y0 = m_markSize + 1;
                const int y1 = unit ? h - m_markSize - 1 : halfTick ? middle + 2 : middle;
                p.drawLine(x, y0, x, y1);
            }
            if (unit) {
                const int next = m_windowStart + static_cast<int>(std::lround((i + d) * step));
                if (next <= lastPixel) {
                    const QString label = QString::number(static_cast<long long>(i) * LabelFactor() / d);
                    const int ty = m_markKind == TZuMarkKind::posA ? m_markSize
                                                                   : h - fm.height() - m_markSize - 2;
                    p.setPen(Qt::black);
                    p.drawText(QPoint(x + 2, ty + fm.ascent()), label);
                }
            }
        }
    }
    if (m_bevel == 1 || m_bevel == 2) {
        const QColor tl = m_bevel == 1 ? shadow : light;
        const QColor br = m_bevel == 1 ? light : shadow;
        const int top = m_markSize;
        const int bottom = h - m_markSize - 1;
        const int l = m_windowStart;
        const int r = m_windowStart + m_windowSize - 1;
        p.setPen(tl);
        p.drawLine(l, top, r, top);
        p.drawLine(l, top, l, bottom);
        p.setPen(br);
        p.drawLine(l, bottom, r, bottom);
        p.drawLine(r, top, r, bottom);
    }
}

void TZuRuler::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!m_backgroundTransparent) {
        if (!m_background.isNull())
            p.drawTiledPixmap(rect(), m_background);
        else
            p.fillRect(rect(), palette().color(QPalette::Button));
    }
    if (!m_showControls)
        return;
    PaintScale(p);
    if (m_drag != kNoMarker) {
        for (int id = 0; id < 4; ++id)
            m_ghosts[id].Paint(p, m_windowStart, MarkerTop(static_cast<MarkerId>(id)));
    }
    for (int id = 0; id < 4; ++id)
        m_markers[id].Paint(p, m_windowStart, MarkerTop(static_cast<MarkerId>(id)));
}

} // namespace quor
