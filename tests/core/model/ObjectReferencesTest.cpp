// Where objects refer to each other (the usage report before a deletion) and
// the removal of those references when the object is deleted.
#include "base/ByteWriter.h"
#include "model/HeaderLayout.h"
#include "model/PageRefRewriter.h"
#include "model/ReferenceKind.h"
#include "model/TUVAset.h"
#include "model/TUVAtesto.h"
#include "model/TZuPropLoader.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <ostream>

namespace quor {
namespace {

std::vector<std::uint8_t> Bytes(std::string_view s) { return {s.begin(), s.end()}; }

// A properties block: empty property list, then the attribute text.
std::vector<std::uint8_t> PropertiesBlock(std::string_view attributes)
{
    ByteWriter w;
    w.I32(0);
    w.Text(attributes);
    return std::move(w.Data());
}

// A properties text (definitions or values): count, then CR LF lines.
std::vector<std::uint8_t> PropText(const std::vector<std::string>& lines, int count = -1)
{
    ByteWriter w;
    w.I32(count < 0 ? static_cast<std::int32_t>(lines.size()) : count);
    for (const auto& l : lines)
        w.Text(l + "\r\n");
    return std::move(w.Data());
}

// A document with a cover page, a target page T, a host page H, an image I, an
// attached file F, a keyword K and a link L; every index is above 0 so that a
// bare index never reads as "none".
class References : public ::testing::Test {
public:
    References()
    {
        AddPage("<Z S0 >cover");
        target = AddPage("<Z S0 >target");
        host = AddPage("<Z S0 >host");
        Add(immagine);
        image = Add(immagine);
        image->SetName("picture");
        Add(genLink);
        file = Add(genLink);
        Add(keyword)->SetName("first");
        keywordObj = Add(keyword);
        keywordObj->SetName("second");
        link = Add(internetLink);
        link->SetName("http://example.org/");
        doc.SetModified(false);
    }

    TUVAoggetto* Add(int kind, int subKind = -1)
    {
        auto o = TUVAoggetto::CreateCleared(&doc, kind);
        o->MarkInUse();
        if (subKind >= 0)
            o->SetSubKind(subKind);
        return doc.Register(std::move(o));
    }
    TUVAtesto* AddPage(const std::string& text)
    {
        auto* page = static_cast<TUVAtesto*>(Add(testoHtml));
        page->SetText(text);
        return page;
    }
    // Puts the object's tag into the host page's text.
    TUVAoggetto* Tagged(TUVAoggetto* obj)
    {
        host->SetText(host->Text().substr(0, host->Text().size() - 1) + RefTag(obj->GetRef()) + "<%>");
        return obj;
    }
    TUVAoggetto* JumpTo(ObjectRef target)
    {
        TUVAoggetto* s = Add(speclink, 1);
        s->SetI32(13, target);
        return s;
    }
    TUVAoggetto* Prototype(const std::vector<ObjectRef>& files, const std::vector<std::string>& definitions)
    {
        TUVAoggetto* p = Add(custom);
        ByteWriter w;
        w.I32(static_cast<std::int32_t>(4 * files.size()));
        for (ObjectRef f : files)
            w.I32(f);
        w.Bytes(PropText(definitions));
        p->SetContentBytes(std::move(w.Data()));
        return p;
    }

    TUVAset doc;
    TUVAtesto* target = nullptr;
    TUVAtesto* host = nullptr;
    TUVAoggetto* image = nullptr;
    TUVAoggetto* file = nullptr;
    TUVAoggetto* keywordObj = nullptr;
    TUVAoggetto* link = nullptr;
};

// One way of referring: `setup` makes the host page refer to an object and
// returns that object's reference.
struct UseCase {
    const char* name;
    std::function<ObjectRef(References&)> setup;
    int expected;
};

void PrintTo(const UseCase& c, std::ostream* os) { *os << c.name; }

class ReferenceKinds : public References, public ::testing::WithParamInterface<UseCase> {};

// Each way is reported with its kind, and removing the reference leaves the
// host page referring to nothing.
TEST_P(ReferenceKinds, AreFoundAndRemoved)
{
    const ObjectRef ref = GetParam().setup(*this);
    doc.SetModified(false);
    EXPECT_EQ(host->IsReferencing(ref), GetParam().expected) << GetParam().name;
    EXPECT_EQ(target->IsReferencing(ref), kNoReference) << GetParam().name;
    host->RemoveReferences(ref);
    EXPECT_EQ(host->IsReferencing(ref), kNoReference) << GetParam().name;
    EXPECT_TRUE(doc.Modified()) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Ways, ReferenceKinds, ::testing::Values(
    UseCase{"link tag in text", [](References& r) { return r.Tagged(r.link)->GetRef(); }, kRefInText},
    UseCase{"keyword slot", [](References& r) {
        r.host->SetI32(page::kKeywords + 8, r.keywordObj->Index());
        return r.keywordObj->GetRef(); }, kRefInText},
    UseCase{"placement image", [](References& r) {
        r.Tagged(r.Add(immagineNew))->SetI32(0, r.image->Index());
        return r.image->GetRef(); }, kRefInText},
    UseCase{"placement roll-over image", [](References& r) {
        TUVAoggetto* p = r.Tagged(r.Add(immagineNew));
        p->SetI32(0, 0);
        p->SetI32(9, r.image->Index());
        return r.image->GetRef(); }, kRefInText},
    UseCase{"page background", [](References& r) {
        r.host->SetI32(page::kBackgroundImage, r.image->Index());
        return r.image->GetRef(); }, kRefTextBackground},
    UseCase{"table cell background", [](References& r) {
        ByteWriter w;
        w.I32(0x00FF00);
        w.I32(0x3000000 + r.image->Index());
        r.Tagged(r.Add(tabellaHtml))->SetContentBytes(std::move(w.Data()));
        return r.image->GetRef(); }, kRefTableBackground},
    UseCase{"table background", [](References& r) {
        r.Tagged(r.Add(tabellaHtml))->SetI32(207, 0x3000000 + r.image->Index());
        return r.image->GetRef(); }, kRefTableBackground},
    UseCase{"header page", [](References& r) {
        r.host->SetI32(page::kFooterPage, r.target->Index());
        return r.target->GetRef(); }, kRefHeaderFooter},
    UseCase{"next slide", [](References& r) {
        r.host->SetI32(page::kNextSlide, r.target->Index());
        return r.target->GetRef(); }, kRefNextSlide},
    UseCase{"page script", [](References& r) {
        r.host->SetPropertiesBytes(PropertiesBlock("<IMG SRC=\"!RefI:" + RefHex(r.image->GetRef()) + "\">"));
        return r.image->GetRef(); }, kRefScriptHtml},
    UseCase{"script of a tagged object, upper-case digits", [](References& r) {
        std::string hex = RefHex(r.file->GetRef());
        for (char& c : hex)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        r.Tagged(r.Add(multiMedia, 5))->SetPropertiesBytes(PropertiesBlock("x=!RefF:" + hex));
        return r.file->GetRef(); }, kRefScriptHtml},
    UseCase{"multimedia alternative image", [](References& r) {
        r.Tagged(r.Add(multiMedia, 3))->SetI32(21, r.image->GetRef());
        return r.image->GetRef(); }, kRefAlternativeImage},
    UseCase{"floating frame page", [](References& r) {
        r.Tagged(r.Add(inputStat, 18))->SetI32(108, r.target->Index());
        return r.target->GetRef(); }, kRefFloatingFrame},
    UseCase{"floating frame image", [](References& r) {
        r.Tagged(r.Add(inputStat, 18))->SetI32(112, r.image->Index());
        return r.image->GetRef(); }, kRefFloatingFrame},
    UseCase{"button link", [](References& r) {
        r.Tagged(r.Add(bottoneCGI, 2))->SetI32(181, r.target->GetRef());
        return r.target->GetRef(); }, kRefButton},
    UseCase{"button image", [](References& r) {
        r.Tagged(r.Add(bottoneCGI, 2))->SetI32(177, r.image->GetRef());
        return r.image->GetRef(); }, kRefButton},
    UseCase{"special link target", [](References& r) {
        r.Tagged(r.JumpTo(r.target->GetRef()));
        return r.target->GetRef(); }, kRefSpecialLink},
    UseCase{"click zone", [](References& r) {
        r.Tagged(r.Add(immagineNew))->SetI32(73 + 16 * 29, r.link->GetRef());
        return r.link->GetRef(); }, kRefClickableMap},
    UseCase{"click zone through a jump", [](References& r) {
        r.Tagged(r.Add(immagineNew))->SetI32(73 + 16 * 2, r.JumpTo(r.target->GetRef())->GetRef());
        return r.target->GetRef(); }, kRefClickableMap},
    UseCase{"open-window object", [](References& r) {
        r.Tagged(r.Add(shortObj, 13))->SetI32(5, r.JumpTo(r.target->GetRef())->GetRef());
        return r.target->GetRef(); }, kRefOpenWindow},
    UseCase{"sound file", [](References& r) {
        r.Tagged(r.Add(multiMedia, 1))->SetI32(17, r.file->GetRef());
        return r.file->GetRef(); }, kRefMultimedia},
    UseCase{"custom instance prototype", [](References& r) {
        TUVAoggetto* proto = r.Prototype({}, {});
        r.Tagged(r.Add(multiMedia, 6))->SetI32(17, proto->GetRef());
        return proto->GetRef(); }, kRefCustomInstance},
    UseCase{"custom instance image property", [](References& r) {
        TUVAoggetto* proto = r.Prototype({}, {"Picture", "7", "Title", "1"});
        TUVAoggetto* inst = r.Tagged(r.Add(multiMedia, 6));
        inst->SetI32(17, proto->GetRef());
        inst->SetContentBytes(PropText({"picture", std::to_string(r.image->GetRef()), "title", "x"}));
        return r.image->GetRef(); }, kRefCustomInstance},
    UseCase{"custom instance page property", [](References& r) {
        TUVAoggetto* proto = r.Prototype({}, {"Next", "6"});
        TUVAoggetto* inst = r.Tagged(r.Add(multiMedia, 6));
        inst->SetI32(17, proto->GetRef());
        inst->SetContentBytes(PropText({"next", std::to_string(r.target->GetRef())}));
        return r.target->GetRef(); }, kRefCustomInstance},
    UseCase{"local database link", [](References& r) {
        r.Tagged(r.Add(dbloc))->SetI32(59, r.link->GetRef());
        return r.link->GetRef(); }, kRefLocalDb},
    UseCase{"local database image", [](References& r) {
        r.Tagged(r.Add(dbloc))->SetI32(47, r.image->Index());
        return r.image->GetRef(); }, kRefLocalDb}),
    [](const ::testing::TestParamInfo<UseCase>& info) {
        std::string name;
        for (const char* p = info.param.name; *p; ++p)
            name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    });

TEST_F(References, TypesOfCustomPropertiesDecideWhatTheyName)
{
    // A page-typed property holding an image's number does not name the image.
    TUVAoggetto* proto = Prototype({}, {"Next", "6", "Size", "2"});
    TUVAoggetto* inst = Tagged(Add(multiMedia, 6));
    inst->SetI32(17, proto->GetRef());
    inst->SetContentBytes(PropText({"next", std::to_string(image->GetRef()), "size", std::to_string(target->GetRef())}));
    EXPECT_EQ(host->IsReferencing(image->GetRef()), kNoReference);
    EXPECT_EQ(host->IsReferencing(target->GetRef()), kNoReference);
}

TEST_F(References, PrototypesFindTheirFileListButNotTheirTemplateMarkers)
{
    TUVAoggetto* proto = Prototype({0, file->GetRef()}, {});
    proto->SetPropertiesBytes(PropertiesBlock("!RefI:" + RefHex(image->GetRef())));
    EXPECT_EQ(proto->IsReferencing(file->GetRef()), kRefPrototype);
    EXPECT_EQ(proto->IsReferencing(image->GetRef()), kNoReference);

    proto->RemoveReferences(file->GetRef());
    EXPECT_EQ(TZuPropLoader::ReferenceListOf(*proto->Content()->Bytes()), (std::vector<ObjectRef>{0, -1}));
    EXPECT_EQ(proto->IsReferencing(file->GetRef()), kNoReference);
}

TEST_F(References, DeletedObjectsAndNoneReferToNothing)
{
    Tagged(link);
    EXPECT_EQ(host->IsReferencing(kNoRef), kNoReference);
    host->Clear();
    EXPECT_EQ(host->IsReferencing(link->GetRef()), kNoReference);
}

// Removing an image used by a placement neutralises every tag of the placement
// and clears it, so that its slot is free again.
TEST_F(References, APlacementLeftWithoutImageIsNeutralisedAndCleared)
{
    TUVAoggetto* placement = Add(immagineNew);
    placement->SetI32(0, image->Index());
    TUVAoggetto* other = Add(immagineNew);
    other->SetI32(0, 0);
    other->SetI32(5, image->Index());
    host->SetText("<Z S0 >a" + RefTag(placement->GetRef()) + "b" + RefTag(other->GetRef()) + RefTag(placement->GetRef()));

    host->RemoveReferences(image->GetRef());
    EXPECT_EQ(host->Text(), "<Z S0 >a<$ffffffff>b" + RefTag(other->GetRef()) + "<$ffffffff>" + std::string(1, '\0'));
    EXPECT_TRUE(placement->IsDeleted());
    EXPECT_FALSE(other->IsDeleted());
    EXPECT_EQ(other->I32(0), 0);
    EXPECT_EQ(other->I32(5), -1);
}

TEST_F(References, HeaderFieldsNamingTheObjectAreReset)
{
    HeaderBytes& h = doc.Header();
    header::SetGlobalHeaderPage(h, target->Index());
    header::SetGlobalFooterPage(h, target->Index());
    header::SetContentsPage(h, target->Index());
    header::SetCoverPage(h, target->Index());
    header::SetBackgroundImage(h, image->Index());

    host->RemoveReferences(target->GetRef());
    EXPECT_EQ(header::GlobalHeaderPage(h), -1);
    EXPECT_EQ(header::GlobalFooterPage(h), -1);
    EXPECT_EQ(header::ContentsPage(h), 0);
    EXPECT_EQ(header::CoverPage(h), 0);
    EXPECT_EQ(header::BackgroundImage(h), image->Index());
    host->RemoveReferences(image->GetRef());
    EXPECT_EQ(header::BackgroundImage(h), -1);
}

// A field holding a jump to the deleted page keeps the jump; the jump loses
// its target.
TEST_F(References, JumpsToTheRemovedObjectLoseTheirTarget)
{
    TUVAoggetto* jump = JumpTo(target->GetRef());
    TUVAoggetto* button = Tagged(Add(bottoneCGI, 2));
    button->SetI32(181, jump->GetRef());
    TUVAoggetto* opener = Tagged(Add(shortObj, 13));
    opener->SetI32(5, jump->GetRef());

    host->RemoveReferences(target->GetRef());
    EXPECT_EQ(jump->I32(13), -1);
    EXPECT_EQ(button->I32(181), jump->GetRef());
    EXPECT_EQ(opener->I32(5), jump->GetRef());

    // Deleting the jump itself empties the fields that hold it.
    host->RemoveReferences(jump->GetRef());
    EXPECT_EQ(button->I32(181), -1);
    EXPECT_EQ(opener->I32(5), -1);
}

TEST_F(References, PropertyMarkersAndTagsGetNoneAsDigits)
{
    const std::string hex = RefHex(link->GetRef());
    host->SetPropertiesBytes(PropertiesBlock("a=!RefL:" + hex + " b=!RefX:" + hex + " c=!RefL:" + hex));
    host->SetText("<Z S0 >" + RefTag(link->GetRef()) + "x<%>");
    host->RemoveReferences(link->GetRef());
    EXPECT_EQ(host->AttributeText(), "a=!RefL:ffffffff b=!RefX:" + hex + " c=!RefL:ffffffff");
    EXPECT_EQ(host->Text(), std::string("<Z S0 ><$ffffffff>x<%>\0", 23));
}

// The instance's values text is written back with the removed reference as -1,
// sorted by lower-case name.
TEST_F(References, CustomInstanceValuesAreWrittenBack)
{
    TUVAoggetto* proto = Prototype({}, {"Zeta", "1", "Picture", "7", "Back", "8"});
    TUVAoggetto* inst = Tagged(Add(multiMedia, 6));
    inst->SetI32(17, proto->GetRef());
    inst->SetContentBytes(PropText({"zeta", "z", "back", std::to_string(file->GetRef()), "picture",
                                    std::to_string(file->GetRef())}));
    host->RemoveReferences(file->GetRef());
    EXPECT_EQ(*inst->Content()->Bytes(), PropText({"back", "-1", "picture", "-1", "zeta", "z"}));
}

// In form fields other than floating frames, the bytes where a floating frame
// keeps its page and image belong to the value text and are left alone.
TEST_F(References, FormFieldValuesAreNotTakenForReferences)
{
    TUVAoggetto* edit = Tagged(Add(inputStat, 1));
    edit->SetCounted(97, 79, std::string(20, 'v'));
    edit->SetI32(108, target->Index());
    edit->SetI32(112, image->Index());
    EXPECT_EQ(host->IsReferencing(target->GetRef()), kNoReference);
    host->RemoveReferences(image->GetRef());
    host->RemoveReferences(target->GetRef());
    EXPECT_EQ(edit->I32(108), target->Index());
    EXPECT_EQ(edit->I32(112), image->Index());
}

TEST_F(References, AVersionOnePageIsConvertedBeforeBeingSearched)
{
    host->SetU8(page::kTextFormat, 1);
    host->SetText("see <$" + RefHex(image->GetRef()) + "> here");
    EXPECT_EQ(host->IsReferencing(image->GetRef()), kRefInText);
    EXPECT_EQ(host->TextFormat(), 2);
    // The old image tag became a placement of the image.
    ASSERT_EQ(PageRefRewriter::FindTags(host->Text()).size(), 1u);
    EXPECT_EQ(RefKind(PageRefRewriter::FindTags(host->Text())[0].ref), immagineNew);
}

TEST(ReferenceKindTexts, AreTheUserInterfaceTexts)
{
    EXPECT_EQ(ReferenceKindText(kNoReference), "No references");
    EXPECT_EQ(ReferenceKindText(kRefTableBackground), "in table background");
    EXPECT_EQ(ReferenceKindText(kRefOpenWindow), "in \"open window\" object");
    EXPECT_EQ(ReferenceKindText(kRefLocalDb), "in local DB object");
    EXPECT_EQ(ReferenceKindText(17), "No references");
}

} // namespace
} // namespace quor
