#include "sheet/CommandBars.h"

#include "sheet/Dispids.h"

namespace sheet {

void CommandBarControl::SetBeginGroup(bool begin) const {
    Put(dispid::ControlBeginGroup, L"CommandBarControl.BeginGroup", Variant::Bool(begin));
}

std::wstring CommandBarControl::Caption() const {
    return GetString(dispid::ControlCaption, L"CommandBarControl.Caption");
}

void CommandBarControl::SetCaption(std::wstring_view caption) const {
    Put(dispid::ControlCaption, L"CommandBarControl.Caption", Variant::String(caption));
}

void CommandBarControl::Delete(bool temporary) const {
    Invoke(dispid::ControlDelete, CallKind::Method, L"CommandBarControl.Delete", {Variant::Bool(temporary)});
}

void CommandBarControl::SetEnabled(bool enabled) const {
    Put(dispid::ControlEnabled, L"CommandBarControl.Enabled", Variant::Bool(enabled));
}

void CommandBarControl::SetVisible(bool visible) const {
    Put(dispid::ControlVisible, L"CommandBarControl.Visible", Variant::Bool(visible));
}

std::wstring CommandBarControl::Tag() const { return GetString(dispid::ControlTag, L"CommandBarControl.Tag"); }

void CommandBarControl::SetTag(std::wstring_view tag) const {
    Put(dispid::ControlTag, L"CommandBarControl.Tag", Variant::String(tag));
}

void CommandBarControl::SetTooltipText(std::wstring_view text) const {
    Put(dispid::ControlTooltipText, L"CommandBarControl.TooltipText", Variant::String(text));
}

void CommandBarButton::SetStyle(ButtonStyle style) const {
    Put(dispid::ButtonStyle, L"CommandBarButton.Style", Variant::Long(static_cast<long>(style)));
}

void CommandBarButton::CopyFace() const {
    Invoke(dispid::ButtonCopyFace, CallKind::Method, L"CommandBarButton.CopyFace");
}

void CommandBarButton::PasteFace() const {
    Invoke(dispid::ButtonPasteFace, CallKind::Method, L"CommandBarButton.PasteFace");
}

void CommandBarButton::SetFaceId(long face) const {
    Put(dispid::ButtonFaceId, L"CommandBarButton.FaceId", Variant::Long(face));
}

void CommandBarButton::SetPicture(IDispatch* picture) const {
    Put(dispid::ButtonPicture, L"CommandBarButton.Picture", Variant::Object(picture));
}

void CommandBarButton::SetMask(IDispatch* mask) const {
    Put(dispid::ButtonMask, L"CommandBarButton.Mask", Variant::Object(mask));
}

CommandBarControls CommandBarPopup::Controls() const {
    return GetObject<CommandBarControls>(dispid::PopupControls, L"CommandBarPopup.Controls");
}

CommandBarControl CommandBarControls::Add(Variant type, Variant id, Variant parameter, Variant before,
                                          Variant temporary) const {
    return ObjectOf<CommandBarControl>(
        Invoke(dispid::ControlsAdd, CallKind::Method, L"CommandBarControls.Add",
               {std::move(type), std::move(id), std::move(parameter), std::move(before), std::move(temporary)}));
}

long CommandBarControls::Count() const { return GetLong(dispid::ControlsCount, L"CommandBarControls.Count"); }

CommandBarControl CommandBarControls::Item(std::wstring_view caption) const {
    return ObjectOf<CommandBarControl>(
        Invoke(dispid::DefaultMember, CallKind::Get, L"CommandBarControls.Item", {Variant::String(caption)}));
}

CommandBarControl CommandBarControls::Item(long index) const {
    return ObjectOf<CommandBarControl>(
        Invoke(dispid::DefaultMember, CallKind::Get, L"CommandBarControls.Item", {Variant::Long(index)}));
}

CommandBarControls CommandBar::Controls() const {
    return GetObject<CommandBarControls>(dispid::CommandBarControls, L"CommandBar.Controls");
}

void CommandBar::Delete() const { Invoke(dispid::CommandBarDelete, CallKind::Method, L"CommandBar.Delete"); }

void CommandBar::SetVisible(bool visible) const {
    Put(dispid::CommandBarVisible, L"CommandBar.Visible", Variant::Bool(visible));
}

CommandBar CommandBars::Item(std::wstring_view name) const {
    return ObjectOf<CommandBar>(
        Invoke(dispid::DefaultMember, CallKind::Get, L"CommandBars.Item", {Variant::String(name)}));
}

CommandBar CommandBars::Item(long index) const {
    return ObjectOf<CommandBar>(
        Invoke(dispid::DefaultMember, CallKind::Get, L"CommandBars.Item", {Variant::Long(index)}));
}

CommandBar CommandBars::ActiveMenuBar() const {
    return GetObject<CommandBar>(dispid::CommandBarsActiveMenuBar, L"CommandBars.ActiveMenuBar");
}

CommandBar CommandBars::Add(Variant name, Variant position, Variant menuBar, Variant temporary) const {
    return ObjectOf<CommandBar>(
        Invoke(dispid::CommandBarsAdd, CallKind::Method, L"CommandBars.Add",
               {std::move(name), std::move(position), std::move(menuBar), std::move(temporary)}));
}

}  // namespace sheet
