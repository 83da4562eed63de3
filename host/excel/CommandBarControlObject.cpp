#include "host/excel/CommandBarControlObject.h"

#include "host/excel/CommandBarControlsObject.h"
#include "host/excel/ConnectionPointObject.h"
#include "host/excel/Excel.h"
#include "host/excel/ExcelError.h"
#include "host/excel/FaceClipboard.h"

#include <olectl.h>

#include <cwchar>

namespace host {

namespace {

enum : DISPID {
    kBeginGroup = 0x60040000,
    kCaption = 0x60040003,
    kDelete = 0x60040007,
    kEnabled = 0x6004000A,
    kTag = 0x60040023,
    kTooltipText = 0x60040025,
    kVisible = 0x60040029,
    kPopupControls = 0x60050001,
    kCopyFace = 0x60050002,
    kPasteFace = 0x60050005,
    kStyle = 0x6005000A,
    kPicture = 0x6005000E,
    kMask = 0x60050010,
};

const std::vector<Member>& ControlMembers() {
    static const std::vector<Member> members = {
        {L"BeginGroup", kBeginGroup, kGet | kPut, {}},
        {L"Caption", kCaption, kGet | kPut, {}},
        {L"Delete", kDelete, kMethod, {L"Temporary"}},
        {L"Enabled", kEnabled, kGet | kPut, {}},
        {L"Tag", kTag, kGet | kPut, {}},
        {L"TooltipText", kTooltipText, kGet | kPut, {}},
        {L"Visible", kVisible, kGet | kPut, {}},
    };
    return members;
}

std::vector<Member> With(std::vector<Member> members, std::initializer_list<Member> more) {
    members.insert(members.end(), more);
    return members;
}

// Office 2000's button: its face goes only through the clipboard.
const std::vector<Member>& Button2000Members() {
    static const std::vector<Member> members = With(ControlMembers(), {{L"CopyFace", kCopyFace, kMethod, {}},
                                                                       {L"PasteFace", kPasteFace, kMethod, {}},
                                                                       {L"Style", kStyle, kGet | kPut, {}}});
    return members;
}

const std::vector<Member>& ButtonMembers() {
    static const std::vector<Member> members =
        With(Button2000Members(), {{L"Picture", kPicture, kPut, {}}, {L"Mask", kMask, kPut, {}}});
    return members;
}

const std::vector<Member>& PopupMembers() {
    static const std::vector<Member> members = With(ControlMembers(), {{L"Controls", kPopupControls, kGet, {}}});
    return members;
}

bool IsOffice2000(const std::wstring& version) { return std::wcstol(version.c_str(), nullptr, 10) < 10; }

const std::vector<Member>& MembersOf(const CommandBarControl& control, const Excel& excel) {
    if (control.IsPopup()) return PopupMembers();
    return IsOffice2000(excel.Version()) ? Button2000Members() : ButtonMembers();
}

// A put's value converted to `type`; a value that does not convert is a type mismatch.
Variant PutValueAs(const Arguments& args, VARTYPE type) {
    Variant value = args.PutVariant();
    Variant converted;
    if (FAILED(VariantChangeType(&converted.Get(), &value.Get(), 0, type))) throw ArgumentError{DISP_E_TYPEMISMATCH, 0};
    return converted;
}

std::wstring PutString(const Arguments& args) {
    Variant text = PutValueAs(args, VT_BSTR);
    BSTR b = text.Get().bstrVal;
    return b ? std::wstring(b, SysStringLen(b)) : std::wstring();
}

bool PutBool(const Arguments& args) { return PutValueAs(args, VT_BOOL).Get().boolVal != VARIANT_FALSE; }

// The properties every control answers alike: read from the model, or converted and written to it.
struct BoolProperty {
    DISPID id;
    bool (CommandBarControl::*get)() const;
    void (CommandBarControl::*set)(bool);
};
const BoolProperty kBoolProperties[] = {
    {kBeginGroup, &CommandBarControl::BeginGroup, &CommandBarControl::SetBeginGroup},
    {kEnabled, &CommandBarControl::Enabled, &CommandBarControl::SetEnabled},
    {kVisible, &CommandBarControl::Visible, &CommandBarControl::SetVisible},
};

struct TextProperty {
    DISPID id;
    const std::wstring& (CommandBarControl::*get)() const;
    void (CommandBarControl::*set)(std::wstring);
};
const TextProperty kTextProperties[] = {
    {kCaption, &CommandBarControl::Caption, &CommandBarControl::SetCaption},
    {kTag, &CommandBarControl::Tag, &CommandBarControl::SetTag},
    {kTooltipText, &CommandBarControl::TooltipText, &CommandBarControl::SetTooltipText},
};

// The pixels of a bitmap picture (IPictureDisp) put into Picture or Mask; Office copies them at once.
FaceImage PicturePixels(const Arguments& args, const wchar_t* property) {
    const VARIANT& value = args.PutValue();
    IUnknown* object = value.vt == VT_DISPATCH || value.vt == VT_UNKNOWN ? value.punkVal : nullptr;
    if (value.vt != VT_DISPATCH && value.vt != VT_UNKNOWN) throw ArgumentError{DISP_E_TYPEMISMATCH, 0};
    framework::ComPtr<IPicture> picture;
    SHORT type = PICTYPE_UNINITIALIZED;
    OLE_HANDLE handle = 0;
    if (!object ||
        FAILED(object->QueryInterface(IID_IPicture, reinterpret_cast<void**>(picture.ReleaseAndGetAddressOf()))) ||
        FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP || FAILED(picture->get_Handle(&handle))) {
        throw ExcelError(message::OfficeMemberFailed(property, L"CommandBarButton"), E_FAIL);
    }
    return FaceImageOf(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)));
}

}  // namespace

CommandBarControlObject::CommandBarControlObject(std::shared_ptr<Excel> excel,
                                                 std::shared_ptr<CommandBarControls> parent,
                                                 std::shared_ptr<CommandBarControl> control)
    : DispatchObject(excel, L"CommandBarControl", MembersOf(*control, *excel)),
      m_parent(std::move(parent)),
      m_control(std::move(control)) {}

framework::ComPtr<IDispatch> CommandBarControlObject::Create(std::shared_ptr<Excel> excel,
                                                             std::shared_ptr<CommandBarControls> parent,
                                                             std::shared_ptr<CommandBarControl> control) {
    return Make<CommandBarControlObject>(std::move(excel), std::move(parent), std::move(control));
}

HRESULT STDMETHODCALLTYPE CommandBarControlObject::QueryInterface(REFIID iid, void** object) {
    return DispatchObject::QueryInterface(iid, object);
}

ULONG STDMETHODCALLTYPE CommandBarControlObject::AddRef() { return DispatchObject::AddRef(); }

ULONG STDMETHODCALLTYPE CommandBarControlObject::Release() { return DispatchObject::Release(); }

void* CommandBarControlObject::FindInterface(REFIID iid) {
    if (iid == IID_IConnectionPointContainer && !m_control->IsPopup()) {
        return static_cast<IConnectionPointContainer*>(this);
    }
    return nullptr;
}

HRESULT STDMETHODCALLTYPE CommandBarControlObject::EnumConnectionPoints(IEnumConnectionPoints** points) {
    if (points) *points = nullptr;
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE CommandBarControlObject::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
    if (!point) return E_POINTER;
    *point = nullptr;
    if (iid != DIID_CommandBarButtonEvents) return CONNECT_E_NOCONNECTION;
    try {
        auto self = framework::ComPtr<IConnectionPointContainer>(this);
        *point = ConnectionPointObject::Create(m_control, std::move(self)).Detach();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

Variant CommandBarControlObject::Call(const Member& member, Kind kind, const Arguments& args) {
    const wchar_t* className = m_control->IsPopup() ? L"CommandBarPopup" : L"CommandBarButton";
    if (m_control->Deleted()) throw ExcelError(message::OfficeMemberFailed(member.name, className), E_FAIL);
    const bool put = kind == Kind::Put;
    for (const BoolProperty& property : kBoolProperties) {
        if (property.id != member.dispid) continue;
        if (!put) return Variant::Bool(((*m_control).*property.get)());
        ((*m_control).*property.set)(PutBool(args));
        return {};
    }
    for (const TextProperty& property : kTextProperties) {
        if (property.id != member.dispid) continue;
        if (!put) return Variant::String(((*m_control).*property.get)());
        ((*m_control).*property.set)(PutString(args));
        return {};
    }
    switch (member.dispid) {
    case kDelete:
        // Temporary only says whether the deletion outlasts the session, which the stand-in does not end.
        args.OptionalBool(0);
        m_parent->Remove(*m_control);
        return {};
    case kPopupControls: return ObjectResult(CommandBarControlsObject::Create(SessionPtr(), m_control->ControlsPtr()));
    default: return CallButton(member, put, args);
    }
}

Variant CommandBarControlObject::CallButton(const Member& member, bool put, const Arguments& args) {
    auto failed = [&] { return ExcelError(message::OfficeMemberFailed(member.name, L"CommandBarButton"), E_FAIL); };
    switch (member.dispid) {
    case kStyle:
        if (!put) return Variant::Long(m_control->Style());
        m_control->SetStyle(PutValueAs(args, VT_I4).Get().lVal);
        return {};
    case kPicture: m_control->SetPicture(PicturePixels(args, L"Picture")); return {};
    case kMask: m_control->SetMask(PicturePixels(args, L"Mask")); return {};
    case kCopyFace:
        if (m_control->Face().picture.Empty() || !CopyFaceToClipboard(m_control->Face())) throw failed();
        return {};
    case kPasteFace: {
        auto face = PasteFaceFromClipboard();
        if (!face) throw failed();
        m_control->SetFace(std::move(*face));
        return {};
    }
    default: break;
    }
    throw ArgumentError{DISP_E_MEMBERNOTFOUND, 0};
}

}  // namespace host
