// SpecialLinkRecord.h: fields of the special-link record (kind 10, 47 bytes).
//   0 i32 content position    4 u8 sub-kind: 0 deleted, 1 jump, 2 close window,
//   5 i32 content length           3 keywords window, 4 previous, 5 next, 6 auto import
//   9 i32 anchor number (-1)  13 i32 target ObjectRef (-1)
//   17 u8 target kind: 0 page, 1 frame set
//   18 u8 action 0..6         19 string[19] frame or window name
//   39/43 i32 properties position/length
#pragma once

#include "model/records/RecordView.h"

namespace quor::records {

template <class B>
class SpecialLinkRecordT : public RecordViewT<B> {
    using V = RecordViewT<B>;

public:
    static constexpr std::size_t kSize = 47;
    static constexpr std::size_t kContentLength = 5;
    static constexpr std::size_t kAnchor = 9;
    static constexpr std::size_t kTarget = 13;
    static constexpr std::size_t kTargetKind = 17;
    static constexpr std::size_t kAction = 18;
    static constexpr std::size_t kWindowName = 19, kWindowNameCap = 19;
    static constexpr std::size_t kPropertiesPosition = 39;
    static constexpr std::size_t kPropertiesLength = 43;
    static constexpr std::uint8_t kDeleted = 0, kJump = 1, kCloseWindow = 2, kKeywordsWindow = 3, kPreviousPage = 4,
                                  kNextPage = 5, kAutoImport = 6;

    using V::V;

    std::int32_t Anchor() const { return V::I32(kAnchor); }
    std::int32_t Target() const { return V::I32(kTarget); }
    std::uint8_t TargetKind() const { return V::U8(kTargetKind); }
    std::uint8_t Action() const { return V::U8(kAction); }
    std::string WindowName() const { return V::Counted(kWindowName, kWindowNameCap); }

    void SetAnchor(std::int32_t v) const requires V::kMutable { V::SetI32(kAnchor, v); }
    void SetTarget(std::int32_t v) const requires V::kMutable { V::SetI32(kTarget, v); }
    void SetTargetKind(std::uint8_t v) const requires V::kMutable { V::SetU8(kTargetKind, v); }
    void SetAction(std::uint8_t v) const requires V::kMutable { V::SetU8(kAction, v); }
    void SetWindowName(std::string_view v) const requires V::kMutable { V::SetCounted(kWindowName, kWindowNameCap, v); }
};

using SpecialLinkRecord = SpecialLinkRecordT<std::uint8_t>;
using ConstSpecialLinkRecord = SpecialLinkRecordT<const std::uint8_t>;

} // namespace quor::records
