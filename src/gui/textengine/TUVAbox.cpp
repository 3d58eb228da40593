// TUVAbox.cpp: the text box widget: painting, caret, keys, mouse, drops.
#include "textengine/TUVAbox.h"

#include "base/Cp1252.h"
#include "textengine/EmbeddedControl.h"
#include "textengine/LineRuns.h"
#include "textengine/MarkupReader.h"
#include "textengine/MarkupWriter.h"
#include "textengine/ParagraphLayout.h"
#include "textengine/ParagraphMeasurer.h"
#include "textengine/QtFontMetrics.h"
#include "textengine/TUVATextAttributes.h"
#include "textengine/TUVAcursor.h"
#include "textengine/SelectionStream.h"
#include "textengine/WinColour.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolTip>
#include <QUrl>

#include <algorithm>
#include <cstdlib>

namespace quor {

namespace {

// Marks text dragged from a box; the value names the source box.
constexpr const char* kBoxDragMime = "application/x-quor-box-text";

QString SelectionMime()
{
    return QString::fromLatin1(kSelectionStreamMime.data(), static_cast<qsizetype>(kSelectionStreamMime.size()));
}

BoxMouseButton ToBoxButton(Qt::MouseButton b)
{
    if (b == Qt::RightButton)
        return BoxMouseButton::Right;
    return b == Qt::MiddleButton ? BoxMouseButton::Middle : BoxMouseButton::Left;
}

// The box a drag comes from: the drag's source, else the box the drag's
// marker names, provided it is a box that still exists here.
TUVAbox* DragSource(const QDropEvent* event)
{
    if (auto* box = qobject_cast<TUVAbox*>(event->source()))
        return box;
    const QMimeData* mime = event->mimeData();
    if (!mime->hasFormat(kBoxDragMime))
        return nullptr;
    bool ok = false;
    const auto named = static_cast<quintptr>(mime->data(kBoxDragMime).toULongLong(&ok));
    if (!ok || named == 0)
        return nullptr;
    for (QWidget* w : QApplication::allWidgets())
        if (reinterpret_cast<quintptr>(w) == named)
            return qobject_cast<TUVAbox*>(w);
    return nullptr;
}

// Local link values (top byte 0x6F) that markup refers to, each mapped to
// "no link": they index the link list of the text the markup came from.
RefTranslation LocalLinksDropped(std::string_view markup)
{
    RefTranslation map;
    for (std::size_t at = markup.find("<$"); at != std::string_view::npos; at = markup.find("<$", at + 2)) {
        if (at + 10 >= markup.size())
            break;
        const std::string_view hex = markup.substr(at + 2, 8);
        if (hex.substr(0, 2) != "6f" && hex.substr(0, 2) != "6F")
            continue;
        std::uint32_t value = 0;
        bool ok = true;
        for (char c : hex) {
            const int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
            if (d < 0) {
                ok = false;
                break;
            }
            value = value * 16 + static_cast<std::uint32_t>(d);
        }
        if (!ok)
            continue;
        map.from.push_back(static_cast<std::int32_t>(value));
        map.to.push_back(-1);
    }
    return map;
}

const QtFontMetrics& ScreenMetrics()
{
    static const QtFontMetrics metrics;
    return metrics;
}

QString ToQString(std::string_view bytes)
{
    QString s;
    s.reserve(static_cast<qsizetype>(bytes.size()));
    for (unsigned char c : bytes)
        s.append(QChar(static_cast<char16_t>(Cp1252ToUnicode(c))));
    return s;
}

// The two-hatch shading of header and footer text and of inactive boxes.
void Hatch(QPainter& p, const QRect& r, const QPalette& pal)
{
    p.fillRect(r, QBrush(pal.color(QPalette::Light), Qt::FDiagPattern));
    p.fillRect(r, QBrush(pal.color(QPalette::Dark), Qt::BDiagPattern));
}

} // namespace

TUVAbox::TUVAbox(QWidget* parent, const QtFontMetrics* metrics)
    : TDragCustomControl(parent), m_metrics(metrics ? *metrics : ScreenMetrics()), m_model(m_metrics),
      m_caret(new TUVAcursor(this)), m_dropCaret(new TUVAcursor(this))
{
    MakeEditor();
    m_model.SetView(this);
    m_caret->OnTick = [this] { CaretTicked(); };
    setAcceptDrops(true);
    setMouseTracking(true);
    setCursor(Qt::IBeamCursor);
    setAttribute(Qt::WA_InputMethodEnabled);
}

TUVAbox::~TUVAbox()
{
    m_model.SetView(nullptr);
}

void TUVAbox::SetUndo(IUndoRecorder* undo, IMessages* messages)
{
    m_undo = undo;
    m_messages = messages;
    const TCaretPos caret = m_editor->Caret();
    MakeEditor();
    if (m_model.Count() > 0)
        m_editor->SetCaret(caret.paragraph, caret.index);
}

void TUVAbox::MakeEditor()
{
    m_mouse.reset();
    m_editor = std::make_unique<TUVAboxEditor>(m_model, m_undo, m_messages);
    m_mouse = std::make_unique<BoxMouse>(*m_editor);
    m_mouse->SetLinkKinds([this](int link) { return m_host ? m_host->LinkKind(link) : -1; });
}

void TUVAbox::LoadText(std::string_view own, const IStyleSource* styles, std::string_view header,
                       std::string_view footer)
{
    MarkupReadOptions opts;
    opts.styles = styles;
    opts.metrics = &m_metrics;
    opts.messages = m_messages;
    opts.mode = 1;
    MarkupCursor cursor{own, 0};
    MarkupReader::BoxText text = MarkupReader::LoadBoxText(header, cursor, footer, this, opts);
    m_model.SetParagraphs(std::move(text.paragraphs), static_cast<int>(text.headerCount),
                          static_cast<int>(text.footerCount));
    m_mouse->Reset();
    ResizeToContent();
    m_editor->TextLoaded();
    UpdateCaretRect();
    update();
}

std::string TUVAbox::SaveText() const
{
    return MarkupWriter::SaveBoxText(m_model.Paragraphs(), static_cast<std::size_t>(m_model.HeaderCount()),
                                     static_cast<std::size_t>(m_model.FooterCount()));
}

void TUVAbox::SetTextWidth(int width)
{
    const int before = m_model.TextWidth();
    m_model.SetTextWidth(width);
    if (m_model.TextWidth() == before)
        return;
    m_editor->RefreshCaret();
    ResizeToContent();
    UpdateCaretRect();
    // The caret is brought into view now and on each of the next three ticks,
    // while the frame settles.
    ScrollCaretIntoView();
    m_scrollTicks = 3;
    if (hasFocus())
        m_editor->NotifyRulerMoved();
}

void TUVAbox::SetRequestedHeight(int height)
{
    m_requestedHeight = std::max(0, height);
    ResizeToContent();
}

void TUVAbox::SetBackgroundPicture(const QPixmap& picture, bool transparent, bool fixed)
{
    m_picture = picture;
    m_pictureTransparent = transparent;
    m_pictureFixed = fixed;
    update();
}

void TUVAbox::EndUpdate()
{
    if (m_updateCount == 0)
        return;
    if (--m_updateCount == 0)
        update();
}

void TUVAbox::Refresh()
{
    m_editor->RefreshCaret();
    ResizeToContent();
    UpdateCaretRect();
    update();
    if (hasFocus()) {
        m_editor->NotifySelectionChanged();
        m_editor->NotifyRulerMoved();
    }
}

void TUVAbox::ChangeStyleBits(std::uint8_t setBits, std::uint8_t clearBits)
{
    m_editor->TextAttributes().ChangeStyle(setBits, clearBits);
    AfterEdit();
}

int TUVAbox::LinkAt(const TCaretPos& pos) const
{
    return m_model.LinkAt(pos.paragraph, pos.index);
}

// ---- reports ----

void TUVAbox::SelectionChanged()
{
    if (m_host)
        m_host->SelectionChanged(this);
}

void TUVAbox::RulerPosChanged()
{
    if (m_host)
        m_host->RulerPosChanged(this);
}

void TUVAbox::AfterEdit()
{
    UpdateCaretRect();
    m_caret->Solid();
    ScrollCaretIntoView();
    update();
}

void TUVAbox::FollowLink(int link)
{
    m_editor->ClearSelection();
    m_caret->Stop();
    update();
    if (!m_host || !m_host->Enabled())
        return;
    // Following a link may replace this very box: never inside the event.
    QPointer<TUVAbox> self(this);
    QMetaObject::invokeMethod(
        this,
        [self, link] {
            if (self && self->m_host)
                self->m_host->DoLink(self, link);
        },
        Qt::QueuedConnection);
}

// ---- geometry ----

QAbstractScrollArea* TUVAbox::OwnerFrame() const
{
    QWidget* viewport = parentWidget();
    if (!viewport)
        return nullptr;
    auto* area = qobject_cast<QAbstractScrollArea*>(viewport->parentWidget());
    if (area && area->viewport() == viewport)
        return area;
    return nullptr;
}

void TUVAbox::ResizeToContent()
{
    const int w = std::max(m_model.TextWidth(), m_model.HorizontalRange());
    const int h = m_model.InTable() ? m_model.ContentHeight() : std::max(m_model.ContentHeight(), m_requestedHeight);
    if (size() != QSize(w, h))
        resize(w, h);
}

void TUVAbox::UpdateCaretRect()
{
    const TCaretPos& c = m_editor->Caret();
    if (c.paragraph < 0 || m_model.Count() == 0)
        return;
    m_caret->Place(c.x, c.y, c.height);
}

void TUVAbox::ScrollCaretIntoView()
{
    auto* area = qobject_cast<QScrollArea*>(OwnerFrame());
    if (!area)
        return;
    const QRect r = m_caret->Rect();
    if (r.isEmpty())
        return;
    area->ensureVisible(r.center().x(), r.center().y(), r.width() / 2 + 3, r.height() / 2 + 3);
}

void TUVAbox::CaretTicked()
{
    if (m_scrollTicks > 0) {
        --m_scrollTicks;
        ScrollCaretIntoView();
    }
}

void TUVAbox::InvalidateBand(int top, int bottom)
{
    update(QRect(0, top - 2, width(), bottom - top + 3));
}

void TUVAbox::ParagraphsShifted(int from)
{
    // Controls of moved paragraphs hide until the next paint places them again.
    for (int i = std::max(from, 0); i < m_model.Count(); ++i)
        for (const EmbeddedObject& o : m_model.At(i).Objects())
            if (auto* w = dynamic_cast<QWidget*>(o.control))
                w->hide();
}

void TUVAbox::ScrollRangesChanged(int, int)
{
    ResizeToContent();
}

bool TUVAbox::InSelection(const TCaretPos& pos) const
{
    return m_mouse->InSelection(pos);
}

TCaretPos TUVAbox::HitOwn(const QPoint& p) const
{
    return m_model.HitTest(p.x(), p.y(), HitScope::OwnText);
}

// ---- painting ----

void TUVAbox::PaintBackground(QPainter& p, const QRect& area)
{
    if (!m_picture.isNull()) {
        if (!m_pictureTransparent)
            p.fillRect(area, m_background);
        // Tiles stand on multiples of the picture size in box coordinates; a
        // picture fixed to the window stays where the frame's client area is.
        QPoint origin(0, 0);
        if (m_pictureFixed)
            origin = -pos();
        const int pw = m_picture.width();
        const int ph = m_picture.height();
        const int ox = ((area.left() - origin.x()) % pw + pw) % pw;
        const int oy = ((area.top() - origin.y()) % ph + ph) % ph;
        p.drawTiledPixmap(area, m_picture, QPoint(ox, oy));
    } else {
        p.fillRect(area, m_background);
    }
    if (Inactive() && !ReadOnly())
        Hatch(p, area, palette());
}

void TUVAbox::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const QRect area = event->rect();
    PaintBackground(p, area);
    const auto numbers = m_model.ParagraphNumbers();
    const bool sel = m_editor->HasSelection();
    const TCaretPos s = m_editor->SelectionStart();
    const TCaretPos e = m_editor->SelectionEnd();
    // Paragraphs are ordered by y: start at the first one reaching the area.
    const auto& pars = m_model.Paragraphs();
    auto first = std::lower_bound(pars.begin(), pars.end(), area.top(),
                                  [](const std::unique_ptr<TUVAparag>& par, int y) { return par->bottomY < y; });
    for (auto it = first; it != pars.end(); ++it) {
        const int i = static_cast<int>(it - pars.begin());
        const TUVAparag& par = **it;
        if (par.topY - 2 > area.bottom())
            break;
        int from = 0;
        int to = 0;
        if (sel && i >= s.paragraph && i <= e.paragraph) {
            from = i == s.paragraph ? s.index : 0;
            to = i == e.paragraph ? e.index : par.Length();
        }
        PaintParagraph(p, i, numbers[static_cast<std::size_t>(i)], from, to);
    }
    m_caret->Paint(p);
    m_dropCaret->Paint(p);
}

void TUVAbox::PaintParagraph(QPainter& p, int index, int number, int selFrom, int selTo)
{
    const TUVAparag& par = m_model.At(index);
    const ParagraphMeasures m = ParagraphMeasures::Of(par, m_model.CellPadding());
    if (par.Kind() != ParagraphKind::Own && EditMode() && !m_model.InTable())
        Hatch(p, QRect(0, par.topY - 2, width(), par.bottomY - par.topY + 3), palette());
    const auto& lines = par.Lines();
    if (lines.empty())
        return;
    const int contentTop = par.topY + m.spaceAbove;

    const NumberMarker marker = m_model.MarkerOf(index, number);
    if (marker.present) {
        const TMyFont font = par.Style().EffectiveFont();
        const int baseline = contentTop + lines.front().y + lines.front().ascent;
        p.setPen(WinColourToQColor(font.colour));
        if (marker.bullet) {
            // The bullet is the "w" of a symbol font: a small black lozenge.
            QFont symbol(QStringLiteral("DejaVu Sans"));
            symbol.setPixelSize(std::max(6, QtFontMetrics::PixelSize(font.size, m_metrics.PixelsPerInch()) * 3 / 4));
            p.setFont(symbol);
            p.drawText(QPoint(marker.x, baseline), QString(QChar(0x29EB)));
        } else {
            p.setFont(m_metrics.FontFor(font.ToFontSpec()));
            p.drawText(QPoint(marker.x, baseline), ToQString(marker.text));
        }
    }

    for (const TUVAline& line : lines) {
        const int lineTop = contentTop + line.y;
        const int baseline = lineTop + line.ascent;
        for (const TextRun& run : LineRuns::Of(par, line))
            PaintRun(p, par, run, baseline, selFrom, selTo);
        PaintSpelling(p, par, line, baseline);
    }
}

void TUVAbox::PaintRun(QPainter& p, const TUVAparag& par, const TextRun& run, int baseline, int selFrom,
                       int selTo)
{
    const auto& recs = par.Records();
    const TCharRec& first = recs[static_cast<std::size_t>(run.start)];
    const QColor highlight = palette().color(QPalette::Highlight);
    const QColor highlightText = palette().color(QPalette::HighlightedText);

    if (run.object >= 0) {
        const int top = baseline - first.ascent;
        const bool selected = run.start >= selFrom && run.start < selTo;
        const EmbeddedObject& obj = par.Objects()[static_cast<std::size_t>(run.object)];
        if (auto* w = dynamic_cast<QWidget*>(obj.control)) {
            if (w->parentWidget() != this)
                w->setParent(this);
            if (w->pos() != QPoint(run.x, top))
                w->move(run.x, top);
            if (!w->isVisible())
                w->show();
            if (auto* drag = dynamic_cast<TDragCustomControl*>(w))
                drag->SetSelected(selected);
        } else {
            // An object whose control is not a widget here: its place is shown.
            const QRect r(run.x, top, std::max(first.width, 1), std::max(first.height, 1));
            p.fillRect(r, QColor(0xE0, 0xE0, 0xE0));
            p.setPen(QColor(0x80, 0x80, 0x80));
            p.drawRect(r.adjusted(0, 0, -1, -1));
            if (selected)
                p.fillRect(r, QColor(highlight.red(), highlight.green(), highlight.blue(), 96));
        }
        return;
    }

    const FontSpec spec = run.font.ToFontSpec();
    const QFont font = m_metrics.FontFor(spec);
    const int fontAscent = m_metrics.Ascent(spec);
    const int h = m_metrics.Height(spec);
    int drawBaseline = baseline - first.ascent + fontAscent;
    if (run.font.position == kPositionSubscript)
        drawBaseline += h / 2;
    const QColor colour = WinColourToQColor(run.font.colour);
    p.setFont(font);

    const std::string_view text(par.Text().data() + run.start, static_cast<std::size_t>(run.count));
    // Kerning may make a run drift from its stored widths: then each character
    // is drawn at its own place.
    const bool perChar = std::abs(m_metrics.TextWidth(spec, text) - run.width) > 4;

    // Up to three pieces: before, inside and after the selection.
    const int end = run.start + run.count;
    const int cuts[4] = {run.start, std::clamp(selFrom, run.start, end), std::clamp(selTo, run.start, end), end};
    int x = run.x;
    for (int k = 0; k < 3; ++k) {
        const int a = k == 1 ? cuts[1] : k == 0 ? cuts[0] : cuts[2];
        const int b = k == 1 ? cuts[2] : k == 0 ? cuts[1] : cuts[3];
        if (a >= b)
            continue;
        int w = 0;
        for (int i = a; i < b; ++i)
            w += recs[static_cast<std::size_t>(i)].width;
        const bool selected = k == 1;
        if (selected) {
            const TUVAline* line = nullptr;
            for (const TUVAline& l : par.Lines())
                if (a >= l.start && a < l.start + std::max(l.count, 1))
                    line = &l;
            const int top = line ? baseline - line->ascent : baseline - first.ascent;
            const int height = line ? line->height : first.height;
            p.fillRect(QRect(x, top, w, height), highlight);
        }
        p.setPen(selected ? highlightText : colour);
        if (perChar) {
            int cx = x;
            for (int i = a; i < b; ++i) {
                p.drawText(QPoint(cx, drawBaseline), ToQString(par.Text().substr(static_cast<std::size_t>(i), 1)));
                cx += recs[static_cast<std::size_t>(i)].width;
            }
        } else {
            p.drawText(QPoint(x, drawBaseline),
                       ToQString(std::string_view(par.Text().data() + a, static_cast<std::size_t>(b - a))));
        }
        x += w;
    }
}

void TUVAbox::PaintSpelling(QPainter& p, const TUVAparag& par, const TUVAline& line, int baseline)
{
    if (par.spellMarks.empty())
        return;
    const auto& recs = par.Records();
    const int end = std::min({line.start + line.count, par.Length(), static_cast<int>(par.spellMarks.size())});
    int x = line.indentOffset + line.alignOffset;
    int runStart = -1;
    QPen pen(Qt::red, 1, Qt::DotLine);
    auto flush = [&](int endX) {
        if (runStart < 0)
            return;
        p.setPen(pen);
        p.drawLine(runStart, baseline + 2, endX, baseline + 2);
        if (runStart + 2 < endX)
            p.drawLine(runStart + 2, baseline + 1, endX, baseline + 1);
        runStart = -1;
    };
    for (int i = line.start; i < end; ++i) {
        const bool marked = par.spellMarks[static_cast<std::size_t>(i)] == '!';
        if (marked && runStart < 0)
            runStart = x;
        if (!marked)
            flush(x);
        x += recs[static_cast<std::size_t>(i)].width;
    }
    flush(x);
}

// ---- keyboard ----

void TUVAbox::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    if (Updating())
        return;
    const Qt::KeyboardModifiers mods =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const int key = event->key();

    if (!EditMode()) {
        // Browsing: the arrows scroll the frame by 10 pixels.
        QAbstractScrollArea* area = OwnerFrame();
        if (!area)
            return;
        if (key == Qt::Key_Left || key == Qt::Key_Right) {
            QScrollBar* bar = area->horizontalScrollBar();
            bar->setValue(bar->value() + (key == Qt::Key_Left ? -10 : 10));
        } else if (key == Qt::Key_Up || key == Qt::Key_Down) {
            QScrollBar* bar = area->verticalScrollBar();
            bar->setValue(bar->value() + (key == Qt::Key_Up ? -10 : 10));
        }
        return;
    }
    if (m_model.Count() == 0)
        return;

    NavKey nav{};
    bool isNav = true;
    switch (key) {
    case Qt::Key_Left: nav = NavKey::Left; break;
    case Qt::Key_Right: nav = NavKey::Right; break;
    case Qt::Key_Up: nav = NavKey::Up; break;
    case Qt::Key_Down: nav = NavKey::Down; break;
    case Qt::Key_PageUp: nav = NavKey::PageUp; break;
    case Qt::Key_PageDown: nav = NavKey::PageDown; break;
    case Qt::Key_Home: nav = NavKey::Home; break;
    case Qt::Key_End: nav = NavKey::End; break;
    default: isNav = false; break;
    }
    if (isNav) {
        if (mods & (Qt::AltModifier | Qt::MetaModifier))
            return;
        const bool shift = mods.testFlag(Qt::ShiftModifier);
        const int code = m_editor->Move(nav, mods.testFlag(Qt::ControlModifier), shift);
        AfterEdit();
        if (code != kExitNone && m_host)
            m_host->CaretExit(this, code);
        return;
    }

    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete: {
        if (key == Qt::Key_Delete && mods == Qt::ShiftModifier) {
            CutToClipboard();
            return;
        }
        if (mods != Qt::NoModifier)
            return;
        if (key == Qt::Key_Backspace)
            m_editor->Backspace();
        else
            m_editor->Delete();
        AfterEdit();
        return;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (mods != Qt::NoModifier && mods != Qt::KeypadModifier)
            return;
        m_editor->SplitParagraph();
        AfterEdit();
        return;
    case Qt::Key_F9: {
        if (mods != Qt::NoModifier)
            return;
        const int link = LinkAt(m_editor->Caret());
        if (link != -1)
            FollowLink(link);
        return;
    }
    default:
        break;
    }

    if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return;
    const QString text = event->text();
    if (text.isEmpty())
        return;
    m_editor->SetAutoEngQuote(m_host && m_host->AutoEngQuote());
    bool typed = false;
    for (const QChar ch : text) {
        const char32_t u = ch.unicode();
        if (u < 32)
            continue;
        const unsigned char c = UnicodeToCp1252(u, 0);
        if (c < 32)
            continue; // no such character in the document's code page
        if (m_editor->TypeChar(static_cast<char>(c)))
            typed = true;
    }
    if (typed)
        AfterEdit();
}

// ---- mouse ----

void TUVAbox::SyncMouseModes()
{
    m_mouse->SetModes(ReadOnly(), Inactive(), m_model.InTable());
}

void TUVAbox::CarryOut(const BoxMouseResult& result, const QPoint& globalPos)
{
    if (result.reportClick && m_host)
        m_host->Clicked(this);
    switch (result.action) {
    case BoxMouseAction::None:
        break;
    case BoxMouseAction::StartDrag:
        StartTextDrag();
        return;
    case BoxMouseAction::FollowLink:
        FollowLink(result.link);
        return;
    case BoxMouseAction::PopupGenLink:
    case BoxMouseAction::PopupSpecLink:
    case BoxMouseAction::PopupSpelling:
    case BoxMouseAction::PopupOwn:
    case BoxMouseAction::PopupInactive: {
        BoxPopup popup = BoxPopup::Own;
        if (result.action == BoxMouseAction::PopupGenLink)
            popup = BoxPopup::GenericLink;
        else if (result.action == BoxMouseAction::PopupSpecLink)
            popup = BoxPopup::SpecialLink;
        else if (result.action == BoxMouseAction::PopupSpelling)
            popup = BoxPopup::Spelling;
        else if (result.action == BoxMouseAction::PopupInactive)
            popup = BoxPopup::Inactive;
        if (m_host)
            m_host->Popup(this, popup, globalPos);
        break;
    }
    }
    if (result.rememberBox && m_host)
        m_host->RememberBox(this);
}

void TUVAbox::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (Updating() || m_model.Count() == 0)
        return;
    const QPoint p = event->position().toPoint();
    if (HitOwn(p).paragraph < 0)
        return; // no own text to put a caret in
    SyncMouseModes();
    const BoxMouseResult result = m_mouse->Press(p.x(), p.y(), ToBoxButton(event->button()));
    setFocus(Qt::MouseFocusReason);
    m_caret->Solid();
    UpdateCaretRect();
    update();
    CarryOut(result, event->globalPosition().toPoint());
}

void TUVAbox::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    const QPoint p = event->position().toPoint();
    if (!m_mouse->Pressed()) {
        UpdateHover(p);
        return;
    }
    if (Updating())
        return;
    SyncMouseModes();
    const bool wasSelecting = m_mouse->Selecting();
    const BoxMouseResult result = m_mouse->Move(p.x(), p.y());
    if (m_mouse->Selecting()) {
        UpdateCaretRect();
        if (wasSelecting)
            ScrollCaretIntoView();
        update();
    }
    CarryOut(result, event->globalPosition().toPoint());
}

void TUVAbox::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    if (Updating())
        return;
    // The double click acts at the release of its second press.
    const QPoint p = event->position().toPoint();
    SyncMouseModes();
    m_mouse->DoubleClickPress(p.x(), p.y(), ToBoxButton(event->button()));
}

void TUVAbox::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (Updating()) {
        m_mouse->Reset();
        return;
    }
    const QPoint p = event->position().toPoint();
    SyncMouseModes();
    const BoxMouseResult result = m_mouse->Release(p.x(), p.y(), ToBoxButton(event->button()));
    AfterEdit();
    CarryOut(result, event->globalPosition().toPoint());
}

void TUVAbox::UpdateHover(const QPoint& p)
{
    if (m_model.Count() == 0)
        return;
    SyncMouseModes();
    const BoxHover hover = m_mouse->Hover(p.x(), p.y());
    setToolTip(hover.link != -1 && m_host ? m_host->LinkDescription(hover.link) : QString());
    switch (hover.cursor) {
    case BoxCursor::Text: setCursor(Qt::IBeamCursor); break;
    case BoxCursor::Arrow: setCursor(Qt::ArrowCursor); break;
    case BoxCursor::Link:
    case BoxCursor::LinkBrowse: setCursor(Qt::PointingHandCursor); break;
    case BoxCursor::Drag: setCursor(Qt::DragMoveCursor); break;
    }
}

// ---- focus and size ----

void TUVAbox::focusInEvent(QFocusEvent* event)
{
    TDragCustomControl::focusInEvent(event);
    UpdateCaretRect();
    if (EditMode() || ReadOnly())
        m_caret->Start();
    m_editor->NotifyRulerMoved();
}

void TUVAbox::focusOutEvent(QFocusEvent* event)
{
    TDragCustomControl::focusOutEvent(event);
    m_caret->Stop();
}

void TUVAbox::resizeEvent(QResizeEvent* event)
{
    TDragCustomControl::resizeEvent(event);
}

void TUVAbox::showEvent(QShowEvent* event)
{
    TDragCustomControl::showEvent(event);
    QAbstractScrollArea* area = OwnerFrame();
    if (area && m_watchedFrame != area) {
        m_watchedFrame = area;
        area->viewport()->installEventFilter(this);
        SetRequestedHeight(area->viewport()->height());
        SetTextWidth(area->viewport()->width());
    }
}

bool TUVAbox::eventFilter(QObject* watched, QEvent* event)
{
    if (m_watchedFrame && watched == m_watchedFrame->viewport() && event->type() == QEvent::Resize) {
        QWidget* viewport = m_watchedFrame->viewport();
        SetRequestedHeight(viewport->height());
        SetTextWidth(viewport->width());
    }
    return TDragCustomControl::eventFilter(watched, event);
}

// ---- clipboard, drag and drop ----

QMimeData* TUVAbox::SelectionMimeData() const
{
    auto* mime = new QMimeData;
    int paragraphs = 0;
    const std::string markup = m_editor->SelectedMarkup(&paragraphs);
    const std::vector<std::uint8_t> stream = SelectionStream::Write(markup, paragraphs);
    mime->setData(SelectionMime(),
                  QByteArray(reinterpret_cast<const char*>(stream.data()), static_cast<qsizetype>(stream.size())));
    mime->setText(ToQString(m_editor->SelectedText()));
    return mime;
}

bool TUVAbox::SelectionHoldsObject() const
{
    if (!m_editor->HasSelection())
        return false;
    const TCaretPos s = m_editor->SelectionStart();
    const TCaretPos e = m_editor->SelectionEnd();
    for (int p = s.paragraph; p <= e.paragraph; ++p) {
        const TUVAparag& par = m_model.At(p);
        const int from = p == s.paragraph ? s.index : 0;
        const int to = p == e.paragraph ? e.index : par.Length();
        for (int i = from; i < to; ++i)
            if (par.ObjectAt(i))
                return true;
    }
    return false;
}

void TUVAbox::CopyToClipboard()
{
    if (!m_editor->HasSelection())
        return;
    QApplication::clipboard()->setMimeData(SelectionMimeData());
    m_editor->NotifySelectionChanged();
}

void TUVAbox::CutToClipboard()
{
    if (!EditMode() || !m_editor->HasSelection())
        return;
    QApplication::clipboard()->setMimeData(SelectionMimeData());
    m_editor->DeleteSelection();
    AfterEdit();
    m_editor->NotifySelectionChanged();
}

bool TUVAbox::PasteFromClipboard()
{
    if (!EditMode() || Updating())
        return false;
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    if (!mime)
        return false;
    // What another box put there may come from another text.
    const bool done = InsertData(mime, kClipboardInsertion, false);
    AfterEdit();
    return done;
}

bool TUVAbox::InsertData(const QMimeData* mime, std::string_view caption, bool localLinksKept)
{
    if (mime->hasFormat(SelectionMime())) {
        const QByteArray bytes = mime->data(SelectionMime());
        const auto stream = SelectionStream::Read(
            std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                          static_cast<std::size_t>(bytes.size())));
        if (stream) {
            const RefTranslation dropped = LocalLinksDropped(stream->markup);
            MarkupInsertion where;
            if (!localLinksKept)
                where.linkMap = &dropped;
            return m_editor->InsertMarkup(stream->markup, caption, where);
        }
    }
    if (!mime->hasText())
        return false;
    // Plain text from other programs goes in as typed text; a line break
    // splits the paragraph.
    const std::string text = Utf8ToCp1252(mime->text().toStdString());
    bool typed = false;
    for (char c : text) {
        if (c == '\n')
            typed = m_editor->SplitParagraph() || typed;
        else
            typed = m_editor->TypeChar(c) || typed;
    }
    m_editor->EndRuns();
    return typed;
}

void TUVAbox::StartTextDrag()
{
    if (!m_editor->HasSelection()) {
        m_mouse->DragEnded();
        return;
    }
    const bool copy = QApplication::keyboardModifiers().testFlag(Qt::ControlModifier);
    QMimeData* mime = SelectionMimeData();
    mime->setData(kBoxDragMime, QByteArray::number(reinterpret_cast<quintptr>(this)));
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    // The target does the insertion and, for a move, the deletion here.
    drag->exec(Qt::CopyAction | Qt::MoveAction, copy ? Qt::CopyAction : Qt::MoveAction);
    m_mouse->DragEnded();
    m_dropCaret->ShowSteady(false);
}

void TUVAbox::MoveDropCaret(const QPoint& p)
{
    const TCaretPos pos = HitOwn(p);
    m_dropCaret->Place(pos.x, pos.y, pos.height);
    m_dropCaret->ShowSteady(true);
    // Near the frame's edge the frame scrolls by half the distance into the margin.
    auto* area = qobject_cast<QScrollArea*>(OwnerFrame());
    if (!area)
        return;
    const QPoint inView = mapTo(area->viewport(), p);
    const QRect client = area->viewport()->rect();
    const int margin = 30;
    int dy = 0;
    if (inView.y() < margin)
        dy = -(margin - inView.y()) / 2;
    else if (inView.y() > client.height() - margin)
        dy = (inView.y() - (client.height() - margin)) / 2;
    if (dy != 0)
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->value() + dy);
}

void TUVAbox::dragEnterEvent(QDragEnterEvent* event)
{
    const QMimeData* mime = event->mimeData();
    const bool text = mime->hasFormat(kBoxDragMime) || mime->hasFormat(SelectionMime()) || mime->hasText();
    if (mime->hasUrls() || (text && EditMode() && !m_model.InTable())) {
        event->acceptProposedAction();
        return;
    }
    event->ignore();
}

void TUVAbox::dragMoveEvent(QDragMoveEvent* event)
{
    if (!event->mimeData()->hasUrls()) {
        const QPoint p = event->position().toPoint();
        const TCaretPos pos = HitOwn(p);
        const bool self = DragSource(event) == this;
        if (self && InSelection(pos)) {
            m_dropCaret->ShowSteady(false);
            event->ignore(); // a drop inside the dragged text is refused
            return;
        }
        MoveDropCaret(p);
    }
    event->acceptProposedAction();
}

void TUVAbox::dragLeaveEvent(QDragLeaveEvent* event)
{
    m_dropCaret->ShowSteady(false);
    event->accept();
}

void TUVAbox::dropEvent(QDropEvent* event)
{
    m_dropCaret->ShowSteady(false);
    const QMimeData* mime = event->mimeData();
    const QPoint p = event->position().toPoint();
    if (mime->hasUrls() && !mime->hasFormat(kBoxDragMime)) {
        if (m_host && m_host->IsWrapper())
            return;
        QStringList files;
        for (const QUrl& url : mime->urls())
            if (url.isLocalFile())
                files << url.toLocalFile();
        if (files.isEmpty())
            return;
        if (!EditMode()) {
            QStringList hypertexts;
            for (const QString& f : files)
                if (QFileInfo(f).suffix().compare(QLatin1String("uva"), Qt::CaseInsensitive) == 0)
                    hypertexts << f;
            if (!hypertexts.isEmpty() && m_host)
                m_host->OpenHypertextFiles(this, hypertexts);
        } else {
            const TCaretPos pos = HitOwn(p);
            m_editor->SetCaret(pos.paragraph, pos.index, pos.line);
            AfterEdit();
            if (m_host)
                m_host->DropFiles(this, files);
        }
        event->acceptProposedAction();
        return;
    }
    if (!EditMode() || m_model.InTable())
        return;
    TUVAbox* source = DragSource(event);
    if (source && !source->m_editor->HasSelection())
        source = nullptr;
    const TCaretPos target = HitOwn(p);
    if (target.paragraph < 0)
        return;
    if (source == this && InSelection(target))
        return; // a drop inside the dragged text does nothing
    bool move = source && event->dropAction() == Qt::MoveAction;
    if (source && source->m_mouse->Button() == BoxMouseButton::Right) {
        QMenu menu;
        QAction* moveItem = menu.addAction(tr("&Move"));
        QAction* copyItem = menu.addAction(tr("&Copy"));
        menu.addSeparator();
        menu.addAction(tr("&Cancel"));
        QAction* chosen = menu.exec(mapToGlobal(p));
        if (chosen != moveItem && chosen != copyItem)
            return;
        move = chosen == moveItem;
    }
    if (move && source->SelectionHoldsObject())
        move = false; // objects are not carried by the markup here: the source keeps them
    int para = target.paragraph;
    int index = target.index;
    if (move) {
        const TCaretPos s = source->Editor().SelectionStart();
        const TCaretPos e = source->Editor().SelectionEnd();
        if (!source->Editor().DeleteSelection())
            return;
        source->AfterEdit();
        if (source == this && !target.Before(e)) {
            // The drop point lay after the removed text: it moves back with it.
            if (target.paragraph == e.paragraph) {
                para = s.paragraph;
                index = s.index + (target.index - e.index);
            } else {
                para -= e.paragraph - s.paragraph;
            }
        }
    }
    m_editor->SetCaret(para, index);
    // Local links mean the same only within the one text they came from.
    InsertData(mime, kDropInsertion, source == this);
    AfterEdit();
    event->setDropAction(move ? Qt::MoveAction : Qt::CopyAction);
    event->accept();
}

} // namespace quor
