// Excel's Font object of a range: name, size, bold and italic, each Null where the cells differ.
#pragma once

#include "host/excel/DispatchObject.h"
#include "host/excel/Range.h"

namespace host {

class FontObject : public DispatchObject {
public:
    static framework::ComPtr<IDispatch> Create(std::shared_ptr<Excel> excel, Range range);
    FontObject(std::shared_ptr<Excel> excel, Range range);

private:
    ~FontObject() override = default;
    Variant Call(const Member& member, Kind kind, const Arguments& args) override;
    bool Orphaned() const override { return m_range.GetSheet().Deleted(); }

    Range m_range;
};

}  // namespace host
