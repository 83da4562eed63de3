// Excel's Range object over a Range of the model.
#pragma once

#include "host/excel/DispatchObject.h"
#include "host/excel/Range.h"

#include <optional>

namespace host {

class RangeObject : public DispatchObject {
public:
    static framework::ComPtr<IDispatch> Create(std::shared_ptr<Excel> excel, Range range);
    // The model range behind a stand-in Range object; nothing for any other object.
    static std::optional<Range> From(IDispatch* object);

    RangeObject(std::shared_ptr<Excel> excel, Range range);

private:
    ~RangeObject() override = default;
    Variant Call(const Member& member, Kind kind, const Arguments& args) override;
    void* FindInterface(REFIID iid) override;

    Range ItemOf(const Arguments& args) const;
    Variant Address(const Arguments& args) const;
    Variant Object(const Range& range) const;

    Range m_range;
};

}  // namespace host
