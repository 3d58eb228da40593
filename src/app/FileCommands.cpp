#include "FileCommands.h"

#include "CommandLineMessages.h"
#include "JsonWriter.h"

#include "base/Cp1252.h"
#include "model/BackingFile.h"
#include "model/HeaderLayout.h"
#include "model/PageTextUpgrade.h"
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "model/UvaFileReader.h"

#include <cstdio>

namespace quor::app {

namespace {

int Usage(const char* text)
{
    std::fprintf(stderr, "Usage: quor %s\n", text);
    return 2;
}

void PrintErrors(const TUVAset& doc)
{
    for (const auto& line : doc.Errors())
        std::fprintf(stderr, "%s\n", CommandLineMessages::OneLine(line).c_str());
}

bool Save(TUVAset& doc, const std::string& file)
{
    if (doc.SaveToFile(file, 2))
        return true;
    PrintErrors(doc);
    return false;
}

void DumpHeader(JsonWriter& json, const HeaderBytes& h)
{
    using namespace header;
    auto text = [&json](const char* key, const std::string& v) {
        json.Key(key);
        json.String(Cp1252ToUtf8(v));
    };
    auto number = [&json](const char* key, std::int64_t v) {
        json.Key(key);
        json.Int(v);
    };
    json.BeginObject();
    text("magic", GetMagic(h));
    text("title", Title(h));
    text("info", GetInformation(h));
    number("pageTree", PageTreeObject(h));
    text("exportPrefix", ExportPrefix(h));
    text("password", Password(h));
    text("company", Company(h));
    text("rights", Rights(h));
    text("authors", Authors(h));
    number("lastKind", LastKind(h));
    number("version", Version(h));
    number("readOnly", ReadOnly(h));
    number("contentsPage", ContentsPage(h));
    number("coverPage", CoverPage(h));
    number("revision", Revision(h));
    number("contentsButton", ContentsButton(h));
    number("searchButton", SearchButton(h));
    number("helpButton", HelpButton(h));
    number("noCoverButton", NoCoverButton(h));
    number("noButtons", NoButtons(h));
    text("fixedFont", FixedFont(h));
    text("propFont", ProportionalFont(h));
    number("pixelsPerInch", PixelsPerInch(h));
    number("globalHeader", GlobalHeaderPage(h));
    number("globalFooter", GlobalFooterPage(h));
    number("customTree", CustomTreeObject(h));
    number("pageColor", BackgroundColour(h));
    number("pageImage", BackgroundImage(h));
    number("language", Language(h));
    number("textColor", TextColour(h));
    number("linkColor", LinkColour(h));
    number("visitedColor", VisitedLinkColour(h));
    json.EndObject();
}

// The kind table as the file stores it (empty for an empty file).
void DumpKinds(JsonWriter& json, const std::string& file)
{
    json.BeginArray();
    if (auto source = BackingFile::Open(file)) {
        UvaFileReader reader(source);
        if (reader.ReadLayout() == UvaReadStatus::Ok) {
            int kind = 0;
            for (const auto& entry : reader.Layout().kinds) {
                json.BeginObject();
                json.Key("kind");
                json.Int(kind++);
                json.Key("count");
                json.Int(entry.count);
                json.Key("recordSize");
                json.Int(entry.recordSize);
                json.EndObject();
            }
        }
    }
    json.EndArray();
}

void DumpObject(JsonWriter& json, TUVAoggetto& obj)
{
    json.BeginObject();
    json.Key("kind");
    json.Int(obj.Kind());
    json.Key("index");
    json.Int(obj.Index());
    json.Key("deleted");
    json.Bool(obj.IsDeleted());
    json.Key("subKind");
    json.Int(obj.SubKind());
    json.Key("name");
    json.String(Cp1252ToUtf8(obj.GetName()));
    json.Key("revision");
    json.Int(obj.GetRevision());
    json.Key("contentLength");
    json.Int(obj.Content() ? static_cast<std::int64_t>(obj.Content()->Size()) : 0);
    json.Key("propertiesLength");
    json.Int(obj.Properties() ? static_cast<std::int64_t>(obj.Properties()->Size()) : 0);
    if (obj.Kind() == testoHtml) {
        auto& page = static_cast<TUVAtesto&>(obj);
        UpgradeLegacyPageText(page);
        std::string text = page.Text();
        // The text ends with a NUL terminator, which is not part of the markup.
        if (!text.empty() && text.back() == '\0')
            text.pop_back();
        json.Key("text");
        json.String(Cp1252ToUtf8(text));
    }
    json.EndObject();
}

} // namespace

int RunNew(const std::vector<std::string>& args, bool answerYes)
{
    if (args.size() != 1)
        return Usage("new FILE.uva");
    CommandLineMessages messages(answerYes);
    TUVAset doc;
    doc.SetMessages(&messages);
    return Save(doc, args[0]) ? 0 : 1;
}

int RunDump(const std::vector<std::string>& args, bool answerYes)
{
    if (args.size() != 1)
        return Usage("dump FILE.uva");
    CommandLineMessages messages(answerYes);
    TUVAset doc;
    doc.SetMessages(&messages);
    if (!doc.LoadFromFile(args[0]))
        return 1;

    JsonWriter json;
    json.BeginObject();
    json.Key("header");
    DumpHeader(json, doc.Header());
    json.Key("kinds");
    DumpKinds(json, args[0]);
    json.Key("objects");
    json.BeginArray();
    for (int kind = 0; kind < kKindCount; ++kind) {
        for (const auto& obj : doc.List(kind)) {
            if (obj)
                DumpObject(json, *obj);
        }
    }
    json.EndArray();
    json.EndObject();
    std::fwrite(json.Text().data(), 1, json.Text().size(), stdout);
    std::fputc('\n', stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

int RunResave(const std::vector<std::string>& args, bool answerYes)
{
    if (args.size() != 2)
        return Usage("resave IN.uva OUT.uva");
    CommandLineMessages messages(answerYes);
    TUVAset doc;
    doc.SetMessages(&messages);
    if (!doc.LoadFromFile(args[0]))
        return 1;
    return Save(doc, args[1]) ? 0 : 1;
}

} // namespace quor::app
