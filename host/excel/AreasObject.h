// Excel's Areas collection of a range.
#pragma once

#include "host/excel/DispatchObject.h"
#include "host/excel/Range.h"

namespace host {

class AreasObject : public DispatchObject {
public:
    static framework::ComPtr<IDispatch> Create(std::shared_ptr<Excel> excel, Range range);
    AreasObject(std::shared_ptr<Excel> excel, Range range);

private:
    ~AreasObject() override = default;
    Variant Call(const Member& member, Kind kind, const Arguments& args) override;

    Range m_range;
};

}  // namespace host
