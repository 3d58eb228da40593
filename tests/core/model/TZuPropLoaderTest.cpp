// Properties of custom objects: the definitions of a prototype and the values
// of an instance.
#include "base/ByteWriter.h"
#include "model/TZuPropLoader.h"

#include <gtest/gtest.h>

namespace quor {
namespace {

std::vector<std::uint8_t> Text(std::int32_t count, std::string_view lines)
{
    ByteWriter w;
    w.I32(count);
    w.Text(lines);
    return std::move(w.Data());
}

std::vector<std::string> Values(const TZuPropLoader& props)
{
    std::vector<std::string> out;
    for (const auto& p : props.Properties())
        out.push_back(p.name + "=" + p.value + ":" + std::to_string(p.type));
    return out;
}

TEST(PropLoader, ReadsPairsAsFarAsTheyGo)
{
    TZuPropLoader props;
    // CR LF, lone CR and lone LF all end lines; the last line needs no ending;
    // a type that is not a number is 0; a trailing odd line is ignored.
    props.LoadDefinitions(Text(7, "Colour\r\n3\rTitle\nx\r\nLink\r\n6\r\nOdd"));
    EXPECT_EQ(Values(props), (std::vector<std::string>{"Colour=:3", "Title=:0", "Link=:6"}));

    // A count of 6 over 4 lines gives two values; names match in any case;
    // names not declared are skipped.
    props.LoadValues(Text(6, "colour\r\n#FF0000\r\nLINK\r\n12\r\n"));
    EXPECT_EQ(Values(props), (std::vector<std::string>{"Colour=#FF0000:3", "Title=:0", "Link=12:6"}));
    props.LoadValues(Text(2, "nothere\r\nx\r\n"));
    EXPECT_EQ(props.Find("link")->value, "12");

    // Fewer than 4 bytes leave the loader as it was.
    props.LoadDefinitions(std::vector<std::uint8_t>{2, 0});
    EXPECT_EQ(props.Properties().size(), 3u);
    props.LoadDefinitions(Text(-4, "a\r\n1\r\n"));
    EXPECT_TRUE(props.Properties().empty());
}

TEST(PropLoader, SavesValuesSortedByLowerCaseName)
{
    TZuPropLoader props;
    props.LoadDefinitions(Text(6, "Zeta\r\n1\r\nalpha\r\n2\r\nBeta\r\n7\r\n"));
    props.Find("BETA")->value = "83886081";
    EXPECT_EQ(props.SaveValues(), Text(6, "alpha\r\n\r\nbeta\r\n83886081\r\nzeta\r\n\r\n"));
}

TEST(PropLoader, PrototypeContentSplitsIntoListAndDefinitions)
{
    ByteWriter w;
    w.I32(8);
    w.I32(0x03000001);
    w.I32(0);
    w.Text("defs");
    const std::vector<std::uint8_t> content = std::move(w.Data());
    EXPECT_EQ(TZuPropLoader::ReferenceListOf(content), (std::vector<std::int32_t>{0x03000001, 0}));
    const auto defs = TZuPropLoader::DefinitionsOf(content);
    EXPECT_EQ(std::string(defs.begin(), defs.end()), "defs");

    // A list length beyond the content leaves no definitions and only the
    // entries present.
    const std::vector<std::uint8_t> overrun = Text(400, std::string("\x01\0\0\x03", 4));
    EXPECT_TRUE(TZuPropLoader::DefinitionsOf(overrun).empty());
    EXPECT_EQ(TZuPropLoader::ReferenceListOf(overrun), (std::vector<std::int32_t>{0x03000001}));
}

TEST(PropLoader, DecimalValues)
{
    EXPECT_EQ(TZuPropLoader::DecimalValue("83886081"), 83886081);
    EXPECT_EQ(TZuPropLoader::DecimalValue("-1"), -1);
    EXPECT_EQ(TZuPropLoader::DecimalValue(""), std::nullopt);
    EXPECT_EQ(TZuPropLoader::DecimalValue("12a"), std::nullopt);
    EXPECT_EQ(TZuPropLoader::DecimalValue("-"), std::nullopt);
}

} // namespace
} // namespace quor
