// Excel's Workbook object of the stand-in's one workbook: its name.
#pragma once

#include "host/excel/DispatchObject.h"

namespace host {

class WorkbookObject : public DispatchObject {
public:
    static framework::ComPtr<IDispatch> Create(std::shared_ptr<Excel> excel);
    explicit WorkbookObject(std::shared_ptr<Excel> excel);

private:
    ~WorkbookObject() override = default;
    Variant Call(const Member& member, Kind kind, const Arguments& args) override;
};

}  // namespace host
