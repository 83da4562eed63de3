// Office's control of a command bar, answering as CommandBarButton or CommandBarPopup by its type:
// BeginGroup, Caption, Delete, and a popup's Controls. Once the control (or its bar or popup) is
// deleted every call fails.
#pragma once

#include "host/CommandBarControls.h"
#include "host/DispatchObject.h"

namespace host {

class CommandBarControlObject : public DispatchObject {
public:
    // `parent` is the list the control sits in, for Delete.
    static ComRef<IDispatch> Create(std::shared_ptr<Excel> excel, std::shared_ptr<CommandBarControls> parent,
                                    std::shared_ptr<CommandBarControl> control);
    CommandBarControlObject(std::shared_ptr<Excel> excel, std::shared_ptr<CommandBarControls> parent,
                            std::shared_ptr<CommandBarControl> control);

private:
    ~CommandBarControlObject() override = default;
    Variant Call(const Member& member, Kind kind, const Arguments& args) override;

    std::shared_ptr<CommandBarControls> m_parent;
    std::shared_ptr<CommandBarControl> m_control;
};

}  // namespace host
