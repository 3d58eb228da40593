// Version1Converter.h: turns page text of the first file version (text-format
// byte 1) into the current markup. The caller (the page object) replaces its
// content with the result and sets its text-format byte to 2.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quor {

// What the conversion needs of the document. References are 32-bit object
// references (kind in the top byte, index below); -1 is none.
class IVersion1Objects {
public:
    virtual ~IVersion1Objects() = default;

    virtual std::int32_t PageTextColour() const = 0;
    virtual std::int32_t PageLinkColour() const = 0;

    // True when the reference names a live object.
    virtual bool Exists(std::int32_t ref) const = 0;
    // The object an old attached file (kind 2) was converted into; -1 when none.
    virtual std::int32_t ConvertedAttachment(std::int32_t ref) = 0;
    // Makes an image placement (kind 16) from an image or old click map (kind 5
    // or 6), registers it and returns its reference; -1 when that is not possible.
    virtual std::int32_t MakePlacement(std::int32_t ref) = 0;
    // For a form input (kind 20) with a sub-kind from 10 to 14: registers a copy
    // of kind 11 with the same sub-kind, clears the old object and returns the
    // copy's reference. -1 for any other input (its tag is then copied).
    virtual std::int32_t ConvertFormInput(std::int32_t ref) = 0;

    struct TableShape {
        int rows = 0;
        int columns = 0;
        int alignment = 0; // alignment byte of the table record
    };
    // Shape of a table (kind 8); nullopt when the reference names none.
    virtual std::optional<TableShape> Table(std::int32_t ref) const = 0;
};

class Version1Converter {
public:
    // The converted markup, ending with one NUL byte. The old text ends at its
    // first NUL or at its end.
    static std::string Convert(std::string_view oldText, IVersion1Objects& objects);
};

} // namespace quor
