// Office's control of a command bar, answering as CommandBarButton or CommandBarPopup by its type:
// BeginGroup, Caption, Delete, Enabled, Visible, Tag, TooltipText; a popup's Controls; a button's Style,
// CopyFace, PasteFace, Picture and Mask (the last two from Office 2002, version 10, on) and the connection
// point of its Click event. Once the control (or its bar or popup) is deleted every call fails.
#pragma once

#include "host/excel/CommandBarControls.h"
#include "host/excel/DispatchObject.h"

#include <ocidl.h>

namespace host {

class CommandBarControlObject : public DispatchObject, public IConnectionPointContainer {
public:
    // `parent` is the list the control sits in, for Delete.
    static framework::ComPtr<IDispatch> Create(std::shared_ptr<Excel> excel, std::shared_ptr<CommandBarControls> parent,
                                               std::shared_ptr<CommandBarControl> control);
    CommandBarControlObject(std::shared_ptr<Excel> excel, std::shared_ptr<CommandBarControls> parent,
                            std::shared_ptr<CommandBarControl> control);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) override;
    // Only a button's _CommandBarButtonEvents; CONNECT_E_NOCONNECTION for anything else.
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

private:
    ~CommandBarControlObject() override = default;
    Variant Call(const Member& member, Kind kind, const Arguments& args) override;
    void* FindInterface(REFIID iid) override;

    Variant CallButton(const Member& member, bool put, const Arguments& args);

    std::shared_ptr<CommandBarControls> m_parent;
    std::shared_ptr<CommandBarControl> m_control;
};

}  // namespace host
