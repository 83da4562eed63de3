// Office's CommandBar object: its Controls, and Delete. Once the bar is deleted every call fails.
#pragma once

#include "host/excel/CommandBar.h"
#include "host/excel/DispatchObject.h"

namespace host {

class CommandBarObject : public DispatchObject {
public:
    static framework::ComPtr<IDispatch> Create(std::shared_ptr<Excel> excel, std::shared_ptr<CommandBar> bar);
    CommandBarObject(std::shared_ptr<Excel> excel, std::shared_ptr<CommandBar> bar);

private:
    ~CommandBarObject() override = default;
    Variant Call(const Member& member, Kind kind, const Arguments& args) override;

    std::shared_ptr<CommandBar> m_bar;
};

}  // namespace host
