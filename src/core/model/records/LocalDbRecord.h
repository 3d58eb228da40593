// LocalDbRecord.h: fields of the local-database-object record (kind 13, 67 bytes).
//   0 i32 content position   4 u8 sub-kind (0 deleted, 7 in use)
//   13 i32 content length    17 string[15] name
//   38/42 i32 properties position/length      46 u8 0
//   47 i32 kind-5 image index                 51, 55, 59, 63 i32 link ObjectRefs
#pragma once

#include "model/records/RecordView.h"

namespace quor::records {

template <class B>
class LocalDbRecordT : public RecordViewT<B> {
    using V = RecordViewT<B>;

public:
    static constexpr std::size_t kSize = 67;
    static constexpr std::size_t kContentLength = 13;
    static constexpr std::size_t kName = 17, kNameCap = 15;
    static constexpr std::size_t kPropertiesPosition = 38;
    static constexpr std::size_t kPropertiesLength = 42;
    static constexpr std::size_t kImage = 47;
    static constexpr std::size_t kLinks = 51, kLinkCount = 4;
    static constexpr std::uint8_t kDeleted = 0, kInUse = 7;

    using V::V;

    std::string Name() const { return V::Counted(kName, kNameCap); }
    std::int32_t Image() const { return V::I32(kImage); }
    std::int32_t Link(std::size_t i) const { return i < kLinkCount ? V::I32(kLinks + 4 * i) : -1; }
    void SetName(std::string_view v) const requires V::kMutable { V::SetCounted(kName, kNameCap, v); }
    void SetImage(std::int32_t v) const requires V::kMutable { V::SetI32(kImage, v); }
    void SetLink(std::size_t i, std::int32_t v) const requires V::kMutable
    {
        if (i < kLinkCount)
            V::SetI32(kLinks + 4 * i, v);
    }
};

using LocalDbRecord = LocalDbRecordT<std::uint8_t>;
using ConstLocalDbRecord = LocalDbRecordT<const std::uint8_t>;

} // namespace quor::records
