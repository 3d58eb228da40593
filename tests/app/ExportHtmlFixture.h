// ExportHtmlFixture.h: a hypertext with one of everything the web export
// writes, saved as a .uva file, and a runner for the quor program.
#pragma once

#include "model/HeaderLayout.h"
#include "model/ObjectKind.h"
#include "model/ParagraphStyle.h"
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "model/records/PageRecord.h"
#include "model/records/SpecialLinkRecord.h"
#include "model/records/TableRecord.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace quor::apptest {

namespace fs = std::filesystem;

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs a shell command line; stderr is collected through a file in `dir`.
inline RunResult RunShell(const std::string& command, const fs::path& dir)
{
    const fs::path errFile = dir / "stderr.txt";
    const std::string cmd = command + " 2>'" + errFile.string() + "'";
    RunResult r;
    FILE* p = ::popen(cmd.c_str(), "r");
    if (!p)
        return r;
    std::array<char, 4096> buf{};
    std::size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0)
        r.out.append(buf.data(), n);
    const int st = ::pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    std::ifstream e(errFile);
    r.err.assign(std::istreambuf_iterator<char>(e), {});
    return r;
}

inline RunResult Quor(const std::string& args, const fs::path& dir)
{
    return RunShell(std::string("'") + QUOR_EXE + "' " + args, dir);
}

inline std::string Quote(const fs::path& p) { return "'" + p.string() + "'"; }

inline bool HaveProgram(const char* name)
{
    return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

// A 1 x 1 GIF picture.
inline std::vector<std::uint8_t> TinyGif()
{
    static const unsigned char kGif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00,
                                         0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x21, 0xF9, 0x04, 0x01, 0x00, 0x00, 0x00,
                                         0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02,
                                         0x44, 0x01, 0x00, 0x3B};
    return std::vector<std::uint8_t>(std::begin(kGif), std::end(kGif));
}

class RichHypertext {
public:
    RichHypertext() { doc.NewDocument(); }

    TUVAoggetto* Add(int kind, int subKind = -1)
    {
        auto obj = TUVAoggetto::CreateCleared(&doc, kind);
        obj->MarkInUse();
        if (subKind >= 0)
            obj->SetSubKind(subKind);
        return doc.Register(std::move(obj));
    }
    TUVAtesto* Page(const std::string& markup, const std::string& title)
    {
        auto* page = static_cast<TUVAtesto*>(Add(testoHtml));
        page->SetText(markup);
        page->SetTitle(title);
        return page;
    }
    static std::string Ref(int kind, int index)
    {
        char buf[16];
        std::snprintf(buf, sizeof buf, "<$%02x%06x>", kind, index);
        return buf;
    }
    TUVAoggetto* Picture(const std::string& fileName)
    {
        TUVAoggetto* pic = Add(immagine, 0);
        pic->SetFileName(fileName);
        pic->SetCounted(5, 71, fileName.substr(0, fileName.find('.')));
        pic->SetI16(85, 1);
        pic->SetI16(87, 1);
        pic->SetContentBytes(TinyGif());
        return pic;
    }
    TUVAoggetto* Placement(TUVAoggetto* picture, int rollOver = -1)
    {
        TUVAoggetto* p = Add(immagineNew, 1);
        p->SetI32(0, picture->Index());
        p->SetI32(5, -1);
        p->SetI32(9, rollOver);
        p->SetU8(13, 4);
        p->SetI16(15, 1);
        p->SetI16(17, 1);
        p->SetI16(19, 32);
        p->SetI16(21, 32);
        p->SetU8(23, 0);
        p->SetCounted(28, 32, "a picture");
        for (std::size_t z = 0; z < 30; ++z)
            p->SetI32(73 + 16 * z, -1);
        return p;
    }

    // Pages: 0 cover (formatting, links, anchor, picture with map and
    // roll-over, attached file, window link), 1 table and form, 2 floating
    // frame target, 3 frame set master, 4 and 5 framed pages, 6 footer page.
    void Build(const fs::path& file)
    {
        doc.SetExpPrefix("site");
        header::SetAuthors(doc.Header(), "Tester");
        TUVAoggetto* gif = Picture("logo.gif");
        TUVAoggetto* over = Picture("hover.gif");
        TUVAoggetto* attached = Add(genLink, 4);
        attached->SetFileName("notes.txt");
        const std::string notes = "plain notes\n";
        attached->SetContentBytes(std::vector<std::uint8_t>(notes.begin(), notes.end()));
        TUVAoggetto* web = Add(internetLink, 7);
        web->SetCounted(5, 127, "http://example.org/?a=1&b=2");

        TUVAoggetto* img = Placement(gif, over->Index());
        img->SetI32(73, 1);   // zone 0 -> page 1
        img->SetI16(73 + 8, 0);
        img->SetI16(73 + 10, 0);
        img->SetI16(73 + 12, 16);
        img->SetI16(73 + 14, 16);

        TUVAoggetto* anchor = Add(shortObj, 14);
        anchor->SetI32(5, 1);
        TUVAoggetto* window = Add(speclink, 1);
        records::SpecialLinkRecord sl(window->Record().data());
        sl.SetAction(2);
        sl.SetTarget(2);
        sl.SetTargetKind(0);
        sl.SetAnchor(-1);
        sl.SetWindowName("Zu");
        window->FreeContent();

        TUVAtesto* cover = Page("<Z S0 >Welcome <Y y1 >bold<Y y0 > text &amp; more   spaces \xE9\xAF" +
                                    Ref(shortObj, anchor->Index()) + "<Z S0 A2 N6 >Go to " + Ref(testoHtml, 1) +
                                    "the table<%>, " + Ref(genLink, attached->Index()) + "notes<%>, " +
                                    Ref(internetLink, web->Index()) + "the web<%>, " + Ref(speclink, window->Index()) +
                                    "a window<%>.<Z S0 >" + Ref(immagineNew, img->Index()),
                                "Cover <page>");
        records::PageRecord(cover->Record().data()).SetAlias("start.htm");

        TUVAoggetto* table = Add(tabellaHtml, 2);
        records::TableRecord tr(table->Record().data());
        tr.SetWidthMode(1);
        table->SetU8(89, 80);
        table->SetU8(90, 2);
        table->SetU8(91, 2);
        table->SetU8(92, 1);
        table->SetU8(93, 2);
        table->SetU8(94, 2);
        table->SetU8(96, 0);
        table->SetI32(207, -1);
        for (std::size_t c = 0; c < 2; ++c) {
            tr.SetColumnKind(c, 0);
            tr.SetColumnWidth(c, 50);
        }
        table->FreeContent();
        TUVAoggetto* form = Add(inizioForm, 2);
        form->SetCounted(17, 255, "/cgi-bin/send");
        form->SetU8(273, 0);
        TUVAoggetto* field = Add(inputStat, 1);
        field->SetCounted(17, 79, "name");
        field->SetCounted(97, 79, "");
        field->SetU8(179, 20);
        TUVAoggetto* submit = Add(bottoneCGI, 1);
        submit->SetCounted(17, 79, "");
        submit->SetCounted(97, 79, "Send");
        submit->SetI32(177, -1);
        submit->SetI32(181, -1);
        Page("<Z S0 >Table:<Z S0 >" + Ref(tabellaHtml, table->Index()) + "<Z S1 >a<T><Z S1 >b<T><Z S1 >c<T><Z S1 >d<T>" +
                 "<Z S0 >" + Ref(inizioForm, form->Index()) + "Name " + Ref(inputStat, field->Index()) +
                 Ref(bottoneCGI, submit->Index()) + "<Z S0 >Back to " + Ref(testoHtml, 0) + "the cover<%>" +
                 Ref(testoHtml, 0) + "#an1<%>",
             "Table");

        TUVAoggetto* floating = Add(inputStat, 18);
        floating->SetCounted(17, 79, "inner");
        floating->SetU8(97, 0);
        floating->SetU8(98, 0);
        floating->SetU8(99, 0);
        floating->SetI32(100, 0xC0C0C0);
        floating->SetI32(108, 4);
        floating->SetU8(116, 0);
        floating->SetU8(117, 1);
        floating->SetU8(178, 0);
        floating->SetI16(180, 100);
        floating->SetI16(182, 200);
        Page("<Z S0 >A floating frame: " + Ref(inputStat, floating->Index()), "Floating");

        TUVAtesto* master = Page("<Z S0 >Your browser does not show frames.", "Frames");
        Page("<Z S0 >Left frame", "Left");
        Page("<Z S0 >Right frame", "Right");
        TUVAtesto* footer = Page("<Z S1 >footer", "Footer");
        header::SetGlobalFooterPage(doc.Header(), footer->Index());
        records::PageRecord(footer->Record().data()).SetFooterPage(-2);

        // Frame map: root (columns) with frames showing pages 4 and 5.
        std::vector<std::uint8_t> map;
        auto record = [&map](std::int32_t id, std::int32_t parent, const std::string& name, std::uint8_t placement,
                             std::int32_t page, std::uint8_t sizeKind, std::int32_t percent) {
            std::vector<std::uint8_t> r(58, 0);
            std::memcpy(r.data(), &id, 4);
            std::memcpy(r.data() + 4, &parent, 4);
            r[8] = static_cast<std::uint8_t>(name.size());
            std::memcpy(r.data() + 9, name.data(), name.size());
            r[28] = placement;
            r[31] = 1;
            r[32] = parent == -1 ? 1 : 0;
            std::memcpy(r.data() + 34, &page, 4);
            std::memcpy(r.data() + 38, &percent, 4);
            r[51] = 1;
            const std::int32_t pixels = 20;
            std::memcpy(r.data() + 52, &pixels, 4);
            r[56] = 3;
            r[57] = sizeKind;
            map.insert(map.end(), r.begin(), r.end());
        };
        record(1, -1, "Pag3", 0, 3, 0, 100);
        record(2, 1, "left", 1, 4, 0, 30);
        record(3, 1, "right", 5, 5, 2, 70);
        TUVAoggetto* frames = Add(mappaFrame, 2);
        frames->SetContentBytes(map);
        frames->SetI32(89, 58);
        records::PageRecord(master->Record().data()).SetFrameHosting(frames->Index());

        ASSERT_TRUE(doc.SaveToFile(file.string(), 2)) << (doc.Errors().empty() ? "" : doc.Errors()[0]);
    }

    TUVAset doc;
};

class ExportHtmlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("quor-export-app-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        file = dir / "rich.uva";
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path dir;
    fs::path file;
};

} // namespace quor::apptest
