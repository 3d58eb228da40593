// PlacementRecord.h: fields of the image-placement record (kind 16, 553 bytes).
//   0 i32 image index (kind 5, -1)   4 u8 state (0 deleted, 1 in use)
//   5 i32 low-resolution image       9 i32 roll-over image
//   13 u8 vertical alignment         14 u8 border
//   15/17 i16 natural size           19/21 i16 displayed size
//   23 u8 sizes in percent           24 i32 carried (0xFF0000 or -1)
//   28 string[32] name               61/65 i32 properties position/length
//   69 i32 -1                        73 30 x 16 bytes click zones; each zone
//                                       starts with the i32 ObjectRef of its target
#pragma once

#include "model/records/RecordView.h"

namespace quor::records {

template <class B>
class PlacementRecordT : public RecordViewT<B> {
    using V = RecordViewT<B>;

public:
    static constexpr std::size_t kSize = 553;
    static constexpr std::size_t kImage = 0;
    static constexpr std::size_t kLowResImage = 5;
    static constexpr std::size_t kRollOverImage = 9;
    static constexpr std::size_t kAlignment = 13;
    static constexpr std::size_t kBorder = 14;
    static constexpr std::size_t kNaturalWidth = 15, kNaturalHeight = 17;
    static constexpr std::size_t kWidth = 19, kHeight = 21;
    static constexpr std::size_t kPercent = 23;
    static constexpr std::size_t kName = 28, kNameCap = 32;
    static constexpr std::size_t kPropertiesPosition = 61;
    static constexpr std::size_t kPropertiesLength = 65;
    static constexpr std::size_t kZones = 73, kZoneCount = 30, kZoneSize = 16;
    static constexpr std::uint8_t kDeleted = 0, kInUse = 1;

    using V::V;

    std::int32_t Image() const { return V::I32(kImage); }
    std::int32_t LowResImage() const { return V::I32(kLowResImage); }
    std::int32_t RollOverImage() const { return V::I32(kRollOverImage); }
    std::uint8_t Alignment() const { return V::U8(kAlignment); }
    bool Border() const { return V::U8(kBorder) == 1; }
    std::int16_t NaturalWidth() const { return V::I16(kNaturalWidth); }
    std::int16_t NaturalHeight() const { return V::I16(kNaturalHeight); }
    std::int16_t Width() const { return V::I16(kWidth); }
    std::int16_t Height() const { return V::I16(kHeight); }
    bool Percent() const { return V::U8(kPercent) == 1; }
    std::string Name() const { return V::Counted(kName, kNameCap); }
    std::int32_t ZoneTarget(std::size_t zone) const
    {
        return zone < kZoneCount ? V::I32(kZones + kZoneSize * zone) : -1;
    }

    void SetImage(std::int32_t v) const requires V::kMutable { V::SetI32(kImage, v); }
    void SetLowResImage(std::int32_t v) const requires V::kMutable { V::SetI32(kLowResImage, v); }
    void SetRollOverImage(std::int32_t v) const requires V::kMutable { V::SetI32(kRollOverImage, v); }
    void SetName(std::string_view v) const requires V::kMutable { V::SetCounted(kName, kNameCap, v); }
    void SetZoneTarget(std::size_t zone, std::int32_t v) const requires V::kMutable
    {
        if (zone < kZoneCount)
            V::SetI32(kZones + kZoneSize * zone, v);
    }
};

using PlacementRecord = PlacementRecordT<std::uint8_t>;
using ConstPlacementRecord = PlacementRecordT<const std::uint8_t>;

} // namespace quor::records
