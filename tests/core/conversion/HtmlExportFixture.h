// HtmlExportFixture.h: small hypertexts built in memory for the web export
// tests, and helpers to read what the converter writes.
#pragma once

#include "base/RecordingMessages.h"
#include "conversion/HtmlBodyWriter.h"
#include "conversion/TUVAtoHtml.h"
#include "model/ObjectKind.h"
#include "model/ParagraphStyle.h"
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "model/records/PageRecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace quor::testing {

class HtmlExportTest : public ::testing::Test {
protected:
    HtmlExportTest()
    {
        doc.NewDocument();
        doc.SetMessages(&messages);
        doc.SetExpPrefix("ab");
        conv.LinkedUVAset = &doc;
    }

    // A live page with `markup` (a NUL is appended) at the next free index.
    TUVAtesto* AddPage(std::string_view markup, std::string_view title = "Page")
    {
        auto obj = TUVAoggetto::CreateCleared(&doc, testoHtml);
        obj->MarkInUse();
        auto* page = static_cast<TUVAtesto*>(doc.Register(std::move(obj)));
        page->SetText(markup);
        page->SetTitle(title);
        return page;
    }
    // `count` pages of plain text; returns the last.
    TUVAtesto* AddPages(int count)
    {
        TUVAtesto* last = nullptr;
        for (int i = 0; i < count; ++i)
            last = AddPage("<Z S0 >p");
        return last;
    }
    // A live object of `kind` with `subKind`, registered.
    TUVAoggetto* Add(int kind, int subKind = -1)
    {
        auto obj = TUVAoggetto::CreateCleared(&doc, kind);
        obj->MarkInUse();
        if (subKind >= 0)
            obj->SetSubKind(subKind);
        return doc.Register(std::move(obj));
    }
    // A picture (kind 5) holding `bytes`, stored under `fileName`.
    TUVAoggetto* AddPicture(std::string_view fileName, std::string bytes = "GIF89a")
    {
        TUVAoggetto* pic = Add(immagine, 0);
        pic->SetFileName(fileName);
        pic->SetCounted(5, 71, "pic");
        pic->SetContentBytes(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
        return pic;
    }
    TUVAoggetto* AddFile(std::string_view fileName, std::string bytes = "data")
    {
        TUVAoggetto* file = Add(genLink, 4);
        file->SetFileName(fileName);
        file->SetContentBytes(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
        return file;
    }
    // A placement (kind 16) of `picture`, 40 x 30 pixels.
    TUVAoggetto* AddPlacement(TUVAoggetto* picture, std::string_view alt = "alt")
    {
        TUVAoggetto* p = Add(immagineNew, 1);
        p->SetI32(0, picture->Index());
        p->SetI32(5, -1);
        p->SetI32(9, -1);
        p->SetU8(13, 4);
        p->SetI16(15, 40);
        p->SetI16(17, 30);
        p->SetI16(19, 40);
        p->SetI16(21, 30);
        p->SetU8(23, 0);
        p->SetCounted(28, 32, alt);
        for (std::size_t z = 0; z < 30; ++z)
            p->SetI32(73 + 16 * z, -1);
        return p;
    }
    TUVAoggetto* AddAddress(std::string_view url)
    {
        TUVAoggetto* link = Add(internetLink, 4);
        link->SetCounted(5, 127, url);
        return link;
    }
    // Style 0 ("[no style]") with its defaults changed by `edit`.
    template <class F>
    void EditStyle(int index, F edit)
    {
        TUVAoggetto* obj = doc.GetObject(stileParagrafo, index);
        ParagraphStyle st = ParagraphStyle::Decode(std::span<const std::uint8_t>(obj->Record().data(), obj->Record().size()));
        edit(st);
        st.Encode(std::span<std::uint8_t>(obj->Record().data(), obj->Record().size()));
    }

    // The content pass (mode 0) of `page`, written as part of a page file.
    std::string Body(TUVAtesto* page, int mode = kBodyContent)
    {
        ctx = HtmlFileContext{};
        ctx.filePage = page;
        ctx.frameDocuments = &frameDocuments;
        ctx.resources = &resources;
        std::string out;
        conv.WriteBody(out, mode, page, ctx);
        return out;
    }
    std::string PageFile(TUVAtesto* page, int kind = kPageFile)
    {
        return conv.WritePageFile(page, kind == kPageFile ? &frameDocuments : nullptr, resources, kind);
    }

    static std::string Ref(int kind, int index)
    {
        char buf[16];
        std::snprintf(buf, sizeof buf, "<$%02x%06x>", kind, index);
        return buf;
    }

    RecordingMessages messages;
    TUVAset doc;
    TUVAtoHtml conv;
    HtmlFileContext ctx;
    ExportList frameDocuments;
    ExportList resources;
};

// A fresh folder under the system temporary folder, removed afterwards.
class TempFolder {
public:
    TempFolder()
    {
        std::random_device rd;
        m_path = std::filesystem::temp_directory_path() / ("quor-export-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder()
    {
        std::error_code ec;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(m_path, ec);
    }
    const std::filesystem::path& Path() const { return m_path; }
    std::string Str() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};

inline std::string ReadFile(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every file below `root`, as generic relative paths.
inline std::vector<std::string> FilesBelow(const std::filesystem::path& root)
{
    std::vector<std::string> out;
    for (const auto& e : std::filesystem::recursive_directory_iterator(root)) {
        if (e.is_regular_file())
            out.push_back(e.path().lexically_relative(root).generic_string());
    }
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace quor::testing
