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
};

class CommandBarButton : public CommandBarControl {
public:
    using CommandBarControl::CommandBarControl;
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
