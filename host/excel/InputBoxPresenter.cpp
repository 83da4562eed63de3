#include "host/excel/InputBoxPresenter.h"

namespace host {

namespace {

InputBoxPresenter& Presenter() {
    static InputBoxPresenter presenter;
    return presenter;
}

}  // namespace

void SetInputBoxPresenter(InputBoxPresenter presenter) { Presenter() = std::move(presenter); }

void PresentInputBox(const InputBoxCall& call, const std::wstring& typed) {
    if (Presenter()) Presenter()(call, typed);
}

}  // namespace host
