// TUVAtoHtmlPage.cpp: the HTML converter's documents: page files and frame
// documents with their head, generated scripts and frame sets, and redirect
// pages.
#include "composition/frames/TNonVisCornice.h"
#include "conversion/HtmlBodyWriter.h"
#include "conversion/HtmlText.h"
#include "conversion/TUVAtoHtml.h"
#include "model/HeaderLayout.h"
#include "model/ObjectKind.h"
#include "model/PageTextUpgrade.h"
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "model/records/FrameMapRecord.h"
#include "model/records/KeywordRecord.h"
#include "model/records/PageRecord.h"

namespace quor {

namespace {

constexpr std::string_view kGenerator = "<META NAME=\"generator\" CONTENT=\"Larkspur Quor 3.0\">\r\n";

constexpr std::string_view kScriptBrowserTest =
    "\r\nQuorC_bname = navigator.appName;\r\nQuorC_bver = parseFloat(navigator.appVersion);\r\n";
constexpr std::string_view kScriptRollOver =
    "\r\nQuorC_SensOk ='false';\r\nif (QuorC_bver >= 3.0) { QuorC_SensOk = 'true' } \r\n\r\nfunction "
    "QuorF_over(img,ref)\r\n{\r\n  if (QuorC_SensOk=='true') { document.images[img].src = ref }\r\n}\r\n";
constexpr std::string_view kScriptOpen =
    "\r\nfunction QuorF_open(newURL, newName, newFeatures, orgName) \r\n{\r\n  var remote = open(newURL, newName, "
    "newFeatures);\r\n  if (remote.opener == null) remote.opener = window;\r\n  remote.opener.name = orgName;\r\n}\r\n";
constexpr std::string_view kScriptOpenPlain =
    "\r\nfunction QuorF_openB(newURL) \r\n{\r\n  var remote = open(newURL);\r\n}\r\n";
constexpr std::string_view kScriptClose =
    "\r\nfunction QuorF_close(finName)\r\n{\r\n  QuorC_tmp=open('', finName);\r\n  QuorC_tmp.close( );\r\n}\r\n";

// "<HTML><HEAD>\r\n<TITLE>" and the title are at most 92 characters.
constexpr std::size_t kTitleMax = 71;

std::string TitleLines(const std::string& title)
{
    return "<HTML><HEAD>\r\n<TITLE>" + html::EscapeText(title.substr(0, kTitleMax)) + "\r\n</TITLE>\r\n";
}

// The marker the HTML importer uses to find the page again; "--" cannot end
// the comment early.
std::string PageMarker(int index, const std::string& file)
{
    std::string path = file;
    std::size_t pos = 0;
    while ((pos = path.find("--", pos)) != std::string::npos)
        path.replace(pos, 2, "-%2D");
    return "<!--pageQuor=\"" + std::to_string(index) + ";" + path + "\"-->\r\n";
}

// The header or footer page of a page: its own choice, the hypertext's default
// when it has none (-1), no page for -2.
TUVAtesto* FramingPage(TUVAset& doc, std::int32_t own, std::int32_t global)
{
    const std::int32_t index = own == -1 ? global : own;
    if (index < 0)
        return nullptr;
    TUVAtesto* page = doc.GetPage(index);
    return page && !page->IsDeleted() ? page : nullptr;
}

} // namespace

std::string TUVAtoHtml::WritePageFile(TUVAtesto* page, ExportList* frameDocuments, ExportList& resources, int kind)
{
    TUVAset* doc = LinkedUVAset;
    if (!page || !doc)
        return {};
    SetCurrentPage(page);
    UpgradeLegacyPageText(*page);
    const records::ConstPageRecord rec(page->Record().data());
    const HeaderBytes& hdr = doc->Header();

    HtmlFileContext ctx;
    ctx.kind = kind;
    ctx.filePage = page;
    ctx.frameDocuments = frameDocuments;
    ctx.resources = &resources;

    // Head, up to the scripts.
    std::string out = TitleLines(page->Title());
    std::string keywords;
    for (std::size_t slot = 0; slot < records::ConstPageRecord::kKeywordSlots; ++slot) {
        const std::int32_t k = rec.Keyword(slot);
        TUVAoggetto* kw = k >= 0 ? doc->GetObject(keyword, k) : nullptr;
        if (!kw || kw->IsDeleted())
            continue;
        keywords += html::EscapeAttribute(records::ConstKeywordRecord(kw->Record().data()).Text()) + ",";
    }
    if (!keywords.empty())
        out += "<META NAME=\"keywords\" CONTENT=\"" + keywords + "\">\r\n";
    if (rec.NextSlide() >= 0) {
        TUVAoggetto* next = doc->GetObjectByRef(rec.NextSlide());
        if (next && next->Kind() == testoHtml && !next->IsDeleted())
            out += "<META HTTP-EQUIV=\"refresh\" CONTENT=\"" + std::to_string(rec.SlideDelay()) + ";URL=" +
                   html::EscapeAttribute(ExportedName(next, kPageFile)) + "\">\r\n";
    }
    HtmlBodyWriter headWriter(*this, ctx);
    headWriter.AppendExtraHtml(out, page->AttributeText(), nullptr);
    out += PageMarker(page->Index(), doc->UVAFileName());
    const std::string author = header::Authors(hdr);
    if (!author.empty())
        out += "<META NAME=\"author\" CONTENT=\"" + html::EscapeAttribute(author) + "\">\r\n";
    const std::string rights = header::Rights(hdr);
    if (!rights.empty())
        out += "<META NAME=\"copyright\" CONTENT=\"" + html::EscapeAttribute(rights) + "\">\r\n";
    out += kGenerator;
    out += "<LINK REL=STYLESHEET HREF=\"" + StyleSheetName() + "\" TYPE=\"text/css\">\r\n";

    // Body, in memory: the scripts it needs are known only afterwards.
    std::string body;
    bool frameSet = false;
    if (kind == kPageFile && rec.FrameHosting() >= 0) {
        TUVAoggetto* map = doc->GetPageFrameSet(page->Index());
        ObjectContent* content = map && !map->IsDeleted() ? map->Content() : nullptr;
        const auto* bytes = content ? content->Bytes() : nullptr;
        if (bytes && !bytes->empty()) {
            const records::ConstFrameMapRecord mapRec(map->Record().data());
            if (auto root = TNonVisCornice::ReadMap(*bytes, mapRec.FrameRecordSize())) {
                // Every page shown in a frame is written once more as a frame document.
                body += root->FrameSetHtml([&](std::int32_t ref) -> std::string {
                    TUVAtesto* framed = doc->GetPage(ref);
                    if (!framed || framed->IsDeleted())
                        return {};
                    frameDocuments ? (void)frameDocuments->Add(framed) : (void)0;
                    return ExportedName(framed, kFrameDocument);
                });
                // The element that browsers without frames show is NOFRAMES.
                body += "\r\n<NOFRAMES>\r\n";
                frameSet = true;
            }
        }
    }
    TUVAtesto* headerPage = FramingPage(*doc, rec.HeaderPage(), header::GlobalHeaderPage(hdr));
    TUVAtesto* footerPage = FramingPage(*doc, rec.FooterPage(), header::GlobalFooterPage(hdr));
    if (headerPage) {
        HtmlBodyWriter(*this, ctx).WriteBody(body, kBodyTagOnly, page);
        HtmlBodyWriter(*this, ctx).WriteBody(body, kBodyContent, headerPage);
        HtmlBodyWriter(*this, ctx).WriteBody(body, kBodyContent, page);
    } else {
        HtmlBodyWriter(*this, ctx).WriteBody(body, kBodyTagAndContent, page);
    }
    if (footerPage)
        HtmlBodyWriter(*this, ctx).WriteBody(body, kBodyFooter, footerPage);

    if (ctx.scriptNeeds != 0) {
        out += "<SCRIPT>\r\n<!--//\r\n";
        if (ctx.scriptNeeds & kNeedBrowserTest)
            out += kScriptBrowserTest;
        if (ctx.scriptNeeds & kNeedRollOver)
            out += kScriptRollOver;
        if (ctx.scriptNeeds & kNeedOpenWindow)
            out += kScriptOpen;
        if (ctx.scriptNeeds & kNeedOpenPlainWindow)
            out += kScriptOpenPlain;
        if (ctx.scriptNeeds & kNeedCloseWindow)
            out += kScriptClose;
        out += "\r\n//-->\r\n</SCRIPT>\r\n";
    }
    out += "</HEAD>\r\n";
    out += body;
    if (!ctx.preload.Empty()) {
        out += "\r\n<SCRIPT>\r\n<!--//\r\n  if (QuorC_SensOk == 'true')\r\n  {";
        for (std::size_t n = 0; n < ctx.preload.Size(); ++n) {
            const std::string v = "QuorP_" + std::to_string(n);
            out += "\r\n  " + v + "= new Image();\r\n  " + v + ".src=\"" + ExportedName(ctx.preload[n], kind) + "\";";
        }
        out += "\r\n  }\r\n//-->\r\n</SCRIPT>\r\n";
    }
    if (frameSet)
        out += "</NOFRAMES>";
    out += "\r\n</BODY></HTML>\r\n";
    return out;
}

void TUVAtoHtml::WriteBody(std::string& out, int mode, TUVAtesto* page, HtmlFileContext& context)
{
    HtmlBodyWriter(*this, context).WriteBody(out, mode, page);
}

std::string TUVAtoHtml::RedirectName(TUVAtesto* page)
{
    if (!page)
        return {};
    return html::SafeBaseName(records::ConstPageRecord(page->Record().data()).Alias());
}

std::string TUVAtoHtml::RedirectPageText(TUVAtesto* page)
{
    if (RedirectName(page).empty() || !LinkedUVAset)
        return {};
    const records::ConstPageRecord rec(page->Record().data());
    const std::string target = html::EscapeAttribute(ExportedName(page, kPageFile));
    std::string out = TitleLines(page->Title());
    out += PageMarker(page->Index(), LinkedUVAset->UVAFileName());
    out += "<META HTTP-EQUIV=\"refresh\" CONTENT=\"0;URL=" + target + "\">\r\n</HEAD>\r\n<BODY";
    if (rec.BackgroundImage() >= 0) {
        TUVAoggetto* bg = LinkedUVAset->GetObject(immagine, rec.BackgroundImage());
        if (bg && !bg->IsDeleted())
            out += " BACKGROUND=\"" + html::EscapeAttribute(ExportedName(bg, kResourceFile)) + "\"";
    }
    out += " TEXT=#" + html::ColourHex(static_cast<std::int32_t>(rec.TextColour())) + " LINK=#" +
           html::ColourHex(static_cast<std::int32_t>(rec.LinkColour())) + " VLINK=#" +
           html::ColourHex(static_cast<std::int32_t>(rec.VisitedColour())) + " BGCOLOR=#" +
           html::ColourHex(static_cast<std::int32_t>(rec.BackgroundColour())) + ">\r\n";
    out += "<A HREF=\"" + target + "\">Loading...</A>\r\n</BODY></HTML>\r\n";
    return out;
}

} // namespace quor
