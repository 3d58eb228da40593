// Units.h: conversion of paragraph measures between the six display units.
// Measures are stored in pixels; the other units are single-precision values.
#pragma once

namespace quor {

// Unit codes as stored in a style record and in the markup's M attribute.
enum MeasureUnit : int {
    kUnitCentimetres = 0,
    kUnitMillimetres = 1,
    kUnitInches = 2,
    kUnitPoints = 3,
    kUnitPicas = 4, // a pica is 6 points here (12 per inch); documents rely on it
    kUnitPixels = 5,
};

// Pixels per inch of the screen, read once at start; 96 until set.
int ScreenPixelsPerInch();
void SetScreenPixelsPerInch(int ppi); // values below 1 are ignored

// Converts x from unit `from` to unit `to` through millimetres or points.
// A unit code outside 0..5 (possible in damaged markup) is taken as pixels,
// and a ppi below 1 as 96, so no conversion divides by zero.
float ConvertUnit(float x, int from, int to, int ppi);
float ConvertUnit(float x, int from, int to); // with ScreenPixelsPerInch()

// Pixels for a value in `unit`, rounded to the nearest integer, ties to even.
int UnitToPixels(float x, int unit, int ppi);
int UnitToPixels(float x, int unit);

// Value of a pixel measure in `unit`.
float PixelsToUnit(int pixels, int unit, int ppi);
float PixelsToUnit(int pixels, int unit);

} // namespace quor
