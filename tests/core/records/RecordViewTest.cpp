// Field access over a record image stays inside the image whatever the offset.
#include "model/records/PageRecord.h"
#include "model/records/RecordView.h"
#include "model/records/SpecialLinkRecord.h"

#include <array>
#include <gtest/gtest.h>

namespace quor::records {
namespace {

TEST(RecordView, ReadsAndWritesLittleEndianFields)
{
    std::array<std::uint8_t, kImageSize> img{};
    RecordView r(img.data());
    r.SetI32(10, -2);
    r.SetI16(20, 0x1234);
    EXPECT_EQ(img[10], 0xFE);
    EXPECT_EQ(img[13], 0xFF);
    EXPECT_EQ(img[20], 0x34);
    EXPECT_EQ(img[21], 0x12);
    EXPECT_EQ(r.I32(10), -2);
    EXPECT_EQ(r.I16(20), 0x1234);
}

TEST(RecordView, FieldsPastTheImageAreNeverTouched)
{
    std::array<std::uint8_t, kImageSize + 8> buffer{};
    buffer.fill(0xAB);
    RecordView r(buffer.data());
    r.SetI32(kImageSize - 2, 0);
    r.SetCounted(kImageSize - 3, 10, "abc");
    EXPECT_EQ(r.I32(kImageSize - 2), -1);
    EXPECT_EQ(r.Counted(kImageSize - 3, 10), "");
    for (std::size_t i = kImageSize - 3; i < buffer.size(); ++i)
        EXPECT_EQ(buffer[i], 0xAB) << i;
}

TEST(RecordView, CountedStringsStayInTheirField)
{
    std::array<std::uint8_t, kImageSize> img;
    img.fill(0xFF);
    PageRecord page(img.data());
    // A cleared record: length byte 255 in a 71-character field.
    EXPECT_EQ(page.Title().size(), 71u);
    EXPECT_EQ(page.Alias(), "");
    page.SetTitle(std::string(100, 'x'));
    EXPECT_EQ(page.Title(), std::string(71, 'x'));
    EXPECT_EQ(img[77], 0xFF);   // the byte after the field is untouched

    SpecialLinkRecord link(img.data());
    link.SetWindowName("Zu");
    EXPECT_EQ(link.WindowName(), "Zu");
    ConstPageRecord view(img.data());
    EXPECT_EQ(view.U8(19), 2);
}

} // namespace
} // namespace quor::records
