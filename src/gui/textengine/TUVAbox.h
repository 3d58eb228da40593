// TUVAbox.h: the text box widget. It shows a box model's laid-out paragraphs
// (runs in their fonts and colours, links, selection, numbers and bullets,
// spelling marks, header and footer shading), blinks its caret, and turns keys,
// mouse actions and drops into calls on the core editor (TUVAboxEditor), which
// does all editing, caret movement and layout. What happens is reported to
// the host (the frame set) through ITextBoxHost.
#pragma once

#include "composition/TDragCustomControl.h"
#include "textengine/BoxMouse.h"
#include "textengine/ITextBoxHost.h"
#include "textengine/TUVAboxEditor.h"
#include "textengine/TUVAboxModel.h"

#include <QPixmap>
#include <QPointer>

#include <memory>
#include <string>
#include <string_view>

class QMimeData;
class QPainter;
class QAbstractScrollArea;

namespace quor {

class IStyleSource;
class QtFontMetrics;
class TUVAcursor;
struct TextRun;

class TUVAbox : public TDragCustomControl, private IBoxView {
    Q_OBJECT
public:
    // Measures with `metrics` (null: the shared screen metrics).
    explicit TUVAbox(QWidget* parent = nullptr, const QtFontMetrics* metrics = nullptr);
    ~TUVAbox() override;

    TUVAboxModel& Model() { return m_model; }
    const TUVAboxModel& Model() const { return m_model; }
    TUVAboxEditor& Editor() { return *m_editor; }
    const TUVAboxEditor& Editor() const { return *m_editor; }
    const QtFontMetrics& Metrics() const { return m_metrics; }

    void SetHost(ITextBoxHost* host) { m_host = host; }
    ITextBoxHost* Host() const { return m_host; }
    // Where undo steps are recorded and messages shown (either may be null).
    void SetUndo(IUndoRecorder* undo, IMessages* messages);

    // Loads the box's texts from markup and lays it out; the caret goes to the
    // start of the own text (an empty own text gets one empty paragraph).
    // Reports a selection and a ruler change.
    void LoadText(std::string_view own, const IStyleSource* styles, std::string_view header = {},
                  std::string_view footer = {});
    // The own text as stored (markup followed by a NUL).
    std::string SaveText() const;

    // Text width the paragraphs are broken to (the client width of the frame).
    void SetTextWidth(int width);
    // Height asked for by the frame; the box is at least this high.
    void SetRequestedHeight(int height);

    QColor BackgroundColour() const { return m_background; }
    void SetBackgroundColour(const QColor& c) { m_background = c; update(); }
    // Page background picture: tiled; `transparent` skips the colour fill
    // under it; `fixed` keeps it still while the frame scrolls.
    void SetBackgroundPicture(const QPixmap& picture, bool transparent = false, bool fixed = false);

    // Box update: while open, keys and mouse actions are ignored.
    void BeginUpdate() { ++m_updateCount; }
    void EndUpdate();
    bool Updating() const { return m_updateCount > 0; }

    // After a change made through the editor or its attribute objects: the
    // caret, size and picture follow, and a focused box reports a selection
    // and a ruler change.
    void Refresh();

    // Character attribute commands (the selection, or the pending attributes).
    void ChangeStyleBits(std::uint8_t setBits, std::uint8_t clearBits);

    // Clipboard: the selection goes as its private stream (formatted) and as
    // plain text; a paste prefers the stream ("Clipboard insertion") and
    // takes plain text from other programs as typed text.
    void CopyToClipboard();
    void CutToClipboard();
    bool PasteFromClipboard();
    // The selection as the platform carries it in drags and on the clipboard.
    QMimeData* SelectionMimeData() const;

    // Link value of the character at a position (the last character at the
    // paragraph end; -1 for none; a table is never a link).
    int LinkAt(const TCaretPos& pos) const;

    TUVAcursor& Caret() const { return *m_caret; }
    TUVAcursor& DropCaret() const { return *m_dropCaret; }
    // Scrolls the owner frame so that the caret shows, 3 pixels clear of the edges.
    void ScrollCaretIntoView();
    // Caret bar geometry from the editor's caret.
    void UpdateCaretRect();

    // Called by the shared timer through the caret.
    void CaretTicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // IBoxView
    void InvalidateBand(int top, int bottom) override;
    void ParagraphsShifted(int from) override;
    void ScrollRangesChanged(int horizontal, int vertical) override;
    void SelectionChanged() override;
    void RulerPosChanged() override;

    void MakeEditor();
    void SyncMouseModes();
    // Carries out what the mouse logic asks for after an event.
    void CarryOut(const BoxMouseResult& result, const QPoint& globalPos);
    // Inserts dropped or pasted data at the caret: the private stream keeps
    // the formatting; plain text is typed. `localLinksKept` is false when the
    // data comes from another text, whose local links mean nothing here.
    bool InsertData(const QMimeData* mime, std::string_view caption, bool localLinksKept);
    // True when an embedded object stands in the selection. Dropped markup
    // brings no objects (no control registry here), so such a selection is
    // copied, never moved: moving it would free the objects.
    bool SelectionHoldsObject() const;
    void AfterEdit();
    void FollowLink(int link);
    QAbstractScrollArea* OwnerFrame() const;
    void ResizeToContent();
    bool InSelection(const TCaretPos& pos) const;
    TCaretPos HitOwn(const QPoint& p) const;
    void UpdateHover(const QPoint& p);
    void StartTextDrag();
    void MoveDropCaret(const QPoint& p);

    void PaintBackground(QPainter& p, const QRect& area);
    void PaintParagraph(QPainter& p, int index, int number, int selFrom, int selTo);
    void PaintRun(QPainter& p, const TUVAparag& par, const TextRun& run, int baseline, int selFrom, int selTo);
    void PaintSpelling(QPainter& p, const TUVAparag& par, const TUVAline& line, int baseline);

    const QtFontMetrics& m_metrics;
    TUVAboxModel m_model;
    std::unique_ptr<TUVAboxEditor> m_editor;
    std::unique_ptr<BoxMouse> m_mouse;
    ITextBoxHost* m_host = nullptr;
    IUndoRecorder* m_undo = nullptr;
    IMessages* m_messages = nullptr;
    TUVAcursor* m_caret;
    TUVAcursor* m_dropCaret;

    QColor m_background{0xC0, 0xC0, 0xC0};
    QPixmap m_picture;
    bool m_pictureTransparent = false;
    bool m_pictureFixed = false;
    int m_requestedHeight = 0;
    int m_updateCount = 0;
    int m_scrollTicks = 0;

    QPointer<QAbstractScrollArea> m_watchedFrame;
};

} // namespace quor
