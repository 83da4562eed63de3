#include "addin/RibbonMarkup.h"

namespace {

constexpr wchar_t kMarkup[] =
    L"<customUI xmlns=\"http://schemas.microsoft.com/office/2006/01/customui\" loadImage=\"LoadImages\" "
    L"xmlns:x=\"ZendaUtilsNameSpace\">"
    L"<ribbon><tabs>"
    L"<tab idQ=\"x:ZendaUtil\" label=\"Zenda Utilities\">"
    L"<group idQ=\"x:ZendaUtilit\" label=\"Zenda Utilities\">"
    L"<menu idQ=\"x:ZendaUtiliti\" label=\"Homepage\">"
    L"<button id=\"ZendaGoHome\" label=\"Cellwright\" onAction=\"GoHome\"/>"
    L"</menu>"
    L"<menu idQ=\"x:ZendaUtilith\" label=\"Help\">"
    L"<button id=\"Help\" label=\"Cellwright\" onAction=\"Help\"/>"
    L"</menu>"
    L"</group>"
    L"<group id=\"CustomGroup\" label=\"Cellwright\">"
    L"<button id=\"RemDups\" image=\"remdups.bmp\" size=\"normal\" label=\"Remove Duplicates\" onAction=\"RemDups\"/>"
    L"<button id=\"RemChars\" label=\"Remove Characters\" imageMso=\"RemoveCitation\" onAction=\"RemChars\"/>"
    L"<button id=\"ChCase\" label=\"Change Case\" imageMso=\"ChangeCase\" onAction=\"ChangeCase\"/>"
    L"<button id=\"MrgCell\" label=\"Merge Cell Text\" imageMso=\"MergeCells\" onAction=\"MergeCell\"/>"
    L"</group>"
    L"</tab>"
    L"</tabs></ribbon>"
    L"</customUI>";

struct Callback {
    std::string_view name;
    DISPID id;
};

constexpr Callback kCallbacks[] = {
    {"RemDups", DISPID_REMDUPS},     {"LoadImages", DISPID_LOADIMAGES},
    {"RemChars", DISPID_REMCHARS},   {"ChangeCase", DISPID_CHANGECASE},
    {"MergeCell", DISPID_MERGECELL}, {"GoHome", DISPID_GOHOME},
    {"Help", DISPID_HELP},
};

}  // namespace

std::wstring_view RibbonMarkup() { return {kMarkup, sizeof(kMarkup) / sizeof(wchar_t) - 1}; }

bool LookupRibbonCallback(std::string_view name, DISPID& id) {
    for (const Callback& callback : kCallbacks) {
        if (callback.name == name) {
            id = callback.id;
            return true;
        }
    }
    return false;
}
