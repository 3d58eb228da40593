// TableRecord.h: fields of the table record (kind 8, 220 bytes) that the file
// format and the legacy corrections touch; the layout fields proper belong to
// the table code.
//   4 u8 sub-kind (0 deleted, 2 in use)   5 50 x u8 column width kinds (0 percent)
//   55 u8 width mode (1 percent)          56 i16 fixed table width
//   58/62 i32 properties position/length  81 i32 content present (0 = none)
//   85 u16 content length                 93/94 u8 rows/columns
//   97 50 x i16 column widths             219 u8 cell-background format (1 old, 2)
//
// Compatibility: the content length at 85 is a 16-bit field. Older writers
// stored it signed, so a table of 8192 or more cells (32768+ bytes of cell
// backgrounds) came out negative. The reader takes the field as unsigned, which
// recovers those tables; 0xFFFF (a cleared field, never a multiple of 4) means
// no block.
#pragma once

#include "model/records/RecordView.h"

namespace quor::records {

template <class B>
class TableRecordT : public RecordViewT<B> {
    using V = RecordViewT<B>;

public:
    static constexpr std::size_t kSize = 220;
    static constexpr std::size_t kColumnKinds = 5, kMaxColumns = 50;
    static constexpr std::size_t kWidthMode = 55;
    static constexpr std::size_t kFixedWidth = 56;
    static constexpr std::size_t kPropertiesPosition = 58;
    static constexpr std::size_t kPropertiesLength = 62;
    static constexpr std::size_t kContentPresent = 81;
    static constexpr std::size_t kContentLength = 85;
    static constexpr std::size_t kRows = 93, kColumns = 94;
    static constexpr std::size_t kColumnWidths = 97;
    static constexpr std::size_t kCellFormat = 219;
    static constexpr std::uint8_t kDeleted = 0, kInUse = 2;
    // Largest content the 16-bit length field can describe.
    static constexpr std::size_t kMaxContentLength = 0xFFFE;

    using V::V;

    std::uint8_t ColumnKind(std::size_t col) const { return col < kMaxColumns ? V::U8(kColumnKinds + col) : 0; }
    std::uint8_t WidthMode() const { return V::U8(kWidthMode); }
    std::int16_t FixedWidth() const { return V::I16(kFixedWidth); }
    std::uint8_t Rows() const { return V::U8(kRows); }
    std::uint8_t Columns() const { return V::U8(kColumns); }
    std::int16_t ColumnWidth(std::size_t col) const { return col < kMaxColumns ? V::I16(kColumnWidths + 2 * col) : 0; }
    std::uint8_t CellFormat() const { return V::U8(kCellFormat); }
    // Length of the content block: none (-1) when the presence field is 0 or the
    // length field holds 0xFFFF.
    std::int32_t ContentLength() const
    {
        if (V::I32(kContentPresent) == 0)
            return 0;
        const auto raw = static_cast<std::uint16_t>(V::I16(kContentLength));
        return raw == 0xFFFF ? -1 : static_cast<std::int32_t>(raw);
    }

    void SetColumnKind(std::size_t col, std::uint8_t v) const requires V::kMutable
    {
        if (col < kMaxColumns)
            V::SetU8(kColumnKinds + col, v);
    }
    void SetWidthMode(std::uint8_t v) const requires V::kMutable { V::SetU8(kWidthMode, v); }
    void SetFixedWidth(std::int16_t v) const requires V::kMutable { V::SetI16(kFixedWidth, v); }
    void SetColumnWidth(std::size_t col, std::int16_t v) const requires V::kMutable
    {
        if (col < kMaxColumns)
            V::SetI16(kColumnWidths + 2 * col, v);
    }
    void SetCellFormat(std::uint8_t v) const requires V::kMutable { V::SetU8(kCellFormat, v); }
    // Stores a content length of at most kMaxContentLength.
    void SetContentLength(std::size_t n) const requires V::kMutable
    {
        V::SetI16(kContentLength, static_cast<std::int16_t>(static_cast<std::uint16_t>(n)));
    }
};

using TableRecord = TableRecordT<std::uint8_t>;
using ConstTableRecord = TableRecordT<const std::uint8_t>;

} // namespace quor::records
