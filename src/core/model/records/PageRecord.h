// PageRecord.h: fields of the page record (kind 0, 292 bytes stored).
//
//   Offset Width Field
//   0      i32   text position (data area)        185 i32  text length
//   4      u8    state: 0 in use, 3 deleted       189 u8   1 = not in browse sequence
//   5      s[71] title                            191 i16  language
//   77     i16   browse-sequence group            195 u8   text format: 1 legacy, 2 markup
//   79     i16   order in the group               196 i32  revision
//   81     i32   frame hosting (>=0 map, -1, -2)  200 s[20] page identifier
//   85     i32   background image (kind 5)        221 i16  slide delay (s)
//   89..101      text, link, visited, background  223 i32  unnamed (-1)
//                colours                          227 i32  next slide; 231/235 header/footer page
//   105    20 x i32 keyword indexes (-1 empty)    239/243 i32 properties position/length
//   247    s[40] HTML alias                       288 u8   fixed background
#pragma once

#include "model/records/RecordView.h"

namespace quor::records {

template <class B>
class PageRecordT : public RecordViewT<B> {
    using V = RecordViewT<B>;

public:
    static constexpr std::size_t kSize = 292;
    static constexpr std::size_t kTextPosition = 0;
    static constexpr std::size_t kState = 4;
    static constexpr std::size_t kTitle = 5, kTitleCap = 71;
    static constexpr std::size_t kGroup = 77;
    static constexpr std::size_t kOrder = 79;
    static constexpr std::size_t kFrameHosting = 81;
    static constexpr std::size_t kBackgroundImage = 85;
    static constexpr std::size_t kTextColour = 89;
    static constexpr std::size_t kLinkColour = 93;
    static constexpr std::size_t kVisitedColour = 97;
    static constexpr std::size_t kBackgroundColour = 101;
    static constexpr std::size_t kKeywords = 105, kKeywordSlots = 20;
    static constexpr std::size_t kTextLength = 185;
    static constexpr std::size_t kNotInBrowse = 189;
    static constexpr std::size_t kLanguage = 191;
    static constexpr std::size_t kTextFormat = 195;
    static constexpr std::size_t kRevision = 196;
    static constexpr std::size_t kPageId = 200, kPageIdCap = 20;
    static constexpr std::size_t kSlideDelay = 221;
    static constexpr std::size_t kUnnamed223 = 223;
    static constexpr std::size_t kNextSlide = 227;
    static constexpr std::size_t kHeaderPage = 231;
    static constexpr std::size_t kFooterPage = 235;
    static constexpr std::size_t kPropertiesPosition = 239;
    static constexpr std::size_t kPropertiesLength = 243;
    static constexpr std::size_t kAlias = 247, kAliasCap = 40;
    static constexpr std::size_t kFixedBackground = 288;

    static constexpr std::uint8_t kInUse = 0, kDeleted = 3;
    static constexpr std::uint8_t kLegacyText = 1, kMarkupText = 2;

    using V::V;

    std::uint8_t State() const { return V::U8(kState); }
    std::string Title() const { return V::Counted(kTitle, kTitleCap); }
    std::int16_t Group() const { return V::I16(kGroup); }
    std::int16_t Order() const { return V::I16(kOrder); }
    std::int32_t FrameHosting() const { return V::I32(kFrameHosting); }
    std::int32_t BackgroundImage() const { return V::I32(kBackgroundImage); }
    std::uint32_t TextColour() const { return V::U32(kTextColour); }
    std::uint32_t LinkColour() const { return V::U32(kLinkColour); }
    std::uint32_t VisitedColour() const { return V::U32(kVisitedColour); }
    std::uint32_t BackgroundColour() const { return V::U32(kBackgroundColour); }
    std::int32_t Keyword(std::size_t slot) const { return slot < kKeywordSlots ? V::I32(kKeywords + 4 * slot) : -1; }
    std::int32_t TextLength() const { return V::I32(kTextLength); }
    bool NotInBrowseSequence() const { return V::U8(kNotInBrowse) == 1; }
    std::int16_t Language() const { return V::I16(kLanguage); }
    std::uint8_t TextFormat() const { return V::U8(kTextFormat); }
    std::int32_t Revision() const { return V::I32(kRevision); }
    std::string PageId() const { return V::CountedOrEmpty(kPageId, kPageIdCap); }
    std::int16_t SlideDelay() const { return V::I16(kSlideDelay); }
    std::int32_t NextSlide() const { return V::I32(kNextSlide); }
    std::int32_t HeaderPage() const { return V::I32(kHeaderPage); }
    std::int32_t FooterPage() const { return V::I32(kFooterPage); }
    // A length byte of 255 (cleared record) reads as no alias.
    std::string Alias() const { return V::CountedOrEmpty(kAlias, kAliasCap); }
    bool FixedBackground() const { return V::U8(kFixedBackground) == 1; }

    void SetState(std::uint8_t v) const requires V::kMutable { V::SetU8(kState, v); }
    void SetTitle(std::string_view v) const requires V::kMutable { V::SetCounted(kTitle, kTitleCap, v); }
    void SetGroup(std::int16_t v) const requires V::kMutable { V::SetI16(kGroup, v); }
    void SetOrder(std::int16_t v) const requires V::kMutable { V::SetI16(kOrder, v); }
    void SetFrameHosting(std::int32_t v) const requires V::kMutable { V::SetI32(kFrameHosting, v); }
    void SetBackgroundImage(std::int32_t v) const requires V::kMutable { V::SetI32(kBackgroundImage, v); }
    void SetKeyword(std::size_t slot, std::int32_t v) const requires V::kMutable
    {
        if (slot < kKeywordSlots)
            V::SetI32(kKeywords + 4 * slot, v);
    }
    void SetLanguage(std::int16_t v) const requires V::kMutable { V::SetI16(kLanguage, v); }
    void SetTextFormat(std::uint8_t v) const requires V::kMutable { V::SetU8(kTextFormat, v); }
    void SetRevision(std::int32_t v) const requires V::kMutable { V::SetI32(kRevision, v); }
    void SetPageId(std::string_view v) const requires V::kMutable { V::SetCounted(kPageId, kPageIdCap, v); }
    void SetSlideDelay(std::int16_t v) const requires V::kMutable { V::SetI16(kSlideDelay, v); }
    void SetNextSlide(std::int32_t v) const requires V::kMutable { V::SetI32(kNextSlide, v); }
    void SetHeaderPage(std::int32_t v) const requires V::kMutable { V::SetI32(kHeaderPage, v); }
    void SetFooterPage(std::int32_t v) const requires V::kMutable { V::SetI32(kFooterPage, v); }
    void SetAlias(std::string_view v) const requires V::kMutable { V::SetCounted(kAlias, kAliasCap, v); }
};

using PageRecord = PageRecordT<std::uint8_t>;
using ConstPageRecord = PageRecordT<const std::uint8_t>;

} // namespace quor::records
