// QuorText.h: conversion of the program's Windows-1252 texts at the screen's edge.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace quor {

// Windows-1252 bytes to a screen text; CR LF and lone CR become line feeds.
QString ScreenText(std::string_view cp1252);

// A screen text back to Windows-1252 (characters outside the code page become "?").
std::string Cp1252Text(const QString& text);

} // namespace quor
