// SpecialLinkHtml.cpp: special links in exported pages.
#include "conversion/SpecialLinkHtml.h"

#include "conversion/HtmlFileContext.h"
#include "conversion/HtmlText.h"
#include "conversion/TUVAtoHtml.h"
#include "model/ObjectKind.h"
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "model/records/PageRecord.h"
#include "model/records/SpecialLinkRecord.h"

namespace quor {

namespace {

using records::ConstSpecialLinkRecord;

constexpr std::size_t kWindowRecordSize = 22;

std::int16_t I16At(const std::vector<std::uint8_t>& b, std::size_t off)
{
    return static_cast<std::int16_t>(b[off] | (b[off + 1] << 8));
}

// The page a special link leads to: a page reference, or a frame map whose
// hosting page is then taken.
TUVAoggetto* TargetPage(TUVAoggetto& link)
{
    TUVAset* doc = link.Owner();
    if (!doc)
        return nullptr;
    const ConstSpecialLinkRecord rec(link.Record().data());
    const ObjectRef target = rec.Target();
    if (target < 0)
        return nullptr;
    TUVAoggetto* obj = doc->GetObjectByRef(target);
    if (!obj || obj->IsDeleted())
        return nullptr;
    if (obj->Kind() == testoHtml)
        return obj;
    if (obj->Kind() == mappaFrame) {
        for (int i = 0; i < doc->ObjectCount(testoHtml); ++i) {
            TUVAtesto* page = doc->GetPage(i);
            if (page && !page->IsDeleted() &&
                records::ConstPageRecord(page->Record().data()).FrameHosting() == obj->Index())
                return page;
        }
    }
    return nullptr;
}

} // namespace

std::optional<WindowRecord> SpecialLinkHtml::ReadWindowRecord(TUVAoggetto& link)
{
    ObjectContent* content = link.Content();
    if (!content)
        return std::nullopt;
    const auto* bytes = content->Bytes();
    if (!bytes || bytes->size() < kWindowRecordSize)
        return std::nullopt;
    const auto& b = *bytes;
    WindowRecord r;
    r.left = I16At(b, 0);
    r.top = I16At(b, 2);
    r.width = I16At(b, 4);
    r.height = I16At(b, 6);
    r.screenX = I16At(b, 8);
    r.screenY = I16At(b, 10);
    r.dependent = b[13] != 0;
    r.fullScreen = b[15] != 0;
    r.location = b[16] != 0;
    r.menuBar = b[17] != 0;
    r.resizable = b[18] != 0;
    r.scrollBars = b[19] != 0;
    r.statusBar = b[20] != 0;
    r.toolBar = b[21] != 0;
    return r;
}

std::string SpecialLinkHtml::WindowFeatures(const std::optional<WindowRecord>& record)
{
    if (!record)
        return ",''";
    const WindowRecord& r = *record;
    std::vector<std::string> pairs;
    if (r.width != kNotGiven) {
        pairs.push_back("height=" + std::to_string(r.height));
        pairs.push_back("width=" + std::to_string(r.width));
    }
    if (r.screenX != kNotGiven)
        pairs.push_back("screenX=" + std::to_string(r.screenX));
    if (r.left != kNotGiven)
        pairs.push_back("left=" + std::to_string(r.left));
    if (r.screenX != kNotGiven)
        pairs.push_back("screenY=" + std::to_string(r.screenY));
    if (r.left != kNotGiven)
        pairs.push_back("top=" + std::to_string(r.top));
    auto flag = [](bool b) { return b ? std::string("1") : std::string("0"); };
    pairs.push_back("dependent=" + flag(r.dependent));
    pairs.push_back("fullscreen=" + flag(r.fullScreen));
    pairs.push_back("location=" + flag(r.location));
    pairs.push_back("menubar=" + flag(r.menuBar));
    pairs.push_back("resizable=" + flag(r.resizable));
    pairs.push_back("scrollbars=" + flag(r.scrollBars));
    pairs.push_back("status=" + flag(r.statusBar));
    pairs.push_back("toolbar=" + flag(r.toolBar));
    std::string out = ",'";
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        if (i > 0)
            out += ',';
        out += pairs[i];
    }
    out += "'";
    return out;
}

std::string SpecialLinkHtml::ScriptIdentifier(const std::string& name)
{
    std::string out;
    for (char ch : name) {
        const bool ok = (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_';
        out += ok ? ch : '_';
    }
    if (out.empty() || (out[0] >= '0' && out[0] <= '9'))
        out.insert(out.begin(), '_');
    return out;
}

std::string SpecialLinkHtml::TargetFile(TUVAoggetto* page, bool withFrames)
{
    if (!page)
        return {};
    if (withFrames)
        return m_conv.ExportedName(page, kPageFile);
    if (m_ctx.frameDocuments)
        m_ctx.frameDocuments->Add(page);
    return m_conv.ExportedName(page, kFrameDocument);
}

std::string SpecialLinkHtml::WindowUrl(int mode, TUVAoggetto& link, int anchor, bool withRecord)
{
    const ConstSpecialLinkRecord rec(link.Record().data());
    const std::string f = TargetFile(TargetPage(link), rec.TargetKind() == 1);
    const std::string storedName = rec.WindowName();
    const std::string n = html::MakeAttributeSafe(storedName);
    const std::string w = WindowFeatures(withRecord ? ReadWindowRecord(link) : std::nullopt);
    const std::string a = anchor >= 0 ? "#an" + std::to_string(anchor) : std::string();
    const int filePage = m_ctx.filePage ? m_ctx.filePage->Index() : 0;
    switch (mode) {
    case 0:
        m_ctx.scriptNeeds |= kNeedOpenWindow;
        return "javascript:QuorF_open('" + f + a + "','" + n + "'" + w + ",'Pag" + std::to_string(filePage) + "');";
    case 1:
        m_ctx.scriptNeeds |= kNeedOpenWindow;
        // The window name is also a script variable here, so it is written as one.
        return "\r\n<SCRIPT>\r\n<!--//\r\n  " + ScriptIdentifier(n) + "=QuorF_open('" + f + "','" + n + "'" + w +
               ",'Pag" + std::to_string(filePage) + "');\r\n//-->\r\n</SCRIPT>\r\n";
    case 2:
        return f + a;
    case 3:
        m_ctx.scriptNeeds |= kNeedOpenPlainWindow;
        return "javascript:QuorF_openB('" + f + "');";
    default:
        return {};
    }
}

std::string SpecialLinkHtml::CloseInLink(const std::string& safeName)
{
    m_ctx.scriptNeeds |= kNeedCloseWindow;
    return "javascript:QuorF_close('" + safeName + "');";
}

// The previous (kind 4) or next (kind 5) page of the file's page in its browse sequence.
std::string SpecialLinkHtml::SequenceUrl(TUVAoggetto& link)
{
    TUVAset* doc = link.Owner();
    if (!doc || !m_ctx.filePage)
        return {};
    const int current = m_ctx.filePage->Index();
    const int index = link.SubKind() == 4 ? doc->PreviousPage(current) : doc->NextPage(current);
    TUVAtesto* page = doc->GetPage(index);
    return page ? m_conv.ExportedName(page, kPageFile) : std::string();
}

std::string SpecialLinkHtml::TargetPart(TUVAoggetto& link)
{
    const ConstSpecialLinkRecord rec(link.Record().data());
    const int kind = link.SubKind();
    const int mode = rec.Action();
    std::string part;
    if (kind == 1) {
        switch (mode) {
        case 0: part = "TARGET=_self HREF=\"" + WindowUrl(2, link, rec.Anchor(), false) + "\""; break;
        case 1:
            part = "TARGET=\"" + html::EscapeAttribute(rec.WindowName()) + "\" HREF=\"" +
                   WindowUrl(2, link, rec.Anchor(), false) + "\"";
            break;
        case 2:
        case 4: part = "HREF=\"" + WindowUrl(0, link, rec.Anchor(), true) + "\""; break;
        case 3: part = "HREF=\"" + WindowUrl(3, link, rec.Anchor(), false) + "\""; break;
        case 5: part = "HREF=\"" + WindowUrl(2, link, rec.Anchor(), false) + "\""; break;
        case 6: part = "HREF=\"#an" + std::to_string(rec.Anchor()) + "\" TARGET=_self"; break;
        default: return {};
        }
    } else if (kind == 2) {
        part = "HREF=\"" + CloseInLink(html::MakeAttributeSafe(rec.WindowName())) + "\" ";
    } else if (kind == 4 || kind == 5) {
        part = "HREF=\"" + SequenceUrl(link) + "\"";
    } else {
        return {};
    }
    return part + " " + link.AttributeText();
}

std::string SpecialLinkHtml::ClickPart(TUVAoggetto& link)
{
    const ConstSpecialLinkRecord rec(link.Record().data());
    const int kind = link.SubKind();
    const int mode = rec.Action();
    std::string part;
    if (kind == 1) {
        switch (mode) {
        case 0:
        case 1: part = "  onClick=\"" + WindowUrl(2, link, rec.Anchor(), false) + "\""; break;
        case 2:
        case 4: part = " onClick=\"" + WindowUrl(0, link, rec.Anchor(), true) + "\""; break;
        case 3: part = " onClick=\"" + WindowUrl(3, link, rec.Anchor(), false) + "\""; break;
        case 5: part = " onClick=\"" + WindowUrl(2, link, rec.Anchor(), false) + "\""; break;
        case 6: part = " onClick=\"javascript:location='#an" + std::to_string(rec.Anchor()) + "'\" "; break;
        default: return {};
        }
    } else if (kind == 2) {
        part = " onClick=\"" + CloseInLink(html::MakeAttributeSafe(rec.WindowName())) + "\" ";
    } else if (kind == 4 || kind == 5) {
        part = " onClick=\"" + SequenceUrl(link) + "\"";
    } else {
        return {};
    }
    return part + " " + link.AttributeText();
}

std::string SpecialLinkHtml::LoadTimeScript(TUVAoggetto& link)
{
    const ConstSpecialLinkRecord rec(link.Record().data());
    const int kind = link.SubKind();
    if (kind == 1) {
        const int mode = rec.Action();
        return WindowUrl(1, link, -1, mode == 2 || mode == 4);
    }
    if (kind == 2) {
        const std::string n = html::MakeAttributeSafe(rec.WindowName());
        const std::string v = ScriptIdentifier(n);
        return "\r\n<SCRIPT><!--//\r\n  " + v + "=open('','" + n + "' );\r\n  " + v + ".close( );\r\n//--></SCRIPT>\r\n";
    }
    return {};
}

} // namespace quor
