// Office's command bars, as the legacy menu uses them.
#pragma once

#include <string>
#include <string_view>

#include "sheet/DispatchWrapper.h"

namespace sheet {

class CommandBarControls;

class CommandBarControl : public DispatchWrapper {
public:
    using DispatchWrapper::DispatchWrapper;
    void SetBeginGroup(bool begin) const;
    std::wstring Caption() const;
    void SetCaption(std::wstring_view caption) const;
    void Delete(bool temporary) const;
    void SetEnabled(bool enabled) const;
    void SetVisible(bool visible) const;
    std::wstring Tag() const;
    void SetTag(std::wstring_view tag) const;
    void SetTooltipText(std::wstring_view text) const;
};

// Office's msoButtonStyle values.
enum class ButtonStyle : long { Icon = 1, Caption = 2, IconAndCaption = 3 };

class CommandBarButton : public CommandBarControl {
public:
    using CommandBarControl::CommandBarControl;
    void SetStyle(ButtonStyle style) const;
    // One of Office's own faces, by number.
    void SetFaceId(long face) const;
    // The face through the clipboard, in the formats Office registers for it.
    void CopyFace() const;
    void PasteFace() const;
    // Pictures (IPictureDisp); Office 2002 and later.
    void SetPicture(IDispatch* picture) const;
    void SetMask(IDispatch* mask) const;
};

class CommandBarPopup : public CommandBarControl {
public:
    using CommandBarControl::CommandBarControl;
    CommandBarControls Controls() const;
};

class CommandBarControls : public DispatchWrapper {
public:
    using DispatchWrapper::DispatchWrapper;
    // Type, Id, Parameter, Before and Temporary; the ones left out travel as missing.
    CommandBarControl Add(Variant type, Variant id, Variant parameter, Variant before, Variant temporary) const;
    long Count() const;
    CommandBarControl Item(std::wstring_view caption) const;
    CommandBarControl Item(long index) const;
};

class CommandBar : public DispatchWrapper {
public:
    using DispatchWrapper::DispatchWrapper;
    CommandBarControls Controls() const;
    void Delete() const;
    void SetVisible(bool visible) const;
};

class CommandBars : public DispatchWrapper {
public:
    using DispatchWrapper::DispatchWrapper;
    CommandBar Item(std::wstring_view name) const;
    CommandBar Item(long index) const;
    CommandBar ActiveMenuBar() const;
    CommandBar Add(Variant name, Variant position, Variant menuBar, Variant temporary) const;
};

}  // namespace sheet
