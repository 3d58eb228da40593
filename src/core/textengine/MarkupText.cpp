// MarkupText.cpp: plain text through the markup reader, without measuring.
#include "textengine/MarkupText.h"

#include "textengine/MarkupLexer.h"
#include "textengine/MarkupReader.h"

namespace quor {

std::string MarkupText::PlainText(std::string_view markup, std::string_view separator)
{
    MarkupReadOptions opts; // no styles, metrics or controls: nothing is measured
    const ParagraphList pars = MarkupReader::ReadAll(markup, opts);
    std::string out;
    for (std::size_t i = 0; i < pars.size(); ++i) {
        if (i > 0)
            out += separator;
        out += pars[i]->Text();
    }
    return out;
}

bool MarkupText::HasParagraph(std::string_view markup)
{
    return MarkupLexer(markup).Text().find("<Z") != std::string_view::npos;
}

} // namespace quor
