// Excel's Windows collection: only its count.
#pragma once

#include "host/excel/DispatchObject.h"

namespace host {

class WindowsObject : public DispatchObject {
public:
    static framework::ComPtr<IDispatch> Create(std::shared_ptr<Excel> excel);
    explicit WindowsObject(std::shared_ptr<Excel> excel);

private:
    ~WindowsObject() override = default;
    Variant Call(const Member& member, Kind kind, const Arguments& args) override;
};

}  // namespace host
