// TUVAboxEditor.cpp: caret, selection and the text-changing commands.
#include "textengine/TUVAboxEditor.h"

#include "textengine/MarkupReader.h"
#include "textengine/MarkupWriter.h"
#include "textengine/ParagraphEdit.h"
#include "textengine/TUVAParaAttributes.h"
#include "textengine/TUVATextAttributes.h"

#include <algorithm>
#include <span>

namespace quor {

namespace {

// Clears a flag when the scope ends, whatever path leaves it.
struct FlagScope {
    explicit FlagScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~FlagScope() { m_flag = false; }
    bool& m_flag;
};

constexpr unsigned char kOpenDoubleQuote = 0x93;
constexpr unsigned char kCloseDoubleQuote = 0x94;
constexpr unsigned char kOpenSingleQuote = 0x91;
constexpr unsigned char kCloseSingleQuote = 0x92;

} // namespace

TUVAboxEditor::TUVAboxEditor(TUVAboxModel& box, IUndoRecorder* undo, IMessages* messages)
    : m_box(box), m_undo(undo), m_messages(messages), m_text(std::make_unique<TUVATextAttributes>(*this)),
      m_para(std::make_unique<TUVAParaAttributes>(*this))
{
    if (m_box.FirstOwn() <= m_box.LastOwn())
        SetCaret(m_box.FirstOwn(), 0);
}

TUVAboxEditor::~TUVAboxEditor() = default;

TCaretPos TUVAboxEditor::SelectionStart() const
{
    if (!HasSelection())
        return m_caret;
    return m_anchor.Before(m_caret) ? m_anchor : m_caret;
}

TCaretPos TUVAboxEditor::SelectionEnd() const
{
    if (!HasSelection())
        return m_caret;
    return m_anchor.Before(m_caret) ? m_caret : m_anchor;
}

void TUVAboxEditor::SetCaret(int para, int index, int lineHint)
{
    para = std::clamp(para, 0, std::max(m_box.Count() - 1, 0));
    m_caret = m_box.CaretAt(para, index, lineHint);
    m_anchor = m_caret;
    m_hasSelection = false;
}

void TUVAboxEditor::Select(int anchorPara, int anchorIndex, int activePara, int activeIndex, SelectionOrigin origin)
{
    m_anchor = m_box.CaretAt(anchorPara, anchorIndex);
    m_caret = m_box.CaretAt(activePara, activeIndex);
    m_hasSelection = !m_anchor.SamePlace(m_caret);
    m_origin = origin;
}

void TUVAboxEditor::SelectAll()
{
    const int last = m_box.LastOwn();
    if (last < m_box.FirstOwn())
        return;
    Select(m_box.FirstOwn(), 0, last, m_box.At(last).Length(), SelectionOrigin::Other);
}

void TUVAboxEditor::ClearSelection()
{
    m_anchor = m_caret;
    m_hasSelection = false;
}

std::string TUVAboxEditor::SelectedText() const
{
    if (!HasSelection())
        return {};
    const TCaretPos s = SelectionStart();
    const TCaretPos e = SelectionEnd();
    std::string out;
    for (int p = s.paragraph; p <= e.paragraph; ++p) {
        const std::string& t = m_box.At(p).Text();
        const int from = p == s.paragraph ? s.index : 0;
        const int to = p == e.paragraph ? e.index : static_cast<int>(t.size());
        out.append(t, static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
    }
    return out;
}

std::string TUVAboxEditor::SelectedMarkup(int* paragraphs) const
{
    if (paragraphs)
        *paragraphs = 0;
    if (!HasSelection())
        return {};
    const TCaretPos s = SelectionStart();
    const TCaretPos e = SelectionEnd();
    std::string out;
    for (int p = s.paragraph; p <= e.paragraph; ++p) {
        const TUVAparag& par = m_box.At(p);
        const int from = p == s.paragraph ? s.index : 0;
        const int to = p == e.paragraph ? e.index : par.Length();
        MarkupWriter::WriteParagraph(par, out, mwWhole, to, from);
    }
    if (paragraphs)
        *paragraphs = e.paragraph - s.paragraph + 1;
    return out;
}

void TUVAboxEditor::RefreshCaret()
{
    if (m_box.Count() == 0)
        return;
    const bool had = m_hasSelection;
    const int last = m_box.Count() - 1;
    m_caret = m_box.CaretAt(std::min(m_caret.paragraph, last), m_caret.index, m_caret.line);
    m_anchor = m_box.CaretAt(std::min(m_anchor.paragraph, last), m_anchor.index, m_anchor.line);
    m_hasSelection = had;
}

void TUVAboxEditor::EndEditRuns()
{
    m_typingRun = false;
    m_deletionRun = false;
}

void TUVAboxEditor::EndRuns()
{
    m_typingRun = false;
    m_deletionRun = false;
    m_text->ClearPending();
}

int TUVAboxEditor::Move(NavKey key, bool ctrl, bool shift)
{
    EndRuns();
    if (m_box.Count() == 0)
        return kExitNone;
    const BoxNavigation nav(m_box);
    if (shift) {
        const NavResult r = nav.Move(m_caret, key, ctrl);
        if (r.exitCode != kExitNone)
            return kExitNone; // a selection never leaves the box
        const bool extend = HasSelection() && m_origin != SelectionOrigin::Other;
        if (!extend)
            m_anchor = m_caret;
        m_caret = r.pos;
        m_hasSelection = !m_anchor.SamePlace(m_caret);
        m_origin = SelectionOrigin::Keys;
        NotifySelectionChanged();
        return kExitNone;
    }
    if (HasSelection()) {
        const bool toStart = key == NavKey::PageUp || key == NavKey::Home || key == NavKey::Left || key == NavKey::Up;
        const TCaretPos target = toStart ? SelectionStart() : SelectionEnd();
        m_caret = target;
        ClearSelection();
        NotifySelectionChanged();
        return kExitNone;
    }
    const NavResult r = nav.Move(m_caret, key, ctrl);
    if (r.exitCode == kExitNone) {
        m_caret = r.pos;
        ClearSelection();
        NotifySelectionChanged();
    }
    return r.exitCode;
}

UndoStep TUVAboxEditor::Step(std::string caption, UndoKind kind, int first, int last) const
{
    UndoStep s;
    s.caption = std::move(caption);
    s.kind = kind;
    s.firstParagraph = first;
    s.lastParagraph = last;
    s.caret = m_caret;
    s.anchor = m_anchor;
    s.hadSelection = HasSelection();
    return s;
}

bool TUVAboxEditor::Change(UndoStep step, const std::function<void()>& change)
{
    if (m_changing)
        return false;
    FlagScope guard(m_changing);
    step.caret = m_caret;
    step.anchor = m_anchor;
    step.hadSelection = HasSelection();
    if (m_undo)
        m_undo->Record(step, m_box);
    change();
    return true;
}

void TUVAboxEditor::Rebuild(int first, int last)
{
    for (int p = first; p <= last; ++p)
        m_box.Measurer().Remeasure(m_box.At(p));
    m_box.Relayout(first, last);
    RefreshCaret();
}

void TUVAboxEditor::ShowError(std::string_view text)
{
    if (m_messages)
        m_messages->Show(MessageKind::Error, text);
}

bool TUVAboxEditor::TypeChar(char c)
{
    const auto code = static_cast<unsigned char>(c);
    if (code < 32 || m_changing || m_box.Count() == 0)
        return false;
    const bool opensRun = !m_typingRun;
    if (!m_typingRun) {
        if (HasSelection() && !DeleteSelection())
            return false;
        if (m_undo) {
            const UndoStep step = Step("Text insertion", UndoKind::TextInsertion, m_caret.paragraph, m_caret.paragraph);
            m_undo->Record(step, m_box);
        }
        m_typingRun = true;
        m_deletionRun = false;
    }
    FlagScope guard(m_changing);

    // Text never enters a table's paragraph: split it off first.
    if (m_box.At(m_caret.paragraph).IsTableParagraph()) {
        const int tp = m_caret.paragraph;
        const int at = m_caret.index;
        SplitAt(tp, at);
        // At the table's start the caret stays above it, in the emptied paragraph.
        SetCaret(at == 0 ? tp : tp + 1, 0);
    }

    const int p = m_caret.paragraph;
    const int i = m_caret.index;
    TUVAparag& par = m_box.At(p);
    const bool atObject = i < par.Length() && par.ObjectAt(i) != nullptr;
    const TMyFont typingFont = par.FontAt(i - 1);
    const std::int32_t link = i > 0 ? par.Records()[static_cast<std::size_t>(i - 1)].link : -1;

    if (m_autoEngQuote && (c == '"' || c == '\'')) {
        const unsigned char before = i > 0 ? static_cast<unsigned char>(par.Text()[static_cast<std::size_t>(i - 1)]) : 0;
        const bool opening = i == 0 || before == ' ' || before == kCloseSingleQuote || before == kCloseDoubleQuote;
        if (c == '"')
            c = static_cast<char>(opening ? kOpenDoubleQuote : kCloseDoubleQuote);
        else
            c = static_cast<char>(opening ? kOpenSingleQuote : kCloseSingleQuote);
    }

    TCharRec rec;
    rec.link = link;
    ParagraphEdit::InsertChar(par, i, c, rec);
    if (m_text->HasPending()) {
        // The new character gets the pending attributes; the one after it
        // goes back to the previous font unless it starts a run of its own.
        TUVAFontStyle run(par.Style().Base());
        run.Assign(m_text->WithPending(typingFont));
        par.Records()[static_cast<std::size_t>(i)].runFont = par.AddRunFont(run);
        ParagraphEdit::EnsureRunFont(par, i + 1, typingFont);
        m_text->ClearPending();
    }
    const CharMeasure m = m_box.Measurer().MeasureAt(par, i);
    TCharRec& r = par.Records()[static_cast<std::size_t>(i)];
    r.width = m.width;
    r.height = m.height;
    r.ascent = m.ascent;
    par.spellMarks.clear();
    m_box.Relayout(p, p);
    SetCaret(p, i + 1);
    if (opensRun || atObject)
        NotifySelectionChanged();
    return true;
}

void TUVAboxEditor::SplitAt(int para, int index)
{
    TUVAparag& par = m_box.At(para);
    const int oldEnd = par.bottomY + 1;
    SplitUnlaid(para, index);
    m_box.LayOutRange(para, para + 1, par.topY, oldEnd);
}

void TUVAboxEditor::SplitUnlaid(int para, int index)
{
    TUVAparag& par = m_box.At(para);
    const TMyFont typingFont = par.FontAt(index - 1);
    auto next = std::make_unique<TUVAparag>(par.Box(), par.Kind());
    next->Style() = par.Style();
    next->Style().Assign(typingFont);
    ParagraphTail tail = ParagraphEdit::SplitOff(par, index);
    ParagraphEdit::Append(*next, std::move(tail));
    next->defaultLineHeight = m_box.Measurer().DefaultLineHeight(*next);
    par.spellMarks.clear();
    auto& list = m_box.Paragraphs();
    list.insert(list.begin() + para + 1, std::move(next));
}

bool TUVAboxEditor::SplitParagraph()
{
    if (m_changing || m_box.Count() == 0)
        return false;
    if (HasSelection() && !DeleteSelection())
        return false;
    const bool done =
        Change(Step("Paragraph insertion", UndoKind::ParagraphInsertion, m_caret.paragraph, m_caret.paragraph), [&] {
            EndRuns();
            const int p = m_caret.paragraph;
            SplitAt(p, m_caret.index);
            SetCaret(p + 1, 0);
        });
    if (done)
        NotifySelectionChanged();
    return done;
}

bool TUVAboxEditor::DeleteSelection()
{
    if (!HasSelection()) {
        ShowError(kSelectionMustExist);
        return false;
    }
    return DeleteRange(SelectionStart(), SelectionEnd(), true);
}

bool TUVAboxEditor::DeleteRange(const TCaretPos& s, const TCaretPos& e, bool recordStep)
{
    if (m_changing)
        return false;
    m_typingRun = false;
    m_text->ClearPending();
    const bool object = m_box.At(s.paragraph).ObjectAt(s.index) != nullptr && s.index < m_box.At(s.paragraph).Length();
    m_recordOpened = recordStep && (!m_deletionRun || object);
    if (m_recordOpened && m_undo) {
        const UndoStep step = Step(object ? "Object deletion" : "Selection deletion",
                                   object ? UndoKind::ObjectDeletion : UndoKind::TextDeletion, s.paragraph, e.paragraph);
        m_undo->Record(step, m_box);
    }
    FlagScope guard(m_changing);
    m_deletionRun = !object;

    auto freed = [this](const EmbeddedObject& o) {
        if (m_objectFreed)
            m_objectFreed(o);
    };
    TUVAparag& last = m_box.At(e.paragraph);
    const TMyFont endFont = last.FontAt(e.index);

    if (s.paragraph == e.paragraph) {
        TUVAparag& par = last;
        // The text after the selection keeps its look.
        if (!(par.FontAt(s.index - 1) == endFont))
            ParagraphEdit::EnsureRunFont(par, e.index, endFont);
        ParagraphEdit::Erase(par, s.index, e.index, freed);
        m_box.Relayout(s.paragraph, s.paragraph);
        SetCaret(s.paragraph, s.index);
        return true;
    }

    m_deletionRun = false;
    TUVAparag& first = m_box.At(s.paragraph);
    const int top = first.topY;
    const int oldEnd = last.bottomY + 1;
    ParagraphEdit::Erase(first, s.index, first.Length(), freed);
    ParagraphEdit::EnsureRunFont(last, e.index, endFont);
    ParagraphEdit::Erase(last, 0, e.index, freed);
    auto& list = m_box.Paragraphs();
    for (int p = s.paragraph + 1; p < e.paragraph; ++p)
        for (const EmbeddedObject& o : m_box.At(p).Objects())
            freed(o);
    list.erase(list.begin() + s.paragraph + 1, list.begin() + e.paragraph);
    const int lastIndex = s.paragraph + 1;

    int laidLast = s.paragraph;
    const bool tableAfter = e.index == 0 && m_box.At(lastIndex).IsTableParagraph();
    const bool tableBefore = m_box.At(s.paragraph).IsTableParagraph();
    if (s.index > 0 && (tableAfter || tableBefore)) {
        laidLast = lastIndex; // a table keeps a paragraph of its own: nothing is joined to it
    } else if (s.index == 0) {
        list.erase(list.begin() + s.paragraph); // the last paragraph takes the first's place
    } else {
        JoinInto(s.paragraph, lastIndex);
    }
    m_box.LayOutRange(s.paragraph, laidLast, top, oldEnd);
    SetCaret(s.paragraph, s.index);
    return true;
}

void TUVAboxEditor::JoinInto(int firstPara, int lastPara)
{
    TUVAparag& first = m_box.At(firstPara);
    TUVAparag& last = m_box.At(lastPara);
    // The appended characters keep their fonts: a run font at the joint
    // carries the last paragraph's font, the others are restated relative to
    // the first paragraph's style.
    TMyFont joint = last.Style().EffectiveFont();
    ParagraphTail tail = ParagraphEdit::SplitOff(last, 0);
    if (!tail.records.empty() && tail.records[0].runFont >= 0) {
        const TUVAFontStyle& rf = tail.runFonts[static_cast<std::size_t>(tail.records[0].runFont)];
        if (rf.Overrides(kFontAttrColour))
            joint.colour = rf.OwnColour();
        if (rf.Overrides(kFontAttrName))
            joint.name = rf.OwnName();
        if (rf.Overrides(kFontAttrSize))
            joint.size = rf.OwnSize();
        if (rf.Overrides(kFontAttrStyle))
            joint.style = rf.OwnStyle();
        if (rf.Overrides(kFontAttrPosition))
            joint.position = rf.OwnPosition();
    }
    for (TUVAFontStyle& f : tail.runFonts)
        ParagraphEdit::Rebase(f, first.Style().Base());
    TUVAFontStyle jointFont(first.Style().Base());
    jointFont.Assign(joint);
    if (!tail.records.empty()) {
        tail.records[0].runFont = static_cast<int>(tail.runFonts.size());
        tail.runFonts.push_back(jointFont);
    }
    ParagraphEdit::Append(first, std::move(tail));
    m_box.Measurer().Remeasure(first);
    auto& list = m_box.Paragraphs();
    list.erase(list.begin() + lastPara);
}

bool TUVAboxEditor::Backspace() { return DeletionKey(&TUVAboxEditor::BackspaceKey); }

bool TUVAboxEditor::DeletionKey(bool (TUVAboxEditor::*key)())
{
    if (m_changing || m_box.Count() == 0)
        return false;
    m_recordOpened = false;
    const bool done = (this->*key)();
    if (done && m_recordOpened)
        NotifySelectionChanged(); // a new deletion record was opened
    return done;
}

bool TUVAboxEditor::BackspaceKey()
{
    if (HasSelection())
        return DeleteSelection();
    const int p = m_caret.paragraph;
    const int i = m_caret.index;
    if (i > 0)
        return DeleteRange(m_box.CaretAt(p, i - 1), m_caret, true);
    if (p <= m_box.FirstOwn())
        return false;
    // Text is never joined into a table's paragraph.
    if (m_box.At(p - 1).IsTableParagraph())
        return false;
    return DeleteRange(m_box.CaretAt(p - 1, m_box.At(p - 1).Length()), m_caret, true);
}

bool TUVAboxEditor::Delete() { return DeletionKey(&TUVAboxEditor::DeleteKey); }

bool TUVAboxEditor::DeleteKey()
{
    if (HasSelection())
        return DeleteSelection();
    const int p = m_caret.paragraph;
    const int i = m_caret.index;
    if (i < m_box.At(p).Length())
        return DeleteRange(m_caret, m_box.CaretAt(p, i + 1), true);
    if (p >= m_box.LastOwn())
        return false;
    return DeleteRange(m_caret, m_box.CaretAt(p + 1, 0), true);
}

bool TUVAboxEditor::ReplaceSelection(std::string_view text)
{
    if (!HasSelection() || m_changing)
        return false;
    const TCaretPos s = SelectionStart();
    const TCaretPos e = SelectionEnd();
    if (s.paragraph != e.paragraph) {
        if (m_messages)
            m_messages->Show(MessageKind::Information, kReplaceAcrossParagraphs);
        return false;
    }
    if (text.empty())
        return false;
    const int p = s.paragraph;
    return Change(Step("Replace selection with: " + std::string(text), UndoKind::Snapshot, p, p), [&] {
        EndRuns();
        auto freed = [this](const EmbeddedObject& o) {
            if (m_objectFreed)
                m_objectFreed(o);
        };
        TUVAparag& par = m_box.At(p);
        const int oldLen = e.index - s.index;
        const int newLen = static_cast<int>(text.size());
        const int common = std::min(oldLen, newLen);
        for (int k = 0; k < common; ++k)
            ParagraphEdit::ReplaceChar(par, s.index + k, text[static_cast<std::size_t>(k)], freed);
        if (newLen < oldLen) {
            const TMyFont after = par.FontAt(e.index);
            ParagraphEdit::EnsureRunFont(par, e.index, after);
            ParagraphEdit::Erase(par, s.index + newLen, e.index, freed);
        } else {
            TCharRec rec;
            rec.link = par.Records()[static_cast<std::size_t>(e.index - 1)].link;
            const std::vector<TCharRec> records(static_cast<std::size_t>(newLen - common), rec);
            par.InsertChars(s.index + common, text.substr(static_cast<std::size_t>(common)), records);
        }
        m_box.Measurer().Remeasure(par);
        m_box.Relayout(p, p);
        Select(p, s.index, p, s.index + newLen, SelectionOrigin::Other);
    });
}

void TUVAboxEditor::NotifySelectionChanged()
{
    if (IBoxView* view = m_box.View())
        view->SelectionChanged();
}

void TUVAboxEditor::NotifyRulerMoved()
{
    if (IBoxView* view = m_box.View())
        view->RulerPosChanged();
}

void TUVAboxEditor::TextLoaded()
{
    EndRuns();
    if (m_box.FirstOwn() <= m_box.LastOwn())
        SetCaret(m_box.FirstOwn(), 0);
    else
        SetCaret(0, 0);
    NotifySelectionChanged();
    NotifyRulerMoved();
}

bool TUVAboxEditor::InsertMarkup(std::string_view markup, std::string_view caption, const MarkupInsertion& where)
{
    if (m_changing || m_box.Count() == 0 || !m_box.IsOwn(m_caret.paragraph))
        return false;
    // Parse first: markup that holds no paragraph changes nothing.
    MarkupReadOptions opts;
    opts.styles = m_box.At(m_caret.paragraph).Style().Base().source;
    opts.metrics = &m_box.Metrics();
    opts.messages = m_messages;
    opts.controls = where.controls;
    opts.linkMap = where.linkMap;
    opts.mode = 0;
    ParagraphList inserted = MarkupReader::ReadAll(markup, opts);
    if (inserted.empty())
        return false;
    EndRuns();
    if (HasSelection() && !DeleteSelection())
        return false;
    EndRuns();
    const int p = m_caret.paragraph;
    const bool done = Change(Step(std::string(caption), UndoKind::Snapshot, p, p), [&] {
        TUVAparag& target = m_box.At(p);
        const int top = target.topY;
        const int oldEnd = target.bottomY + 1;
        const bool wasEmpty = target.Length() == 0;
        const int count = static_cast<int>(inserted.size());
        for (auto& par : inserted) {
            par->SetBox(target.Box());
            par->SetKind(target.Kind());
        }
        // Styles: the first inserted paragraph takes the caret paragraph's
        // style, except that an empty caret paragraph takes a proper style
        // (id above 1) of the inserted text.
        if (wasEmpty && inserted.front()->Style().Base().id > 1)
            target.Style() = inserted.front()->Style();

        // first half (p), inserted paragraphs (p+1 .. p+count), second half.
        SplitUnlaid(p, m_caret.index);
        auto& list = m_box.Paragraphs();
        list.insert(list.begin() + p + 1, std::make_move_iterator(inserted.begin()),
                    std::make_move_iterator(inserted.end()));
        for (int k = p + 1; k <= p + count; ++k)
            m_box.Measurer().Remeasure(m_box.At(k));
        int first = p + 1;
        int last = p + count;
        int second = last + 1;

        if (m_box.At(first).IsTableParagraph()) {
            if (m_box.At(p).Length() == 0) {
                list.erase(list.begin() + p); // an empty first half goes
                --first;
                --last;
                --second;
            }
        } else if (!m_box.At(p).IsTableParagraph()) {
            JoinInto(p, first); // the first inserted paragraph continues the first half
            --first;
            --last;
            --second;
            first = p;
            if (last < first)
                last = first;
        }
        // The caret ends after the inserted text.
        int caretPara = last;
        int caretIndex = m_box.At(last).Length();
        if (m_box.At(second).IsTableParagraph()) {
            if (m_box.At(last).Length() == 0 && last > p) {
                list.erase(list.begin() + last); // an empty last paragraph goes
                --second;
                caretPara = last - 1;
                caretIndex = m_box.At(caretPara).Length();
                last = caretPara;
            }
        } else if (!m_box.At(last).IsTableParagraph()) {
            JoinInto(last, second); // the text after the caret continues the last inserted paragraph
            second = last;
        }
        const int laidLast = std::max(second, last);
        m_box.LayOutRange(p, laidLast, top, oldEnd);
        SetCaret(caretPara, caretIndex);
    });
    if (done)
        NotifySelectionChanged();
    return done;
}

void TUVAboxEditor::SelectWord(int para, int index)
{
    if (para < 0 || para >= m_box.Count())
        return;
    const WordBounds w = BoxNavigation(m_box).WordAt(para, index);
    EndRuns();
    Select(w.end.paragraph, w.end.index, w.start.paragraph, w.start.index, SelectionOrigin::Other);
    NotifySelectionChanged();
}

std::optional<TCaretPos> TUVAboxEditor::InsertObject(const EmbeddedObject& object, int width, int height)
{
    if (m_changing || m_box.Count() == 0)
        return std::nullopt;
    EndRuns();
    if (HasSelection() && !DeleteSelection())
        return std::nullopt;
    EndRuns();
    if (m_caret.paragraph < 0 || m_caret.paragraph >= m_box.Count()) {
        ShowError(kInternalError);
        return std::nullopt;
    }
    if (object.kind == kObjectKindTable) {
        // A table stands in a paragraph of its own: split before and after the caret.
        FlagScope guard(m_changing);
        int p = m_caret.paragraph;
        if (m_caret.index > 0) {
            SplitAt(p, m_caret.index);
            ++p;
            SetCaret(p, 0);
        }
        if (m_box.At(p).Length() > 0) {
            SplitAt(p, 0);
            SetCaret(p, 0); // up into the emptied paragraph
        }
    }
    TCaretPos placed;
    const bool done = Change(Step("Object insertion", UndoKind::Snapshot, m_caret.paragraph, m_caret.paragraph), [&] {
        int p = m_caret.paragraph;
        int i = m_caret.index;
        if (m_box.At(p).IsTableParagraph()) {
            // No object joins a table's paragraph.
            SplitAt(p, i);
            if (i > 0)
                ++p;
            i = 0;
        }
        TUVAparag& par = m_box.At(p);
        TCharRec rec;
        rec.link = par.Records()[static_cast<std::size_t>(std::max(i - 1, 0))].link;
        rec.width = width;
        rec.height = height;
        rec.ascent = ParagraphLayout::ObjectAscent(4, height);
        rec.object = par.AddObject(object);
        par.InsertChars(i, " ", std::span<const TCharRec>(&rec, 1));
        par.spellMarks.clear();
        m_box.Relayout(p, p);
        placed = m_box.CaretAt(p, i);
        SetCaret(p, i + 1);
    });
    if (!done)
        return std::nullopt;
    return placed;
}

} // namespace quor
