// Office's IRibbonUI, which a ribbon's onLoad callback receives and keeps: Invalidate and InvalidateControl
// tell Office to ask the callbacks again. The stand-in notes each request in the ribbon's log.
#pragma once

#include "host/excel/DispatchObject.h"

#include <memory>
#include <string>
#include <vector>

namespace host {

// The requests every IRibbonUI of one loaded ribbon made, in order: a control id, or "*" for Invalidate.
struct RibbonInvalidations {
    std::vector<std::wstring> requests;
};

class RibbonUIObject : public DispatchObject {
public:
    static framework::ComPtr<IDispatch> Create(std::shared_ptr<Excel> excel, std::shared_ptr<RibbonInvalidations> log);
    RibbonUIObject(std::shared_ptr<Excel> excel, std::shared_ptr<RibbonInvalidations> log);

private:
    ~RibbonUIObject() override = default;
    Variant Call(const Member& member, Kind kind, const Arguments& args) override;

    std::shared_ptr<RibbonInvalidations> m_log;
};

// Office's IRibbonControl: the control a callback is called for.
class RibbonControlObject : public DispatchObject {
public:
    static framework::ComPtr<IDispatch> Create(std::shared_ptr<Excel> excel, std::wstring id);
    RibbonControlObject(std::shared_ptr<Excel> excel, std::wstring id);

private:
    ~RibbonControlObject() override = default;
    Variant Call(const Member& member, Kind kind, const Arguments& args) override;

    std::wstring m_id;
};

}  // namespace host
