// MarkupReader.cpp: the markup parser. Every look at the data goes through
// At(), which reads '\0' at and beyond the end of the markup, so no input can
// make the reader touch memory outside it.
#include "textengine/MarkupReader.h"

#include "textengine/EmbeddedControl.h"
#include "textengine/MarkupEntities.h"
#include "textengine/MarkupLexer.h"

#include <algorithm>

namespace quor {

namespace {

// Tables nest through their cells; deeper nesting (only seen in damaged or
// hostile markup) reads the inner table's cell texts as ordinary paragraphs.
constexpr int kMaxTableDepth = 32;

struct ReadState {
    std::vector<const IEmbeddedControl*> openTables; // tables whose cells are being read
};

bool ReadParagraphImpl(TUVAparag& par, MarkupCursor& cur, const MarkupReadOptions& opts, ReadState& state);
void ReadParagraphsImpl(ParagraphList& out, MarkupCursor& cur, ParagraphKind kind, TUVAbox* box,
                        const MarkupReadOptions& opts, ReadState& state);

struct MeasureFont {
    FontSpec spec;
    int position = 0;
};

class ParagraphReader {
public:
    ParagraphReader(TUVAparag& par, MarkupCursor& cur, std::size_t end, const MarkupReadOptions& opts,
                    ReadState& state)
        : m_par(par), m_cur(cur), m_end(end), m_opts(opts), m_state(state), m_lex(cur.data, end, opts.messages)
    {
    }

    bool Run(std::size_t lt);

private:
    char At(std::size_t i) const { return m_lex.At(i); }
    std::size_t AfterClose(std::size_t from) const { return m_lex.AfterClose(from); }
    std::optional<std::int32_t> Decimal(std::size_t& pos, char letter) const { return m_lex.Decimal(pos, letter); }
    std::optional<std::int32_t> Colour(std::size_t& pos, char letter) const { return m_lex.Colour(pos, letter); }
    std::optional<std::string> FontName(std::size_t& pos) const { return m_lex.FontName(pos); }

    void ReadHeader(std::size_t& pos);
    void ReadRunTag(std::size_t& pos);
    void ReadRefTag(std::size_t& pos);

    void Select(const MeasureFont& f);
    void SelectScratch();
    void SelectLinkFont();
    void AppendText(char c);
    int Measure(char c);
    void Finish();

    TUVAparag& m_par;
    MarkupCursor& m_cur;
    std::size_t m_end;
    const MarkupReadOptions& m_opts;
    ReadState& m_state;
    MarkupLexer m_lex;          // the markup up to m_end; says "Truncated line!"

    TMyFont m_styleFont;        // the style object's own font
    std::int32_t m_link = -1;   // link in force
    MeasureFont m_measure;
    int m_height = 0;
    int m_ascent = 0;
    bool m_hasPrev = false;
    char m_prev = 0;
};

void ParagraphReader::Select(const MeasureFont& f)
{
    m_measure = f;
    m_hasPrev = false;
    if (!m_opts.metrics) {
        m_height = 0;
        m_ascent = 0;
        return;
    }
    const int h = m_opts.metrics->Height(f.spec);
    m_height = h;
    m_ascent = m_opts.metrics->Ascent(f.spec);
    if (f.position == kPositionSubscript)
        m_height += h / 2;
    else if (f.position == kPositionSuperscript)
        m_ascent += h / 2;
}

void ParagraphReader::SelectScratch()
{
    const TUVAFontStyle& s = m_par.Style().Font();
    Select(MeasureFont{FontSpec{s.Name(), s.Size(), s.Style()}, s.Position()});
}

void ParagraphReader::SelectLinkFont()
{
    const TUVAFontStyle& s = m_par.Style().Font();
    const TUVAParaStyle& ps = m_par.Style();
    const int linkSize = ps.LinkSize();
    Select(MeasureFont{FontSpec{s.Name(), linkSize != -1 ? linkSize : s.Size(), s.Style() ^ ps.LinkStyle()},
                       s.Position()});
}

int ParagraphReader::Measure(char c)
{
    int w = 0;
    if (m_opts.metrics) {
        if (m_hasPrev) {
            const char pair[2] = {m_prev, c};
            w = m_opts.metrics->TextWidth(m_measure.spec, std::string_view(pair, 2)) -
                m_opts.metrics->TextWidth(m_measure.spec, std::string_view(&m_prev, 1));
        } else {
            w = m_opts.metrics->TextWidth(m_measure.spec, std::string_view(&c, 1));
        }
    }
    m_prev = c;
    m_hasPrev = true;
    return w;
}

void ParagraphReader::AppendText(char c)
{
    const int w = Measure(c);
    m_par.AppendChar(c, w, m_height, m_ascent, m_link);
    TUVAline& line = m_par.Lines().front();
    ++line.count;
    line.height = std::max(line.height, m_height);
}

void ParagraphReader::ReadHeader(std::size_t& pos)
{
    TUVAParaStyle& st = m_par.Style();
    if (auto v = Colour(pos, 'c'))
        st.SetColour(*v);
    if (auto v = FontName(pos))
        st.SetName(*v);
    if (auto v = Decimal(pos, 's'))
        st.SetSize(*v);
    if (auto v = Decimal(pos, 'y'))
        st.SetStyle(static_cast<std::uint8_t>(*v));
    if (auto v = Decimal(pos, 'p'))
        st.SetPosition(static_cast<std::uint8_t>(*v));
    if (auto v = Decimal(pos, 'P'))
        st.SetReserved(static_cast<std::uint8_t>(*v));
    if (auto v = Decimal(pos, 'A'))
        st.SetAlignment(static_cast<std::uint8_t>(*v));
    if (auto v = Decimal(pos, 'N'))
        st.SetNumbering(static_cast<std::uint8_t>(*v));
    if (auto v = Decimal(pos, 'M'))
        st.SetUnit(static_cast<std::uint8_t>(*v));
    if (auto v = Decimal(pos, 'L'))
        st.SetLineHeight(*v);
    if (auto v = Decimal(pos, 'I'))
        st.SetFirstIndent(*v);
    if (auto v = Decimal(pos, 'l'))
        st.SetLeftIndent(*v);
    if (auto v = Decimal(pos, 'r'))
        st.SetRightIndent(*v);
    if (auto v = Decimal(pos, 't'))
        st.SetSpaceAbove(*v);
    if (auto v = Decimal(pos, 'b'))
        st.SetSpaceBelow(*v);
    if (auto v = Colour(pos, 'C'))
        st.SetLinkColour(*v);
    if (auto v = Decimal(pos, 'S'))
        st.SetLinkSize(*v);
    if (auto v = Decimal(pos, 'Y'))
        st.SetLinkStyle(static_cast<std::uint8_t>(*v));
}

void ParagraphReader::ReadRunTag(std::size_t& pos)
{
    // pos is at "<Y".
    std::size_t p = m_lex.RunAttributes(pos);
    TUVAFontStyle& scratch = m_par.Style().Font();
    TCharRec& rec = m_par.EndRecord();
    const bool merge = rec.runFont >= 0;
    if (!merge) {
        // A run tag states its font relative to the style's own font.
        scratch.SetColour(m_styleFont.colour);
        scratch.SetName(m_styleFont.name);
        scratch.SetSize(m_styleFont.size);
        scratch.SetStyle(m_styleFont.style);
        scratch.SetPosition(m_styleFont.position);
    }
    if (auto v = Colour(p, 'c'))
        scratch.SetColour(*v);
    if (auto v = FontName(p))
        scratch.SetName(*v);
    if (auto v = Decimal(p, 's'))
        scratch.SetSize(*v);
    if (auto v = Decimal(p, 'i')) {
        const auto bits = scratch.Style();
        scratch.SetStyle(static_cast<std::uint8_t>(*v == 1 ? (bits | kFontItalic) : (bits & ~kFontItalic)));
    }
    if (auto v = Decimal(p, 'g')) {
        const auto bits = scratch.Style();
        scratch.SetStyle(static_cast<std::uint8_t>(*v == 1 ? (bits | kFontBold) : (bits & ~kFontBold)));
    }
    if (auto v = Decimal(p, 'y'))
        scratch.SetStyle(static_cast<std::uint8_t>(*v));
    if (auto v = Decimal(p, 'p'))
        scratch.SetPosition(static_cast<std::uint8_t>(*v));

    if (merge)
        m_par.RunFonts()[static_cast<std::size_t>(rec.runFont)] = scratch;
    else
        rec.runFont = m_par.AddRunFont(scratch);

    const TUVAParaStyle& ps = m_par.Style();
    if (m_link == -1) {
        SelectScratch();
    } else if (ps.LinkSize() == -1) {
        Select(MeasureFont{FontSpec{scratch.Name(), scratch.Size(), scratch.Style() ^ ps.LinkStyle()},
                           m_measure.position});
    }
    pos = AfterClose(p);
}

void ParagraphReader::ReadRefTag(std::size_t& pos)
{
    // pos is at "<$".
    const std::uint32_t value = m_lex.RefValue(pos);
    const std::uint32_t top = value >> 24;
    std::size_t after = AfterClose(pos + 2);

    if (top == 0xFF) {
        std::uint32_t number = value & 0xFFFFFF;
        if (m_opts.objectMap)
            number = static_cast<std::uint32_t>(m_opts.objectMap->Map(static_cast<std::int32_t>(number))) & 0xFFFFFF;
        IEmbeddedControl* ctrl = m_opts.controls ? m_opts.controls->FindControl(number) : nullptr;
        if (ctrl) {
            const int kind = ctrl->ObjectKind();
            if (kind == kObjectKindTable && m_opts.mode == 0) {
                if (At(after) == '<' && At(after + 1) == '@' && At(after + 2) == '>') {
                    after += 3;
                } else {
                    const bool open = std::find(m_state.openTables.begin(), m_state.openTables.end(), ctrl) !=
                                      m_state.openTables.end();
                    // A table named inside its own cells would replace the cell being read.
                    if (!open && static_cast<int>(m_state.openTables.size()) < kMaxTableDepth) {
                        m_state.openTables.push_back(ctrl);
                        MarkupCursor cellCur{m_cur.data, after};
                        const int cells = ctrl->CellCount();
                        for (int c = 0; c < cells; ++c) {
                            ParagraphList* list = ctrl->CellParagraphs(c);
                            if (!list)
                                continue;
                            list->clear();
                            ReadParagraphsImpl(*list, cellCur, ParagraphKind::Own, ctrl->CellBox(c), m_opts, m_state);
                        }
                        m_state.openTables.pop_back();
                        after = std::min(cellCur.pos, m_end);
                    }
                }
            }
            TCharRec& rec = m_par.EndRecord();
            rec.link = m_link;
            rec.object = m_par.AddObject(EmbeddedObject{ctrl, number, kind});
            m_par.AppendChar(' ', ctrl->Width(), ctrl->Height(), 0, m_link);
            TUVAline& line = m_par.Lines().front();
            ++line.count;
            line.height = std::max(line.height, ctrl->Height());
            m_hasPrev = false;
        } else {
            m_par.EndRecord().link = m_link;
            AppendText(' ');
        }
        pos = after;
        return;
    }
    if (top == 0x00 || top == 0x03 || top == 0x6F) {
        std::int32_t link = static_cast<std::int32_t>(value);
        if (top == 0x6F && m_opts.linkMap)
            link = m_opts.linkMap->Map(link);
        m_link = link;
        SelectLinkFont();
    }
    m_par.EndRecord().link = m_link;
    pos = after;
}

void ParagraphReader::Finish()
{
    if (m_par.Length() == 0) {
        const TMyFont f = m_par.Style().EffectiveFont();
        Select(MeasureFont{f.ToFontSpec(), f.position});
    }
    TUVAline& line = m_par.Lines().front();
    if (line.height <= 0)
        line.height = m_par.defaultLineHeight > 0 ? m_par.defaultLineHeight : 20;
}

bool ParagraphReader::Run(std::size_t lt)
{
    std::size_t pos = m_lex.HeaderAttributes(lt);

    // Header: style id first.
    std::int32_t styleId = 0;
    const auto id = Decimal(pos, 'S');
    if (id) {
        styleId = *id;
        if (m_opts.styleMap)
            styleId = m_opts.styleMap->Map(styleId);
    }
    StyleBase base{m_opts.styles, styleId};
    if (!m_opts.styles || m_opts.styles->StyleRecord(styleId).empty())
        base.id = 0;
    m_par.Style() = TUVAParaStyle(base);
    m_par.Lines().assign(1, TUVAline{});
    m_par.Lines().front().paragraph = &m_par;
    if (!id) {
        m_cur.pos = AfterClose(lt + 1);
        return false;
    }

    m_styleFont = TUVAFontStyle(base).Effective();
    ReadHeader(pos);
    m_par.Style().Font().Assign(m_par.Style());
    SelectScratch();
    m_par.defaultLineHeight = m_opts.metrics ? m_opts.metrics->Height(m_measure.spec) : 0;
    pos = AfterClose(pos);

    for (;;) {
        const char c = At(pos);
        if (c == '\0') {
            m_cur.pos = m_end;
            Finish();
            return true;
        }
        if (c == '<') {
            const char t = At(pos + 1);
            if (t == '$') {
                ReadRefTag(pos);
            } else if (t == '%') {
                m_link = -1;
                m_par.EndRecord().link = -1;
                SelectScratch();
                pos = AfterClose(pos + 1);
            } else if (t == 'Y') {
                ReadRunTag(pos);
            } else if (MarkupLexer::IsSkippedBlockLetter(t)) {
                pos = m_lex.SkipBlock(pos);
            } else if (t == 'T') {
                m_cur.pos = AfterClose(pos + 1);
                Finish();
                return true;
            } else if (t == 'Z') {
                m_cur.pos = pos;
                Finish();
                return false;
            } else {
                pos = AfterClose(pos + 1);
            }
            continue;
        }
        if (c == '&') {
            const auto d = MarkupEntities::Decode(m_cur.data.substr(pos, m_end - pos));
            pos += d.consumed;
            if (d.ch >= 0x20)
                AppendText(static_cast<char>(d.ch));
            continue;
        }
        ++pos;
        if (static_cast<unsigned char>(c) >= 0x20)
            AppendText(c);
    }
}

bool ReadParagraphImpl(TUVAparag& par, MarkupCursor& cur, const MarkupReadOptions& opts, ReadState& state)
{
    std::size_t end = cur.data.find('\0', std::min(cur.pos, cur.data.size()));
    if (end == std::string_view::npos)
        end = cur.data.size();
    if (cur.pos >= end)
        return false;
    const std::size_t lt = cur.data.substr(0, end).find('<', cur.pos);
    if (lt == std::string_view::npos)
        return false;
    par.Clear();
    ParagraphReader reader(par, cur, end, opts, state);
    return reader.Run(lt);
}

void ReadParagraphsImpl(ParagraphList& out, MarkupCursor& cur, ParagraphKind kind, TUVAbox* box,
                        const MarkupReadOptions& opts, ReadState& state)
{
    while (!cur.AtEnd()) {
        auto par = std::make_unique<TUVAparag>(box, kind);
        const std::size_t before = cur.pos;
        const bool done = ReadParagraphImpl(*par, cur, opts, state);
        if (cur.pos == before)
            break;
        out.push_back(std::move(par));
        if (done)
            break;
    }
}

} // namespace

std::int32_t RefTranslation::Map(std::int32_t v) const
{
    const std::size_t n = std::min(from.size(), to.size());
    for (std::size_t i = 0; i < n; ++i)
        if (from[i] == v)
            return to[i];
    return v;
}

bool MarkupReader::ReadParagraph(TUVAparag& par, MarkupCursor& cur, const MarkupReadOptions& opts)
{
    ReadState state;
    return ReadParagraphImpl(par, cur, opts, state);
}

void MarkupReader::ReadParagraphs(ParagraphList& out, MarkupCursor& cur, ParagraphKind kind, TUVAbox* box,
                                  const MarkupReadOptions& opts)
{
    ReadState state;
    ReadParagraphsImpl(out, cur, kind, box, opts, state);
}

ParagraphList MarkupReader::ReadAll(std::string_view markup, const MarkupReadOptions& opts)
{
    ParagraphList out;
    MarkupCursor cur{markup, 0};
    ReadState state;
    while (!cur.AtEnd()) {
        auto par = std::make_unique<TUVAparag>();
        const std::size_t before = cur.pos;
        ReadParagraphImpl(*par, cur, opts, state);
        if (cur.pos == before)
            break;
        out.push_back(std::move(par));
    }
    return out;
}

MarkupReader::BoxText MarkupReader::LoadBoxText(std::string_view header, MarkupCursor& own, std::string_view footer,
                                                TUVAbox* box, const MarkupReadOptions& opts)
{
    BoxText text;
    MarkupCursor headerCur{header, 0};
    ReadParagraphs(text.paragraphs, headerCur, ParagraphKind::Header, box, opts);
    text.headerCount = text.paragraphs.size();
    ReadParagraphs(text.paragraphs, own, ParagraphKind::Own, box, opts);
    if (text.paragraphs.size() == text.headerCount) {
        // An empty own text still has one paragraph to type into: empty, style 0.
        MarkupReadOptions plain = opts;
        plain.styleMap = nullptr;
        MarkupCursor empty{"<Z S0 >", 0};
        ReadParagraphs(text.paragraphs, empty, ParagraphKind::Own, box, plain);
    }
    const std::size_t beforeFooter = text.paragraphs.size();
    MarkupCursor footerCur{footer, 0};
    ReadParagraphs(text.paragraphs, footerCur, ParagraphKind::Footer, box, opts);
    text.footerCount = text.paragraphs.size() - beforeFooter;
    return text;
}

} // namespace quor
