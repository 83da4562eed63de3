// Excel's Application object: the root every client walks from.
#pragma once

#include "host/excel/DispatchObject.h"

namespace host {

class ApplicationObject : public DispatchObject {
public:
    static framework::ComPtr<IDispatch> Create(std::shared_ptr<Excel> excel);
    explicit ApplicationObject(std::shared_ptr<Excel> excel);

private:
    ~ApplicationObject() override = default;
    Variant Call(const Member& member, Kind kind, const Arguments& args) override;

    Variant InputBox(const Arguments& args);
    Variant StatusBar(bool put, const Arguments& args);
    Variant UnionOrIntersect(bool isUnion, const Arguments& args);
};

}  // namespace host
