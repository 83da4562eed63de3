// Office's CommandBars collection of the session: Item by name or number, ActiveMenuBar, Add, Count.
#pragma once

#include "host/excel/DispatchObject.h"

namespace host {

class CommandBarsObject : public DispatchObject {
public:
    static framework::ComPtr<IDispatch> Create(std::shared_ptr<Excel> excel);
    explicit CommandBarsObject(std::shared_ptr<Excel> excel);

private:
    ~CommandBarsObject() override = default;
    Variant Call(const Member& member, Kind kind, const Arguments& args) override;

    Variant Item(const Arguments& args);
    Variant Add(const Arguments& args);
};

}  // namespace host
