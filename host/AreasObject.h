// Excel's Areas collection of a range.
#pragma once

#include "host/DispatchObject.h"
#include "host/Range.h"

namespace host {

class AreasObject : public DispatchObject {
public:
    static ComRef<IDispatch> Create(std::shared_ptr<Excel> excel, Range range);
    AreasObject(std::shared_ptr<Excel> excel, Range range);

private:
    ~AreasObject() override = default;
    Variant Call(const Member& member, Kind kind, const Arguments& args) override;
    bool Orphaned() const override { return m_range.GetSheet().Deleted(); }

    Range m_range;
};

}  // namespace host
