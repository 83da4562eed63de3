// Excel's Interior object of a range: the fill colour.
#pragma once

#include "host/excel/DispatchObject.h"
#include "host/excel/Range.h"

namespace host {

class InteriorObject : public DispatchObject {
public:
    static framework::ComPtr<IDispatch> Create(std::shared_ptr<Excel> excel, Range range);
    InteriorObject(std::shared_ptr<Excel> excel, Range range);

private:
    ~InteriorObject() override = default;
    Variant Call(const Member& member, Kind kind, const Arguments& args) override;

    Range m_range;
};

}  // namespace host
