// Values of Office's command-bar enumerations that the stand-in answers to.
#pragma once

namespace host::mso {

// MsoControlType: the stand-in offers buttons and popups.
constexpr long ControlButton = 1;
constexpr long ControlPopup = 10;

// MsoButtonStyle
constexpr long ButtonAutomatic = 0;
constexpr long ButtonIcon = 1;
constexpr long ButtonCaption = 2;
constexpr long ButtonIconAndCaption = 3;

// MsoBarPosition
constexpr long BarLeft = 0;
constexpr long BarTop = 1;
constexpr long BarRight = 2;
constexpr long BarBottom = 3;
constexpr long BarFloating = 4;
constexpr long BarPopup = 5;

}  // namespace host::mso
