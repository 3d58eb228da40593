// TZuPropLoader.h: the typed properties of a custom object: the definitions a
// prototype (kind 12) declares and the values an instance (kind 24, sub-kind 6)
// holds. Both texts are an i32 line count followed by lines ended by CR LF (a
// lone CR or LF also ends a line); lines go in pairs: name and type for a
// definition, lower-case name and value for a value.
//
// Short or damaged texts are read as far as they go: a count above the lines
// present is cut down, a trailing odd line is ignored, fewer than 4 bytes give
// nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quor {

class TUVAoggetto;

class TZuPropLoader {
public:
    // Types whose value is the decimal ObjectRef of an object of the document.
    static constexpr int kPageType = 6;
    static constexpr int kImageType = 7;
    static constexpr int kFileType = 8;

    struct TProp {
        int type = 0;
        std::string name;   // as declared
        std::string value;
    };

    // With at least 4 bytes: forgets every property, then declares those of the
    // definitions text, each with an empty value.
    void LoadDefinitions(std::span<const std::uint8_t> definitions);
    // With at least 4 bytes: sets the value of each declared property named in
    // the values text (names compared in lower case); other names are skipped.
    void LoadValues(std::span<const std::uint8_t> values);
    // The values text of every property, sorted by lower-case name.
    std::vector<std::uint8_t> SaveValues() const;

    // First property whose lower-case name equals the lower-case `name`.
    TProp* Find(std::string_view name);
    std::vector<TProp>& Properties() { return m_props; }
    const std::vector<TProp>& Properties() const { return m_props; }

    // The definitions part of a prototype's content: what follows its i32
    // list length and the list of ObjectRefs. Empty when the list overruns.
    static std::span<const std::uint8_t> DefinitionsOf(std::span<const std::uint8_t> prototypeContent);
    // The ObjectRefs of a prototype's reference list (those that fit).
    static std::vector<std::int32_t> ReferenceListOf(std::span<const std::uint8_t> prototypeContent);
    // A property value read as a decimal number; nullopt when it is not one.
    static std::optional<std::int64_t> DecimalValue(std::string_view value);

private:
    std::vector<TProp> m_props;
};

} // namespace quor
