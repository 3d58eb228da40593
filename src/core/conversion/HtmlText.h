// HtmlText.h: the small text rules of the web export: hexadecimal names and
// colours, escaping where text lands in HTML (body text, attribute values,
// script strings, style-sheet comments) and the reduction of every name taken
// from a document to a safe base file name.
//
// All text is Windows-1252 bytes, as in the document.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quor::html {

// The number written as exactly six lower-case hexadecimal digits (its six
// lowest digits).
std::string Hex6(std::uint32_t n);

// A colour value (0x00BBGGRR) as six upper-case hexadecimal digits red, green,
// blue. System colours (0x800000nn) give the usual face of that system colour.
std::string ColourHex(std::int32_t colour);

// Appends one character of page text as the body writer writes it: "&amp;",
// "&lt;", "&gt;"; characters 1..31 dropped; 160..251 as named entities
// (175 is "&macr;"); every other character unchanged.
void AppendTextChar(std::string& out, unsigned char c);

// Text between tags (a title): "&", "<" and ">" escaped, nothing else changed.
std::string EscapeText(std::string_view s);

// A value inside a double-quoted attribute: "&", "<", ">" and the quotation
// mark escaped. Used for everything the document stores and the writer puts
// into an attribute (names, values, URLs, META contents).
std::string EscapeAttribute(std::string_view s);

// Titles, alternative texts and window names made safe for attributes: the
// quotation mark becomes character 148, the apostrophe character 146; "<",
// ">", 127, 0..31, "#", "$", "%" and "&" become spaces.
std::string MakeAttributeSafe(std::string_view s);

// A URL taken from the document placed inside a single-quoted script string
// that itself stands in a double-quoted attribute: the apostrophe and the
// backslash are percent-encoded, then the attribute escaping applies.
std::string EscapeScriptUrl(std::string_view s);

// A style name inside a "/* ... */" comment: "*/" can no longer close it.
std::string CssCommentSafe(std::string_view s);

// A name from the document reduced to a plain file name that stays inside the
// folder it is written to: any folder part ("/" or "\\") is dropped; control
// characters and the characters that are special in paths, URLs or the
// writer's script strings (: * ? " < > | # % ') become "_"; leading and
// trailing blanks and dots are removed ("..", "." and names made only of dots
// or blanks come out empty).
std::string SafeBaseName(std::string_view name);

// The extension of a stored file name (from its last "." on, of the base name
// only), reduced like SafeBaseName; empty when there is none.
std::string SafeExtension(std::string_view name);

// ASCII lower case (Windows-1252 letters above 127 are left as they are).
std::string LowerAscii(std::string_view s);

} // namespace quor::html
