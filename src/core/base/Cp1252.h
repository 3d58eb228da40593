// Cp1252.h: conversion between the documents' Windows-1252 bytes and UTF-8.
// Document text stays 8-bit everywhere in the core; only the screen's edge and
// the command line's output convert.
#pragma once

#include <string>
#include <string_view>

namespace quor {

// Unicode code point of a Windows-1252 byte. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value.
char32_t Cp1252ToUnicode(unsigned char c);

// Windows-1252 byte for a code point; `fallback` when the code page has none.
unsigned char UnicodeToCp1252(char32_t u, unsigned char fallback = '?');

std::string Cp1252ToUtf8(std::string_view bytes);

// Malformed UTF-8 sequences and characters outside the code page become `fallback`.
std::string Utf8ToCp1252(std::string_view utf8, unsigned char fallback = '?');

} // namespace quor
