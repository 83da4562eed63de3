#include "addin/ribbon/RibbonMarkup.h"

#include <string>

namespace {

using commands::Command;
using commands::RibbonPlace;

// The family's tab and its two shared menus: their keytips go with the qualified ids every add-in of the family
// gives them.
constexpr const wchar_t* kTabKeytip = L"ZU";
constexpr const wchar_t* kHomepageMenuKeytip = L"W";
constexpr const wchar_t* kHelpMenuKeytip = L"H";

// A value as an attribute holds it: a tip may hold any character.
void AppendEscaped(std::wstring& markup, std::wstring_view value) {
    for (wchar_t c : value) {
        switch (c) {
            case L'&': markup += L"&amp;"; break;
            case L'<': markup += L"&lt;"; break;
            case L'>': markup += L"&gt;"; break;
            case L'"': markup += L"&quot;"; break;
            case L'\'': markup += L"&apos;"; break;
            default: markup += c;
        }
    }
}

void Attribute(std::wstring& markup, const wchar_t* name, const wchar_t* value) {
    if (!value) return;
    markup.append(L" ").append(name).append(L"=\"");
    AppendEscaped(markup, value);
    markup += L'"';
}

void Attribute(std::wstring& markup, const wchar_t* name, const char* value) {
    if (value) Attribute(markup, name, std::wstring(value, value + std::char_traits<char>::length(value)).c_str());
}

// Every command's button that stands at that place, in the table's order.
void Buttons(std::wstring& markup, RibbonPlace place) {
    for (const Command& command : commands::Table()) {
        const commands::RibbonButton& button = command.ribbon;
        if (button.place != place) continue;
        markup += L"<button";
        Attribute(markup, L"id", button.id);
        Attribute(markup, L"image", button.image);
        Attribute(markup, L"size", button.image ? L"normal" : nullptr);
        Attribute(markup, L"label", button.label);
        Attribute(markup, L"imageMso", button.imageMso);
        Attribute(markup, L"onAction", command.onAction.name);
        Attribute(markup, L"getEnabled", command.getEnabled.name);
        Attribute(markup, L"screentip", command.tips.screentip ? command.tips.screentip : button.label);
        Attribute(markup, L"supertip", command.tips.supertip);
        Attribute(markup, L"keytip", command.tips.keytip);
        markup += L"/>";
    }
}

std::wstring MakeMarkup() {
    std::wstring markup = L"<customUI xmlns=\"http://schemas.microsoft.com/office/2006/01/customui\"";
    Attribute(markup, L"onLoad", commands::kRibbonLoaded.name);
    Attribute(markup, L"loadImage", commands::kLoadImages.name);
    markup += L" xmlns:x=\"ZendaUtilsNameSpace\"><ribbon><tabs><tab idQ=\"x:ZendaUtil\" label=\"Zenda Utilities\"";
    Attribute(markup, L"keytip", kTabKeytip);
    markup +=
        L"><group idQ=\"x:ZendaUtilit\" label=\"Zenda Utilities\">"
        L"<menu idQ=\"x:ZendaUtiliti\" label=\"Homepage\"";
    Attribute(markup, L"keytip", kHomepageMenuKeytip);
    markup += L">";
    Buttons(markup, RibbonPlace::HomepageMenu);
    markup += L"</menu><menu idQ=\"x:ZendaUtilith\" label=\"Help\"";
    Attribute(markup, L"keytip", kHelpMenuKeytip);
    markup += L">";
    Buttons(markup, RibbonPlace::HelpMenu);
    markup += L"</menu></group><group id=\"CustomGroup\" label=\"Cellwright\">";
    Buttons(markup, RibbonPlace::ToolGroup);
    markup += L"</group></tab></tabs></ribbon></customUI>";
    return markup;
}

}  // namespace

std::wstring_view RibbonMarkup() {
    static const std::wstring markup = MakeMarkup();
    return markup;
}
