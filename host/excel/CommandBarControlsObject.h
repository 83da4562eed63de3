// Office's CommandBarControls of a bar or a popup: Add, Count, and Item by caption or number.
// Once the bar or popup is deleted every call fails.
#pragma once

#include "host/excel/CommandBarControls.h"
#include "host/excel/DispatchObject.h"

namespace host {

class CommandBarControlsObject : public DispatchObject {
public:
    static framework::ComPtr<IDispatch> Create(std::shared_ptr<Excel> excel,
                                               std::shared_ptr<CommandBarControls> controls);
    CommandBarControlsObject(std::shared_ptr<Excel> excel, std::shared_ptr<CommandBarControls> controls);

private:
    ~CommandBarControlsObject() override = default;
    Variant Call(const Member& member, Kind kind, const Arguments& args) override;

    Variant Add(const Arguments& args);
    Variant Item(const Arguments& args);

    std::shared_ptr<CommandBarControls> m_controls;
};

}  // namespace host
