// MakeSampleMain.cpp: builds the sample hypertext shown by ./run.sh: a cover
// page linking to the others, a page of formatted text, a page with a picture
// drawn here, and a page of links, all linked back to the cover.
//
// Usage: quor_make_sample OUT.uva
#include "model/HeaderLayout.h"
#include "model/ObjectKind.h"
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "model/links/LinkOperations.h"
#include "model/pictures/GifCodec.h"
#include "model/pictures/PictureStore.h"
#include "model/pictures/TUVApicture.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

using namespace quor;

namespace {

// A run in a font: colour (RRGGBB as the markup writes it), face, size, style bits.
std::string Run(const char* colour, const char* face, int size, int style)
{
    return std::string("<Y c") + colour + " F\"" + face + "\" s" + std::to_string(size) + " y" + std::to_string(style) +
           " p0 >";
}

const std::string kPlain = Run("000000", "Times New Roman", 12, 0);

std::string Heading(const std::string& text)
{
    return "<Z S0 A2 >" + Run("800000", "Arial", 20, 1) + text;
}

std::string Para(const std::string& body, const char* header = "<Z S0 >")
{
    return header + kPlain + body;
}

std::string Link(ObjectRef target, const std::string& text)
{
    return RefTag(target) + text + "<%>";
}

int AddPage(TUVAset& doc, const std::string& title, const std::string& markup)
{
    auto page = std::make_unique<TUVAtesto>(&doc);
    page->Clear();
    page->MarkInUse();
    page->SetTitle(title);
    page->SetText(markup);
    TUVAoggetto* p = doc.Register(std::move(page));
    return p ? p->Index() : -1;
}

void SetPage(TUVAset& doc, int index, const std::string& markup)
{
    doc.GetPage(index)->SetText(markup);
}

// A 160 x 100 picture: a sky gradient, a sun and hills.
bool WritePicture(const std::filesystem::path& file)
{
    const int w = 160, h = 100;
    TUVApicture pic(PictureFormat::Gif, w, h, 0);
    auto& px = pic.Frames().front().rgba;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            std::uint8_t r = static_cast<std::uint8_t>(90 + y), g = static_cast<std::uint8_t>(150 + y / 2), b = 240;
            const double sun = std::hypot(x - 120.0, y - 28.0);
            if (sun < 16) {
                r = 255; g = 210; b = 40;
            }
            const double hill = 70 + 12 * std::sin(x / 18.0);
            if (y > hill) {
                r = 40; g = static_cast<std::uint8_t>(120 + (y - 70)); b = 50;
            }
            const std::size_t i = (static_cast<std::size_t>(y) * w + x) * 4;
            px[i] = r; px[i + 1] = g; px[i + 2] = b; px[i + 3] = 255;
        }
    }
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!EncodeGif(pic, bytes, error)) {
        std::fprintf(stderr, "picture: %s\n", error.c_str());
        return false;
    }
    std::ofstream f(file, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(f);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: quor_make_sample OUT.uva\n");
        return 2;
    }
    TUVAset doc;
    doc.NewDocument();
    header::SetTitle(doc.Header(), "A tour of Quor");
    doc.SetExpPrefix("sample");

    // Pages first (their indexes are the link targets), text afterwards.
    const int cover = AddPage(doc, "Welcome to Quor", "<Z S0 >");
    const int text = AddPage(doc, "Formatted text", "<Z S0 >");
    const int picture = AddPage(doc, "A picture", "<Z S0 >");
    const int links = AddPage(doc, "Links", "<Z S0 >");
    header::SetCoverPage(doc.Header(), cover);
    header::SetContentsPage(doc.Header(), cover);

    SetPage(doc, cover,
            Heading("Welcome to Quor") +
            Para("This small hypertext shows what a page can hold. Switch to preview (F11) and "
                 "click a link to follow it; Back returns to the page you came from.") +
            Para("Pages of this hypertext:") +
            Para(Link(text, "Formatted text") + kPlain + ": fonts, sizes, colours and paragraphs.",
                 "<Z S0 N10 >") +
            Para(Link(picture, "A picture") + kPlain + ": a picture kept inside the hypertext file.",
                 "<Z S0 N10 >") +
            Para(Link(links, "Links") + kPlain + ": links to other pages and to the web.", "<Z S0 N10 >") +
            Para("Type here: "));

    SetPage(doc, text,
            Heading("Formatted text") +
            Para("Text can be " + Run("000000", "Times New Roman", 12, 1) + "bold" + kPlain + ", " +
                 Run("000000", "Times New Roman", 12, 2) + "italic" + kPlain + ", " +
                 Run("000000", "Times New Roman", 12, 4) + "underlined" + kPlain + " or " +
                 Run("0000FF", "Times New Roman", 12, 0) + "coloured" + kPlain + ", in " +
                 Run("000000", "Arial", 14, 0) + "Arial" + kPlain + ", " +
                 Run("000000", "Courier New", 12, 0) + "Courier New" + kPlain + " or " +
                 Run("008000", "Times New Roman", 18, 3) + "any size" + kPlain + ".") +
            "<Z S0 A2 >" + kPlain + "A centred paragraph." +
            "<Z S0 A1 >" + kPlain + "A paragraph aligned to the right." +
            Para("First item of a numbered list.", "<Z S0 N6 >") +
            Para("Second item of a numbered list.", "<Z S0 N6 >") +
            Para("Back to the " + Link(cover, "cover page") + kPlain + "."));

    // The picture, drawn here, is stored in the hypertext.
    const auto gif = std::filesystem::temp_directory_path() / "quor-sample-landscape.gif";
    std::string pictureTag;
    if (WritePicture(gif)) {
        PictureStore store(doc);
        if (TUVAoggetto* image = store.AddPicture(gif.string())) {
            if (TUVAoggetto* placed = doc.Register(store.AddImmagineNew(image)))
                pictureTag = RefTag(placed->GetRef());
        }
        std::filesystem::remove(gif);
    }
    if (pictureTag.empty()) {
        std::fprintf(stderr, "could not add the picture\n");
        return 1;
    }
    SetPage(doc, picture,
            Heading("A picture") +
            "<Z S0 A2 >" + pictureTag +
            Para("Pictures, attached files and every page live in the one hypertext file.") +
            Para("Back to the " + Link(cover, "cover page") + kPlain + "."));

    TUVAoggetto* web = doc.Register(links::NewInternetLink(doc, "http://example.org/"));
    SetPage(doc, links,
            Heading("Links") +
            Para("A link can lead to another page: " + Link(text, "formatted text") + kPlain + ", " +
                 Link(picture, "a picture") + kPlain + ".") +
            Para("Or to an address on the web: " + Link(web->GetRef(), "example.org") + kPlain + ".") +
            Para("Back to the " + Link(cover, "cover page") + kPlain + "."));

    doc.SetModified(true);
    if (!doc.SaveToFile(argv[1])) {
        for (const auto& e : doc.Errors())
            std::fprintf(stderr, "%s\n", e.c_str());
        return 1;
    }
    std::printf("%s\n", argv[1]);
    return 0;
}
