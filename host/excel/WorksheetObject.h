// Excel's Worksheet object of one sheet.
#pragma once

#include "host/excel/DispatchObject.h"
#include "host/excel/Range.h"
#include "host/excel/Sheet.h"

namespace host {

class WorksheetObject : public DispatchObject {
public:
    static framework::ComPtr<IDispatch> Create(std::shared_ptr<Excel> excel, std::shared_ptr<Sheet> sheet);
    WorksheetObject(std::shared_ptr<Excel> excel, std::shared_ptr<Sheet> sheet);

private:
    ~WorksheetObject() override = default;
    Variant Call(const Member& member, Kind kind, const Arguments& args) override;

    std::shared_ptr<Sheet> m_sheet;
};

// Worksheet.Range and Application.Range: Cell1 an A1 reference or a Range, Cell2 the opposite
// corner (a reference or a Range), on `sheet`.
Range RangeArgument(const std::shared_ptr<Sheet>& sheet, const Arguments& args, const wchar_t* className);

}  // namespace host
