// HtmlBodyWriter.h: one body pass of the HTML export: the BODY tag and the
// page's markup turned into HTML (paragraphs as DIV elements, inline
// formatting, links, anchors, tables, images with maps and roll-overs, form
// elements, buttons, forms, floating frames, multimedia, comments, raw HTML).
//
// The writer walks the stored page markup itself (it needs the raw tags, not
// laid-out paragraphs) and never looks beyond the end of the text. It cuts
// tags, attribute values and references with MarkupLexer, as the markup
// reader does, so a page exports with the fonts and text the editor shows. What the
// pass uses (frame documents, resources, roll-over pictures, scripts) is
// collected in the file context.
#pragma once

#include "conversion/HtmlFileContext.h"
#include "conversion/THt2State.h"
#include "model/TMyFont.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quor {

class TUVAoggetto;
class TUVAset;
class TUVAtesto;
class TUVAtoHtml;

// Body pass modes.
enum BodyMode : int {
    kBodyContent = 0,       // content only (header page, or the page after one)
    kBodyTagAndContent = 1,
    kBodyFooter = 2,        // content only of a footer page
    kBodyTagOnly = 6,
};

class HtmlBodyWriter {
public:
    HtmlBodyWriter(TUVAtoHtml& converter, HtmlFileContext& context);

    // Writes one pass for `page` (nothing for a missing page).
    void WriteBody(std::string& out, int mode, TUVAtesto* page);

    // Appends extra HTML with its "!Ref" references resolved. `multimedia`
    // supplies the "!RefX:"/"!RefY:" sizes (null elsewhere).
    void AppendExtraHtml(std::string& out, std::string_view text, TUVAoggetto* multimedia);

    // The size code of the FONT tag for a point size ("-2" .. "+4").
    static std::string FontSizeCode(int points);

private:
    // --- text walk ---
    void Walk(std::string& out, std::string_view text);
    std::size_t CopyEntity(std::string& out, std::string_view text, std::size_t i);
    std::size_t Paragraph(std::string& out, std::string_view text, std::size_t i);
    std::size_t FontChange(std::string_view text, std::size_t i);
    void WritePending(std::string& out);
    void CloseInline(std::string& out);
    void ParagraphEnd(std::string& out);
    std::string FontStartTag() const;
    std::string Length(std::int32_t pixels) const;

    // --- objects ---
    void Object(std::string& out, std::int32_t ref);
    void Link(std::string& out, TUVAoggetto* target);
    std::string LinkStartTag(TUVAoggetto* target);
    std::string LinkTargetPart(TUVAoggetto* target);
    std::string ButtonClickPart(TUVAoggetto* target);
    void ShortObject(std::string& out, TUVAoggetto& obj);
    void Image(std::string& out, TUVAoggetto& placement);
    void FormInput(std::string& out, TUVAoggetto& obj);
    void FloatingFrame(std::string& out, TUVAoggetto& obj);
    void Button(std::string& out, TUVAoggetto& obj);
    void FormStart(std::string& out, TUVAoggetto& obj);
    void Multimedia(std::string& out, TUVAoggetto& obj);
    void PrototypeHtml(std::string& out, TUVAoggetto& obj);
    std::string PropertyValue(TUVAoggetto& instance, const std::vector<std::pair<std::string, std::string>>& types,
                              const std::vector<std::pair<std::string, std::string>>& values, const std::string& name);
    void Table(std::string& out, TUVAoggetto& table);
    void CellStep(std::string& out);
    std::string Background(std::uint32_t value);
    TUVAoggetto* Picture(std::int32_t value);
    void AddResource(TUVAoggetto* object);
    std::string SizeWithUnit(TUVAoggetto& obj, int value);

    TUVAtoHtml& m_conv;
    HtmlFileContext& m_ctx;
    TUVAset* m_doc = nullptr;

    // --- per-pass state ---
    TUVAtesto* m_page = nullptr;
    THt2StateList m_states;
    TMyFont m_styleFont;
    TMyFont m_font;
    bool m_pending = false;
    int m_styleIndex = 0;
    std::int32_t m_styleLinkSize = -1;
    std::int32_t m_styleLinkColour = 0xFF0000;
    std::uint8_t m_styleLinkStyle = 4;
    int m_listCounter = 1;
    bool m_paragraphOpen = false;
    bool m_previousSpace = false;
    TUVAoggetto* m_openLink = nullptr;
    int m_formCounter = 0;
    bool m_formStarted = false;
    std::size_t m_passStart = 0;
    std::vector<std::pair<TUVAoggetto*, int>> m_tables;
};

} // namespace quor
