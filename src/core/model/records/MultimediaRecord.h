// MultimediaRecord.h: fields of the multimedia record (kind 24, 46 bytes).
//   0 i32 content position (-1 none)   4 u8 sub-kind: 1, 2 sound; 3, 4 video;
//   13 i32 content length (-1 none)         5 embedded program; 6 custom instance
//   17 i32 media ObjectRef (kind 3 file, or kind 12 prototype for sub-kind 6)
//   21 i32 alternative image   25 u8 action (0 buttons, 1 loop)   27 i16 loop count
//   33/35 i16 width/height     37 u8 percent   38/42 i32 properties position/length
#pragma once

#include "model/records/RecordView.h"

namespace quor::records {

template <class B>
class MultimediaRecordT : public RecordViewT<B> {
    using V = RecordViewT<B>;

public:
    static constexpr std::size_t kSize = 46;
    static constexpr std::size_t kContentLength = 13;
    static constexpr std::size_t kMedia = 17;
    static constexpr std::size_t kAlternativeImage = 21;
    static constexpr std::size_t kAction = 25;
    static constexpr std::size_t kLoopCount = 27;
    static constexpr std::size_t kWidth = 33, kHeight = 35;
    static constexpr std::size_t kPercent = 37;
    static constexpr std::size_t kPropertiesPosition = 38;
    static constexpr std::size_t kPropertiesLength = 42;
    static constexpr std::uint8_t kEmbeddedProgram = 5, kCustomInstance = 6;

    using V::V;

    std::int32_t Media() const { return V::I32(kMedia); }
    std::int32_t AlternativeImage() const { return V::I32(kAlternativeImage); }
    std::uint8_t Action() const { return V::U8(kAction); }
    std::int16_t LoopCount() const { return V::I16(kLoopCount); }
    std::int16_t Width() const { return V::I16(kWidth); }
    std::int16_t Height() const { return V::I16(kHeight); }
    bool Percent() const { return V::U8(kPercent) == 1; }
    // Sounds and videos refer to an attached file; the prototype and embedded
    // program forms do not.
    bool MediaIsFile() const
    {
        return V::SubKind() != kEmbeddedProgram && V::SubKind() != kCustomInstance;
    }

    void SetMedia(std::int32_t v) const requires V::kMutable { V::SetI32(kMedia, v); }
    void SetAlternativeImage(std::int32_t v) const requires V::kMutable { V::SetI32(kAlternativeImage, v); }
};

using MultimediaRecord = MultimediaRecordT<std::uint8_t>;
using ConstMultimediaRecord = MultimediaRecordT<const std::uint8_t>;

} // namespace quor::records
