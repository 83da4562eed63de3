// A drop-down list of named colours, each drawn with a swatch of its colour; item data is the COLORREF.
#pragma once

#include <windows.h>

#include <array>

#include "framework/ComboBox.h"

struct ColorChoice {
    const wchar_t* name;
    COLORREF color;  // 0x00BBGGRR
};

// The colours offered, in the order they are added.
const std::array<ColorChoice, 35>& ColorChoices();

class CColorPickerCB : public framework::CComboBox {
public:
    // Replaces the items with the colour choices; the list sorts them by name.
    void FillColors();
    // The current item's colour, or 0 when no item is current.
    COLORREF GetSelectedColor() const;

protected:
    void DrawItem(const DRAWITEMSTRUCT& item) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
