// What Application.Selection gives while a chart is selected: an object with a name and Select,
// and none of the Range members (Invoke answers DISP_E_MEMBERNOTFOUND, as Excel's chart object does).
#pragma once

#include "host/excel/DispatchObject.h"

namespace host {

class ChartObject : public DispatchObject {
public:
    static framework::ComPtr<IDispatch> Create(std::shared_ptr<Excel> excel, std::wstring name);
    ChartObject(std::shared_ptr<Excel> excel, std::wstring name);

private:
    ~ChartObject() override = default;
    Variant Call(const Member& member, Kind kind, const Arguments& args) override;

    std::wstring m_name;
};

}  // namespace host
