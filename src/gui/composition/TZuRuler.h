// TZuRuler.h: the horizontal ruler on which the author drags the indents of
// the current paragraphs. Four markers stand in the ruler window: first-line
// indent (top), left indent (bottom), the left box under it (moves both) and the
// right indent (bottom right). Marker positions are pixels from the window
// start; Indent, MargLeft and MargRight are real numbers in UnitOfMeasure.
#pragma once

#include "composition/TZuMarker.h"

#include <QFont>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>

namespace quor {

class TInvertFeedback;
class TZuHintWindow;

enum class TZuMarkKind { posA, posB };
enum class TZuRulerKind { rbHorizontal, rbVertical };
// Same order as the paragraph unit codes (0 centimetres ... 5 pixels).
enum class TZuUnitOfMeasure { umCentimetres, umMillimeters, umInches, umPoints, umPica, umPixel };

class TZuRuler : public QWidget {
    Q_OBJECT
public:
    // Which marker a drag moves.
    enum MarkerId { kFirstLine = 0, kLeft = 1, kBox = 2, kRight = 3, kNoMarker = -1 };

    explicit TZuRuler(QWidget* parent = nullptr);
    ~TZuRuler() override;

    // Published properties.
    bool AlignRuler() const { return m_alignRuler; }
    void SetAlignRuler(bool on) { m_alignRuler = on; }
    int Divisions() const { return m_divisions; }
    void SetDivisions(int d) { m_divisions = d; update(); }
    int MarkSize() const { return m_markSize; }
    void SetMarkSize(int s) { m_markSize = s; update(); }
    int Mark2Size() const { return m_mark2Size; }
    void SetMark2Size(int s) { m_mark2Size = s; update(); }
    TZuMarkKind MarkKind() const { return m_markKind; }
    void SetMarkKind(TZuMarkKind k) { m_markKind = k; update(); }
    TZuRulerKind RulerKind() const { return m_rulerKind; }
    void SetRulerKind(TZuRulerKind k) { m_rulerKind = k; update(); }
    const QPixmap& Background() const { return m_background; }
    void SetBackground(const QPixmap& p) { m_background = p; update(); }
    bool BackgroundTransparent() const { return m_backgroundTransparent; }
    void SetBackgroundTransparent(bool on) { m_backgroundTransparent = on; update(); }
    bool ShowControls() const { return m_showControls; }
    void SetShowControls(bool on) { m_showControls = on; update(); }
    bool BackgroundTrick() const { return m_backgroundTrick; }
    void SetBackgroundTrick(bool on) { m_backgroundTrick = on; update(); }
    int WindowStartOfs() const { return m_windowStart; }
    void SetWindowStartOfs(int x) { m_windowStart = x; update(); }
    int WindowSize() const { return m_windowSize; }
    void SetWindowSize(int w); // keeps the values; markers move
    QColor WindowColor() const { return m_windowColor; }
    void SetWindowColor(const QColor& c) { m_windowColor = c; update(); }
    bool WindowTransparent() const { return m_windowTransparent; }
    void SetWindowTransparent(bool on) { m_windowTransparent = on; update(); }
    int Bevel() const { return m_bevel; } // 0 none, 1 lowered, 2 raised
    void SetBevel(int b) { m_bevel = b; update(); }
    TZuUnitOfMeasure UnitOfMeasure() const { return m_unit; }
    // Converts Indent, MargLeft and MargRight to the new unit.
    void SetUnitOfMeasure(TZuUnitOfMeasure unit);

    double Indent() const { return m_indent; }
    double MargLeft() const { return m_margLeft; }
    double MargRight() const { return m_margRight; }
    // Setting a value moves its markers.
    void SetIndent(double v);
    void SetMargLeft(double v);
    void SetMargRight(double v);

    // Pixels per inch used for conversions; the screen's until set.
    int PixelsPerInch() const { return m_ppi; }
    void SetPixelsPerInch(int ppi);

    bool MarkersVisible() const { return m_markersVisible; }
    void SetMarkersVisible(bool on);

    const TZuMarker& Marker(MarkerId id) const { return m_markers[static_cast<std::size_t>(id)]; }
    MarkerId MarkerAt(const QPoint& p) const;
    MarkerId Dragging() const { return m_drag; }
    // Hint text while dragging: indent + "  [" + left + ":" + right + "]".
    QString HintText() const;

    // Pixels <-> values in the unit of measure.
    double ToUnit(int pixels) const;
    int ToPixels(double value) const;

    // Tick step in pixels and label factor for the unit and Divisions.
    double TickStep() const;
    int LabelFactor() const;

    std::function<void(TZuRuler*)> OnIndentChangedAfterMove;
    std::function<void(TZuRuler*)> OnLeftChangedAfterMove;
    std::function<void(TZuRuler*)> OnIAndLChangedAfterMove;
    std::function<void(TZuRuler*)> OnRightChangedAfterMove;
    std::function<void(TZuRuler*, QWidget*&)> OnGetTarget;
    std::function<void(TZuRuler*)> OnMoveStart;
    std::function<void(TZuRuler*)> OnMoveStop;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void PlaceMarkers();     // from the values
    void UpdateLimits();
    void ValuesFromMarkers(MarkerId moved);
    void RaiseChanged(MarkerId moved);
    int MarkerTop(MarkerId id) const;
    void PaintScale(QPainter& p);
    void UpdateGuide();

    bool m_alignRuler = false;
    int m_divisions = 10;
    int m_markSize = 3;
    int m_mark2Size = 3;
    TZuMarkKind m_markKind = TZuMarkKind::posA;
    TZuRulerKind m_rulerKind = TZuRulerKind::rbHorizontal;
    QPixmap m_background;
    bool m_backgroundTransparent = false;
    bool m_showControls = true;
    bool m_backgroundTrick = true;
    int m_windowStart = 0;
    int m_windowSize = 200;
    QColor m_windowColor;
    bool m_windowTransparent = false;
    int m_bevel = 1;
    TZuUnitOfMeasure m_unit = TZuUnitOfMeasure::umMillimeters;
    double m_indent = 0;
    double m_margLeft = 0;
    double m_margRight = 0;
    int m_ppi = 96;
    bool m_markersVisible = true;

    std::array<TZuMarker, 4> m_markers;
    std::array<TZuMarker, 4> m_ghosts;
    MarkerId m_drag = kNoMarker;
    int m_pressX = 0;
    int m_startPos = 0;
    QPointer<QWidget> m_guideTarget;
    QPointer<TInvertFeedback> m_guide;
    QPointer<TZuHintWindow> m_hint;
};

} // namespace quor
