// Values of Excel's enumerations that the stand-in answers to.
#pragma once

#include <cstddef>

namespace host::xl {

// XlCalculation
constexpr long CalculationAutomatic = -4105;
constexpr long CalculationManual = -4135;
constexpr long CalculationSemiautomatic = 2;

// XlOrientation: text that runs across
constexpr long Horizontal = -4128;

// XlHAlign and XlVAlign
constexpr long HAlignGeneral = 1;
constexpr long HAlignLeft = -4131;
constexpr long HAlignCenter = -4108;
constexpr long HAlignRight = -4152;
constexpr long HAlignFill = 5;
constexpr long HAlignJustify = -4130;
constexpr long HAlignCenterAcrossSelection = 7;
constexpr long HAlignDistributed = -4117;
constexpr long VAlignTop = -4160;
constexpr long VAlignCenter = -4108;
constexpr long VAlignBottom = -4107;
constexpr long VAlignJustify = -4130;
constexpr long VAlignDistributed = -4117;

// XlColorIndex
constexpr long ColorIndexNone = -4142;
constexpr long PatternSolid = 1;

// The Color of a cell without fill.
constexpr long NoFillColor = 0xFFFFFF;

// CVErr codes of the error values
constexpr int ErrNull = 2000;
constexpr int ErrDiv0 = 2007;
constexpr int ErrValue = 2015;
constexpr int ErrRef = 2023;
constexpr int ErrName = 2029;
constexpr int ErrNum = 2036;
constexpr int ErrNA = 2042;

// Standard width of a column, in characters of the default font.
constexpr double StandardColumnWidth = 8.43;
constexpr double MaxColumnWidth = 255.0;

// The longest text a cell holds.
constexpr std::size_t MaxCellTextLength = 32767;

}  // namespace host::xl
