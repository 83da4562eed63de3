// The Click handlers of the command-bar buttons, one class per button kind.
#pragma once

#include "addin/EventHandler.h"

class CButtonClearDups final : public CEventHandler {
public:
    CButtonClearDups() noexcept = default;

private:
    ~CButtonClearDups() override = default;
    void OnClick(CMyAddin& addin) override;
};

class CButtonRemChars final : public CEventHandler {
public:
    CButtonRemChars() noexcept = default;

private:
    ~CButtonRemChars() override = default;
    void OnClick(CMyAddin& addin) override;
};

class CButtonChangeCase final : public CEventHandler {
public:
    CButtonChangeCase() noexcept = default;

private:
    ~CButtonChangeCase() override = default;
    void OnClick(CMyAddin& addin) override;
};

class CButtonMergeCellText final : public CEventHandler {
public:
    CButtonMergeCellText() noexcept = default;

private:
    ~CButtonMergeCellText() override = default;
    void OnClick(CMyAddin& addin) override;
};

// The family's shared website entry: every family add-in connected to it hears the click, and only the
// one whose submenu stands first in the family popup opens the page, so it opens once.
class CButtonAbout final : public CEventHandler {
public:
    CButtonAbout() noexcept = default;

private:
    ~CButtonAbout() override = default;
    void OnClick(CMyAddin& addin) override;
};

class CButtonHelp final : public CEventHandler {
public:
    CButtonHelp() noexcept = default;

private:
    ~CButtonHelp() override = default;
    void OnClick(CMyAddin& addin) override;
};
