#include "host/excel/CommandBarControls.h"

#include "host/excel/OfficeConstants.h"

#include <windows.h>

#include <algorithm>
#include <stdexcept>

namespace host {

namespace {

bool SameText(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), int(a.size()), b.c_str(), int(b.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace

std::wstring WithoutAccelerators(const std::wstring& caption) {
    std::wstring plain;
    plain.reserve(caption.size());
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != L'&') {
            plain += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == L'&') {
            plain += L'&';
            ++i;
        }
    }
    return plain;
}

std::shared_ptr<CommandBarControl> CommandBarControls::Item(size_t index) const {
    if (index < 1 || index > m_controls.size()) return nullptr;
    return m_controls[index - 1];
}

std::shared_ptr<CommandBarControl> CommandBarControls::Find(const std::wstring& caption) const {
    const std::wstring wanted = WithoutAccelerators(caption);
    for (const auto& control : m_controls) {
        if (SameText(WithoutAccelerators(control->Caption()), wanted)) return control;
    }
    return nullptr;
}

std::shared_ptr<CommandBarControl> CommandBarControls::Add(long type, std::wstring caption, size_t before,
                                                           bool temporary) {
    if (type != mso::ControlButton && type != mso::ControlPopup) {
        throw std::invalid_argument("only buttons and popups are offered");
    }
    if (before > m_controls.size() + 1) throw std::invalid_argument("no control at that position");
    auto control = std::make_shared<CommandBarControl>(type, std::move(caption), temporary);
    size_t at = before == 0 ? m_controls.size() : before - 1;
    m_controls.insert(m_controls.begin() + std::ptrdiff_t(at), control);
    return control;
}

bool CommandBarControls::Remove(const CommandBarControl& control) {
    auto it = std::find_if(m_controls.begin(), m_controls.end(),
                           [&](const std::shared_ptr<CommandBarControl>& c) { return c.get() == &control; });
    if (it == m_controls.end()) return false;
    (*it)->MarkDeleted();
    m_controls.erase(it);
    return true;
}

std::vector<std::wstring> CommandBarControls::Captions() const {
    std::vector<std::wstring> captions;
    captions.reserve(m_controls.size());
    for (const auto& control : m_controls) captions.push_back(control->Caption());
    return captions;
}

std::shared_ptr<CommandBarControls> CommandBarControls::PersistentCopy() const {
    auto copy = std::make_shared<CommandBarControls>();
    for (const auto& control : m_controls) {
        if (auto kept = control->PersistentCopy()) copy->m_controls.push_back(std::move(kept));
    }
    return copy;
}

void CommandBarControls::DropSinks() {
    for (const auto& control : m_controls) control->DropSinks();
}

std::shared_ptr<CommandBarControls> CommandBarControls::ListHolding(
    const CommandBarControl& control, const std::shared_ptr<CommandBarControls>& self) const {
    for (const auto& c : m_controls) {
        if (c.get() == &control) return self;
        if (c->ControlsPtr()) {
            if (auto inner = c->ControlsPtr()->ListHolding(control, c->ControlsPtr())) return inner;
        }
    }
    return nullptr;
}

void CommandBarControls::MarkDeleted() {
    m_deleted = true;
    for (const auto& control : m_controls) control->MarkDeleted();
}

}  // namespace host
