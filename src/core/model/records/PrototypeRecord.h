// PrototypeRecord.h: fields of the custom-object prototype record (kind 12, 80 bytes).
//   0 i32 content position   4 u8 sub-kind (0 deleted, 1 in use)
//   13 i32 content length    17 string[40] name
//   59 u8 offered in the custom-component menu when not 0
//   72/76 i32 properties position/length
#pragma once

#include "model/records/RecordView.h"

namespace quor::records {

template <class B>
class PrototypeRecordT : public RecordViewT<B> {
    using V = RecordViewT<B>;

public:
    static constexpr std::size_t kSize = 80;
    static constexpr std::size_t kContentLength = 13;
    static constexpr std::size_t kName = 17, kNameCap = 40;
    static constexpr std::size_t kInMenu = 59;
    static constexpr std::size_t kPropertiesPosition = 72;
    static constexpr std::size_t kPropertiesLength = 76;

    using V::V;

    std::string Name() const { return V::Counted(kName, kNameCap); }
    bool InMenu() const { return V::U8(kInMenu) != 0; }
    void SetName(std::string_view v) const requires V::kMutable { V::SetCounted(kName, kNameCap, v); }
    void SetInMenu(bool v) const requires V::kMutable { V::SetU8(kInMenu, v ? 1 : 0); }
};

using PrototypeRecord = PrototypeRecordT<std::uint8_t>;
using ConstPrototypeRecord = PrototypeRecordT<const std::uint8_t>;

} // namespace quor::records
