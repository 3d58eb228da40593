// ImageRecord.h: fields of the image record (kind 5, and the old click map kind 6;
// 667 bytes).
//   0 i32 content position      4 u8 sub-kind: 0 GIF, 1 other picture, 3 deleted
//   5 string[71] image name     77 i32 revision
//   85/87 i16 width/height      89 u8 alignment hint (carried)
//   94 string[75] file name     170 i32 transparency (-1 transparent GIF, -2 opaque)
//   174 i32 content length      182 30 x 16 bytes click zones
//   662 i32 origin (old click-map index, -1 none)   666 u8 0
#pragma once

#include "model/records/RecordView.h"

namespace quor::records {

template <class B>
class ImageRecordT : public RecordViewT<B> {
    using V = RecordViewT<B>;

public:
    static constexpr std::size_t kSize = 667;
    static constexpr std::size_t kContentPosition = 0;
    static constexpr std::size_t kName = 5, kNameCap = 71;
    static constexpr std::size_t kRevision = 77;
    static constexpr std::size_t kWidth = 85, kHeight = 87;
    static constexpr std::size_t kAlignment = 89;
    static constexpr std::size_t kFileName = 94, kFileNameCap = 75;
    static constexpr std::size_t kTransparency = 170;
    static constexpr std::size_t kContentLength = 174;
    static constexpr std::size_t kZones = 182, kZoneCount = 30, kZoneSize = 16;
    static constexpr std::size_t kOrigin = 662;
    static constexpr std::size_t kByte666 = 666;
    static constexpr std::uint8_t kGif = 0, kOtherPicture = 1, kDeleted = 3;

    using V::V;

    std::string Name() const { return V::Counted(kName, kNameCap); }
    std::int32_t Revision() const { return V::I32(kRevision); }
    std::int16_t Width() const { return V::I16(kWidth); }
    std::int16_t Height() const { return V::I16(kHeight); }
    std::string FileName() const { return V::Counted(kFileName, kFileNameCap); }
    std::int32_t Transparency() const { return V::I32(kTransparency); }
    std::int32_t ContentLength() const { return V::I32(kContentLength); }
    std::int32_t Origin() const { return V::I32(kOrigin); }

    void SetName(std::string_view v) const requires V::kMutable { V::SetCounted(kName, kNameCap, v); }
    void SetRevision(std::int32_t v) const requires V::kMutable { V::SetI32(kRevision, v); }
    void SetWidth(std::int16_t v) const requires V::kMutable { V::SetI16(kWidth, v); }
    void SetHeight(std::int16_t v) const requires V::kMutable { V::SetI16(kHeight, v); }
    void SetFileName(std::string_view v) const requires V::kMutable { V::SetCounted(kFileName, kFileNameCap, v); }
    void SetOrigin(std::int32_t v) const requires V::kMutable { V::SetI32(kOrigin, v); }
};

using ImageRecord = ImageRecordT<std::uint8_t>;
using ConstImageRecord = ImageRecordT<const std::uint8_t>;

} // namespace quor::records
