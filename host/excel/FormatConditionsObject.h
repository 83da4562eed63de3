// Excel's FormatConditions collection of a range: how many conditional formats apply to its cells.
#pragma once

#include "host/excel/DispatchObject.h"
#include "host/excel/Range.h"

namespace host {

class FormatConditionsObject : public DispatchObject {
public:
    static framework::ComPtr<IDispatch> Create(std::shared_ptr<Excel> excel, Range range);
    FormatConditionsObject(std::shared_ptr<Excel> excel, Range range);

private:
    ~FormatConditionsObject() override = default;
    Variant Call(const Member& member, Kind kind, const Arguments& args) override;
    bool Orphaned() const override { return m_range.GetSheet().Deleted(); }

    Range m_range;
};

}  // namespace host
