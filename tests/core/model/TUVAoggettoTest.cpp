// Objects: cleared records, life states, names, blocks, equality, transfer record.
#include "base/ByteReader.h"
#include "base/RecordingMessages.h"
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"

#include <gtest/gtest.h>

namespace quor {
namespace {

// A content source that counts reads and can be made to fail.
class FakeSource : public IContentSource {
public:
    explicit FakeSource(std::vector<std::uint8_t> bytes) : m_bytes(std::move(bytes)) {}
    std::string Name() const override { return "backing.uva"; }
    bool Read(std::uint64_t offset, std::size_t length, std::vector<std::uint8_t>& out) override
    {
        ++reads;
        if (failing || offset + length > m_bytes.size())
            return false;
        out.assign(m_bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                   m_bytes.begin() + static_cast<std::ptrdiff_t>(offset + length));
        return true;
    }
    int reads = 0;
    bool failing = false;

private:
    std::vector<std::uint8_t> m_bytes;
};

TEST(Object, CreatedEmpty)
{
    TUVAoggetto o;
    EXPECT_EQ(o.Kind(), testoHtmlRtf);
    EXPECT_EQ(o.Owner(), nullptr);
    EXPECT_EQ(o.Index(), -1);
    EXPECT_EQ(o.LocalRef(), -1);
    EXPECT_EQ(o.PrintIndex(), -1);
    EXPECT_FALSE(o.Registered());
    EXPECT_FALSE(o.HasContent());
    EXPECT_FALSE(o.HasProperties());
}

struct ClearCase {
    int kind;
    int inUseSubKind;  // -1: MarkInUse leaves the sub-kind
};

class ClearedObject : public ::testing::TestWithParam<ClearCase> {};

// A cleared object is a deleted placeholder; MarkInUse makes it live.
TEST_P(ClearedObject, IsDeletedUntilMarkedInUse)
{
    TUVAset doc;
    auto o = TUVAoggetto::CreateCleared(&doc, GetParam().kind);
    EXPECT_TRUE(o->IsDeleted()) << GetParam().kind;
    o->MarkInUse();
    if (GetParam().inUseSubKind >= 0) {
        EXPECT_EQ(o->SubKind(), GetParam().inUseSubKind);
        EXPECT_FALSE(o->IsDeleted());
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, ClearedObject, ::testing::Values(
    ClearCase{testoHtml, 0}, ClearCase{internetLink, 4}, ClearCase{genLink, 4}, ClearCase{keyword, -1},
    ClearCase{immagine, 0}, ClearCase{programma, -1}, ClearCase{tabellaHtml, 2}, ClearCase{mappaFrame, 2},
    ClearCase{speclink, 1}, ClearCase{shortObj, 1}, ClearCase{custom, 1}, ClearCase{dbloc, 7},
    ClearCase{immagineNew, 1}, ClearCase{stileParagrafo, 1}, ClearCase{fontFace, 1}, ClearCase{formato, 1},
    ClearCase{inputStat, 1}, ClearCase{inputDin, 1}, ClearCase{bottoneCGI, 1}, ClearCase{inizioForm, 1},
    ClearCase{multiMedia, 1}));

TEST(Object, ClearFillsWithFFAndSetsKindDefaults)
{
    TUVAset doc;
    auto link = TUVAoggetto::CreateCleared(&doc, internetLink);
    EXPECT_EQ(link->I32(0), -1);
    EXPECT_EQ(link->U8(132), 0xFF);
    EXPECT_EQ(link->SubKind(), 5);

    struct NameCase { int kind; const char* name; };
    for (NameCase c : {NameCase{mappaFrame, "Map"}, NameCase{custom, "New prototype"}, NameCase{dbloc, "db"},
                       NameCase{keyword, "-"}}) {
        auto o = TUVAoggetto::CreateCleared(&doc, c.kind);
        EXPECT_EQ(o->GetName(), c.name) << c.kind;
    }
    auto special = TUVAoggetto::CreateCleared(&doc, speclink);
    EXPECT_EQ(special->Counted(19, 19), "Zu");
    auto db = TUVAoggetto::CreateCleared(&doc, dbloc);
    EXPECT_EQ(db->U8(46), 0);

    auto style = TUVAoggetto::CreateCleared(&doc, stileParagrafo);
    EXPECT_EQ(style->I32(0), 0);
    EXPECT_EQ(style->U8(38), 0);
    EXPECT_EQ(style->Counted(39, 32), "Times New Roman");
    EXPECT_EQ(style->I16(72), 12);
    EXPECT_EQ(style->I16(79), -1);
    EXPECT_EQ(style->I32(81), 0xFF0000);
    EXPECT_EQ(style->U8(85), 4);
    EXPECT_EQ(style->I16(94), -32000);
    EXPECT_EQ(style->U8(98), 1);
    EXPECT_EQ(style->U8(200), 0);

    auto table = TUVAoggetto::CreateCleared(&doc, tabellaHtml);
    EXPECT_EQ(table->U8(5), 1);
    EXPECT_EQ(table->U8(54), 1);
    EXPECT_EQ(table->I16(97), 0);
    EXPECT_EQ(table->U8(55), 1);
    EXPECT_EQ(table->U8(89), 100);
    EXPECT_EQ(table->U8(93), 1);
    EXPECT_EQ(table->U8(94), 1);
    EXPECT_EQ(table->U8(219), 2);
}

TEST(Page, NewPageTakesTheDocumentDefaults)
{
    TUVAset doc;
    header::SetTextColour(doc.Header(), 0x112233);
    header::SetBackgroundImage(doc.Header(), 4);
    header::SetRevision(doc.Header(), 9);
    auto p = TUVAoggetto::CreateCleared(&doc, testoHtml);
    auto* page = static_cast<TUVAtesto*>(p.get());
    EXPECT_EQ(page->U8(page::kState), 3);
    page->MarkInUse();
    EXPECT_EQ(page->U8(page::kState), 0);
    EXPECT_EQ(page->Title(), "Untitled");
    EXPECT_EQ(page->Text(), std::string("<Z S0 >\0", 8));
    EXPECT_EQ(page->I32(page::kTextColour), 0x112233);
    EXPECT_EQ(page->I32(page::kLinkColour), 0xFF0000);
    EXPECT_EQ(page->I32(page::kBackgroundColour), 0xC0C0C0);
    EXPECT_EQ(page->I32(page::kBackgroundImage), 4);
    EXPECT_EQ(page->U8(page::kNotInSequence), 1);
    EXPECT_EQ(page->I16(page::kLanguage), 1033);
    EXPECT_EQ(page->TextFormat(), 2);
    EXPECT_EQ(page->GetRevision(), 9);
    EXPECT_EQ(page->Counted(page::kPageId, 20), "");

    TUVAtesto orphan;
    orphan.Clear();
    EXPECT_EQ(orphan.I32(page::kVisitedColour), 0x0000FF);
    EXPECT_EQ(orphan.I32(page::kBackgroundImage), -1);
}

TEST(Object, RevisionsLiveInTheKindsField)
{
    TUVAset doc;
    header::SetRevision(doc.Header(), 7);
    struct Case { int kind; std::size_t offset; };
    for (Case c : {Case{testoHtml, 196}, Case{genLink, 89}, Case{immagine, 77}}) {
        auto o = TUVAoggetto::CreateCleared(&doc, c.kind);
        o->SetRevision(12);
        EXPECT_EQ(o->I32(c.offset), 12) << c.kind;
        EXPECT_EQ(o->GetRevision(), 12);
    }
    auto link = TUVAoggetto::CreateCleared(&doc, internetLink);
    link->SetRevision(12);
    EXPECT_EQ(link->GetRevision(), 7);
}

TEST(Object, NamesBySubKind)
{
    TUVAset doc;
    auto page = TUVAoggetto::CreateCleared(&doc, testoHtml);
    page->MarkInUse();
    static_cast<TUVAtesto*>(page.get())->SetTitle("Target");
    TUVAoggetto* target = doc.Register(std::move(page));

    TUVAoggetto special(&doc, speclink);
    special.Clear();
    special.SetSubKind(1);
    special.SetU8(18, 0);
    special.SetI32(13, target->GetRef());
    EXPECT_EQ(special.GetName(), "Target");
    special.SetU8(18, 6);
    EXPECT_EQ(special.GetName(), "--");
    special.SetSubKind(2);
    EXPECT_EQ(special.GetName(), "Close window: Zu");
    special.SetSubKind(5);
    EXPECT_EQ(special.GetName(), "next page");

    TUVAoggetto anchor(&doc, shortObj);
    anchor.Clear();
    anchor.SetSubKind(14);
    anchor.SetI32(5, 3);
    EXPECT_EQ(anchor.GetName(), "Anchor: a3");
    anchor.SetSubKind(28);
    EXPECT_EQ(anchor.GetName(), "File #3");
    anchor.SetContentBytes({'a', '.', 't', 'x', 't', 0});
    EXPECT_EQ(anchor.GetName(), "a.txt");
    EXPECT_EQ(anchor.GetDescription(), "File: a.txt|File: a.txt");

    TUVAoggetto placement(&doc, immagineNew);
    placement.Clear();
    placement.MarkInUse();
    placement.SetName(std::string(40, 'n'));
    EXPECT_EQ(placement.GetName(), std::string(32, 'n'));  // cut to the field
}

TEST(Object, Descriptions)
{
    TUVAset doc;
    TUVAoggetto mail(&doc, internetLink);
    mail.Clear();
    EXPECT_EQ(mail.GetDescription(), "Undefined.");
    mail.MarkInUse();
    mail.SetName("mailto:who@example.org");
    EXPECT_EQ(mail.GetDescription(), "who@example.org|Link to e-mail: who@example.org");
    mail.SetName("http://example.org/");
    EXPECT_EQ(mail.GetDescription(), "http://example.org/|Link to: http://example.org/");

    TUVAoggetto field(&doc, inputStat);
    field.Clear();
    field.SetSubKind(5);
    field.SetCounted(17, 79, "hidden");
    field.SetCounted(97, 79, "v");
    EXPECT_EQ(field.GetDescription(), "Invisible: hidden\r\n(v)");
}

TEST(Object, SameAsByKind)
{
    TUVAset doc;
    auto image = [&](std::vector<std::uint8_t> bytes) {
        auto o = TUVAoggetto::CreateCleared(&doc, immagine);
        o->MarkInUse();
        o->SetContentBytes(std::move(bytes));
        return o;
    };
    auto a = image({1, 2, 3});
    auto b = image({1, 2, 3});
    auto c = image({1, 2, 4});
    EXPECT_TRUE(a->SameAs(*b));
    EXPECT_FALSE(a->SameAs(*c));
    a->Clear();
    EXPECT_FALSE(a->SameAs(*b));  // a deleted object equals nothing

    auto s1 = TUVAoggetto::CreateCleared(&doc, stileParagrafo);
    auto s2 = TUVAoggetto::CreateCleared(&doc, stileParagrafo);
    s1->MarkInUse();
    s2->MarkInUse();
    s1->SetName("one");
    s2->SetName("two");
    EXPECT_TRUE(s1->SameAs(*s2));  // names do not count
    s2->SetCounted(39, 32, "Arial");
    EXPECT_FALSE(s1->SameAs(*s2));
    EXPECT_TRUE(doc.DefaultStyle()->SameAs(*s2));  // default styles ignore the font name
    s2->SetI16(72, 14);
    EXPECT_FALSE(doc.DefaultStyle()->SameAs(*s2));

    TUVAoggetto t1(&doc, tabellaHtml), t2(&doc, tabellaHtml);
    t1.Clear();
    t2.Clear();
    t1.MarkInUse();
    EXPECT_FALSE(t1.SameAs(t2));
}

TEST(Object, AttributesOfThePropertiesBlock)
{
    TUVAoggetto o(nullptr, multiMedia);
    const std::string text = "width=10 Name=\"a b\"\tid='x' flag";
    std::vector<std::uint8_t> props = {2, 0, 0, 0, 'z', 'z'};
    props.insert(props.end(), text.begin(), text.end());
    o.SetPropertiesBytes(props);
    EXPECT_EQ(o.GetAttribute("WIDTH"), "10");
    EXPECT_EQ(o.GetAttribute("name"), "a b");
    EXPECT_EQ(o.GetAttribute("id"), "x");
    EXPECT_EQ(o.GetAttribute("zz"), "");
    EXPECT_EQ(o.GetAttribute("missing"), "");
    // A property-list length beyond the block leaves no attribute text.
    o.SetPropertiesBytes({0x10, 0, 0, 0, 'a', '=', '1'});
    EXPECT_EQ(o.GetAttribute("a"), "");
}

TEST(Object, LocationsAddTheDataAreaStart)
{
    TUVAset doc;
    doc.SetDataAreaStart(1000);
    TUVAoggetto table(&doc, tabellaHtml);
    table.Clear();
    table.MarkInUse();
    table.SetI32(0, 40);
    table.SetI32(81, 1);
    table.SetI16(85, 12);
    table.SetI32(58, 60);
    table.SetI32(62, 8);
    EXPECT_EQ(table.ContentLocation(), (std::pair<std::int64_t, std::int64_t>{12, 1040}));
    EXPECT_EQ(table.PropertiesLocation(), (std::pair<std::int64_t, std::int64_t>{8, 1060}));
    table.SetI32(81, 0);
    EXPECT_EQ(table.ContentLocation().first, 0);
    table.SetI32(58, -5);
    EXPECT_EQ(table.PropertiesLocation(), (std::pair<std::int64_t, std::int64_t>{0, 0}));
    table.Clear();
    EXPECT_EQ(table.ContentLocation(), (std::pair<std::int64_t, std::int64_t>{0, 0}));
}

TEST(Object, LazyContentIsReadOnFirstUseOnly)
{
    auto source = std::make_shared<FakeSource>(std::vector<std::uint8_t>{9, 9, 'G', 'I', 'F', 9});
    TUVAoggetto image(nullptr, immagine);
    image.SetContent(ObjectContent::OnDisk(source, 2, 3));
    EXPECT_EQ(image.Content()->Size(), 3u);
    EXPECT_EQ(source->reads, 0);
    std::vector<std::uint8_t> out;
    EXPECT_EQ(image.WriteContent(out, true), 3);
    EXPECT_EQ(out, (std::vector<std::uint8_t>{3, 0, 0, 0, 0, 0, 0, 0, 'G', 'I', 'F'}));
    image.WriteContent(out, false);
    EXPECT_EQ(source->reads, 1);
    EXPECT_TRUE(image.Content()->IsOnDisk());
}

TEST(Object, UnreadableContentIsReportedAndCountsAsEmpty)
{
    auto source = std::make_shared<FakeSource>(std::vector<std::uint8_t>{1, 2});
    source->failing = true;
    TUVAoggetto file(nullptr, genLink);
    file.SetContent(ObjectContent::OnDisk(source, 0, 2));
    std::vector<std::string> errors;
    std::vector<std::uint8_t> out;
    EXPECT_EQ(file.WriteContent(out, true, &errors), 0);
    EXPECT_EQ(errors, (std::vector<std::string>{"Error in file opening: backing.uva"}));
    EXPECT_EQ(out.size(), 8u);

    TUVAoggetto external(nullptr, genLink);
    external.SetExternalFile("/nonexistent/quor/file.bin");
    errors.clear();
    external.WriteContent(out, false, &errors);
    EXPECT_EQ(errors, (std::vector<std::string>{"Error in file opening: /nonexistent/quor/file.bin"}));
}

TEST(TransferRecord, RoundTripsAndHasTheStatedLength)
{
    TUVAset doc;
    TUVAoggetto src(&doc, shortObj);
    src.Clear();
    src.MarkInUse();
    src.SetIndex(6);
    src.SetExternalFile("abc");
    auto bare = src.SaveToStream();
    EXPECT_EQ(bare.size(), 4u + 1 + 668 + 4 + 3 + 8 + 4);

    src.SetContentBytes({'h', 'i'});
    src.SetPropertiesBytes({0, 0, 0, 0, 'p'});
    auto full = src.SaveToStream();
    TUVAoggetto dst(&doc, testoHtmlRtf);
    ByteReader in(full);
    ASSERT_TRUE(dst.LoadFromStream(in));
    EXPECT_EQ(dst.Kind(), shortObj);
    EXPECT_EQ(dst.Index(), 6);
    EXPECT_EQ(dst.Record(), src.Record());
    EXPECT_EQ(dst.ExternalFile(), "abc");
    EXPECT_EQ(*dst.Content()->Bytes(), (std::vector<std::uint8_t>{'h', 'i'}));
    EXPECT_EQ(*dst.Properties()->Bytes(), (std::vector<std::uint8_t>{0, 0, 0, 0, 'p'}));
}

TEST(TransferRecord, DamagedBlocksLeaveNoContentAndOtherKindsAreRefused)
{
    TUVAset doc;
    RecordingMessages messages;
    doc.SetMessages(&messages);
    TUVAoggetto src(&doc, shortObj);
    src.Clear();
    src.SetContentBytes({1, 2, 3, 4});
    auto bytes = src.SaveToStream();
    bytes.resize(bytes.size() - 3);  // cut into the content
    TUVAoggetto dst(&doc, shortObj);
    dst.SetContentBytes({7});
    ByteReader in(bytes);
    EXPECT_FALSE(dst.LoadFromStream(in));
    EXPECT_FALSE(dst.HasContent());
    EXPECT_FALSE(dst.HasProperties());

    auto page = TUVAoggetto::CreateCleared(&doc, testoHtml);
    page->MarkInUse();
    TUVAoggetto* registered = doc.Register(std::move(page));
    auto good = src.SaveToStream();
    ByteReader again(good);
    EXPECT_FALSE(registered->LoadFromStream(again));
    EXPECT_EQ(registered->Kind(), testoHtml);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].kind, MessageKind::Error);
}

TEST(Assign, AnImageBecomesAPlacementSizedLikeIt)
{
    TUVAset doc;
    auto img = TUVAoggetto::CreateCleared(&doc, immagine);
    img->MarkInUse();
    img->SetName("a-rather-long-picture-name-of-more-than-32-chars");
    img->SetI16(85, 120);
    img->SetI16(87, 80);
    img->SetU8(89, 5);
    img->SetContentBytes({1, 2, 3});
    TUVAoggetto* image = doc.Register(std::move(img));

    TUVAoggetto placement;
    placement.Assign(*image);
    EXPECT_EQ(placement.Kind(), immagineNew);
    EXPECT_EQ(placement.Owner(), &doc);
    EXPECT_EQ(placement.I32(0), image->Index());
    EXPECT_EQ(placement.SubKind(), 1);
    EXPECT_EQ(placement.U8(13), 5);
    EXPECT_EQ(placement.U8(14), 0);
    EXPECT_EQ(placement.I16(15), 120);
    EXPECT_EQ(placement.I16(17), 80);
    EXPECT_EQ(placement.I16(19), 120);
    EXPECT_EQ(placement.I16(21), 80);
    EXPECT_EQ(placement.U8(23), 0);
    EXPECT_EQ(placement.I32(24), 0xFF0000);
    EXPECT_EQ(placement.GetName(), "a-rather-long-picture-name-of-mo");
    EXPECT_EQ(placement.I32(5), -1);
    EXPECT_EQ(placement.I32(9), -1);
    EXPECT_EQ(placement.I32(69), -1);
    EXPECT_EQ(placement.I32(73), -1);  // no origin: zones are 0xFF
    EXPECT_FALSE(placement.HasContent());
    EXPECT_FALSE(placement.IsDeleted());
}

TEST(Assign, OldClickMapsAreRefused)
{
    TUVAset doc;
    RecordingMessages messages;
    doc.SetMessages(&messages);
    TUVAoggetto map(&doc, mappaClic);
    TUVAoggetto target(&doc, keyword);
    target.Assign(map);
    EXPECT_EQ(target.Kind(), keyword);
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"mappaclic presente ancora! bug!"}));
}

TEST(SetKind, ARegisteredObjectLeavesItsSlotEmpty)
{
    TUVAset doc;
    auto o = TUVAoggetto::CreateCleared(&doc, genLink);
    o->MarkInUse();
    TUVAoggetto* file = doc.Register(std::move(o));
    std::unique_ptr<TUVAoggetto> held = file->SetKind(immagine);
    EXPECT_EQ(held.get(), file);
    EXPECT_FALSE(file->Registered());
    EXPECT_EQ(doc.ObjectCount(genLink), 1);
    EXPECT_EQ(doc.GetObject(genLink, 0), nullptr);
    EXPECT_EQ(doc.RegisterObject(immagine, -1, held), 0);
}

TEST(Clear, ReleasesTheSpecialLinksTheObjectOwns)
{
    TUVAset doc;
    auto sl = TUVAoggetto::CreateCleared(&doc, speclink);
    sl->MarkInUse();
    TUVAoggetto* special = doc.Register(std::move(sl));
    auto opener = TUVAoggetto::CreateCleared(&doc, shortObj);
    opener->MarkInUse();
    opener->SetSubKind(13);
    opener->SetI32(5, special->GetRef());
    opener->Clear();
    EXPECT_TRUE(special->IsDeleted());
}

} // namespace
} // namespace quor
