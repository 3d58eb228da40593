// A new document saved without changes: exact size and header values.
#include "UvaBuilder.h"

#include "model/TUVAset.h"

#include <gtest/gtest.h>

#include <limits>

namespace quor {
namespace {

using test::TempDir;
using test::UvaBuilder;

std::int32_t I32At(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return static_cast<std::int32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24));
}

TEST(NewDocumentFile, IsTwoThousandFiveHundredBytesWithTheNewHeader)
{
    TempDir dir;
    TUVAset::SetScreenPixelsPerInch(96);
    TUVAset doc;
    ASSERT_TRUE(doc.SaveToFile(dir / "guide.uva", 2));

    const auto bytes = UvaBuilder::ReadFile(dir / "guide.uva");
    ASSERT_EQ(bytes.size(), 2500u);
    HeaderBytes h{};
    std::copy_n(bytes.begin(), kHeaderSize, h.begin());
    EXPECT_EQ(header::GetMagic(h), "MORV");
    EXPECT_EQ(header::Title(h), "guide.");
    EXPECT_EQ(header::ExportPrefix(h), "guide");
    EXPECT_EQ(header::Revision(h), 3);
    EXPECT_EQ(header::LastKind(h), 25);
    EXPECT_EQ(header::Version(h), 2);
    EXPECT_EQ(header::PixelsPerInch(h), 96);
    EXPECT_EQ(header::FixedFont(h), "Courier New");
    EXPECT_EQ(header::ProportionalFont(h), "Times New Roman");
    EXPECT_EQ(header::NoCoverButton(h), 1);
    EXPECT_EQ(header::NoButtons(h), 1);
    EXPECT_EQ(header::GlobalHeaderPage(h), -1);
    EXPECT_EQ(header::GlobalFooterPage(h), -1);
    EXPECT_EQ(header::BackgroundColour(h), 0xC0C0C0u);
    EXPECT_EQ(header::BackgroundImage(h), -1);
    EXPECT_EQ(header::LinkColour(h), 0xFF0000u);
    EXPECT_EQ(header::VisitedLinkColour(h), 0x0000FFu);
    EXPECT_EQ(header::Language(h), 1033);
    EXPECT_EQ(header::Authors(h), TUVAset::LoggedOnUserName());

    // 26 kind-table entries; only the two default styles are stored.
    for (int k = 0; k <= 25; ++k) {
        const std::size_t e = kHeaderSize + 12 * static_cast<std::size_t>(k);
        EXPECT_EQ(I32At(bytes, e + 4), RecordSizeOf(k)) << "kind " << k;
        EXPECT_EQ(I32At(bytes, e + 8), k == 17 ? 2 : 0) << "kind " << k;
        EXPECT_EQ(I32At(bytes, e), k <= 17 ? 0 : 206) << "kind " << k;
    }
    EXPECT_EQ(I32At(bytes, 2290), 2 * 103);
}

TEST(NewDocumentFile, LoadsBackAsTheSavedDocument)
{
    TempDir dir;
    TUVAset doc;
    ASSERT_TRUE(doc.SaveToFile(dir / "guide.uva", 2));
    EXPECT_EQ(doc.UVAFileName(), dir / "guide.uva");
    EXPECT_FALSE(doc.Modified());
    ASSERT_EQ(doc.ObjectCount(17), 2);
    EXPECT_EQ(doc.DefaultStyle()->GetName(), "[no style]");
    EXPECT_EQ(doc.DefaultTableStyle()->GetName(), "[no style intab]");

    TUVAset other;
    ASSERT_TRUE(other.LoadFromFile(dir / "guide.uva"));
    EXPECT_EQ(other.Header(), doc.Header());
    EXPECT_EQ(other.Revision(), 3);
}

// A file may hold any revision; saving counts on with 32-bit wrap-around, never overflow.
TEST(NewDocumentFile, RevisionWrapsAroundAtTheTopOfItsRange)
{
    TempDir dir;
    TUVAset doc;
    header::SetRevision(doc.Header(), std::numeric_limits<std::int32_t>::max());
    ASSERT_TRUE(doc.SaveToFile(dir / "top.uva", 2));
    EXPECT_EQ(doc.Revision(), std::numeric_limits<std::int32_t>::min());
}

} // namespace
} // namespace quor
