#include "addin/commands/Commands.h"

#include "addin/commands/CommandRun.h"
#include "addin/commands/RangePage.h"
#include "addin/commands/ShellOpen.h"
#include "res/resource.h"
#include "tools/cleanup/DlgChangeCase.h"
#include "tools/cleanup/DlgSelChars.h"
#include "tools/duplicates/DlgColumns.h"
#include "tools/duplicates/DlgRemType.h"
#include "tools/merge/DlgSelMerge.h"

namespace commands {

namespace {

template <class Page>
std::unique_ptr<framework::CPropertyPage> MakePage(CCommandRun& run) {
    auto page = std::make_unique<Page>();
    page->m_pAddin = &run;
    return page;
}

template <class RangePage, class... Pages>
WizardPages Wizard(CCommandRun& run) {
    WizardPages pages;
    pages.push_back(std::make_unique<RangePage>(&run));
    (pages.push_back(MakePage<Pages>(run)), ...);
    return pages;
}

bool Named(const Callback& callback, std::string_view name) { return callback.name && callback.name == name; }

// Office's own undo face.
constexpr long kUndoFace = 128;

}  // namespace

const std::vector<Command>& Table() {
    // The Merge Cell Text mode page owns the option pages and puts the chosen one third on Next.
    static const std::vector<Command> table = {
        {{"RemDups", DISPID_REMDUPS},
         {L"RemDups", L"Remove Duplicates", RibbonPlace::ToolGroup, nullptr, L"remdups.bmp", IDR_PNG_REMDUPS},
         {L"Remove Duplicates", MenuPlace::Tool, L"remdup.bmp"},
         {Wizard<CDlgSelect, CDlgColumns, CDlgRemType>},
         {},
         {nullptr, L"Finds the rows whose chosen columns repeat an earlier row, and selects, colours or empties them.",
          L"D"}},
        {{"RemChars", DISPID_REMCHARS},
         {L"RemChars", L"Remove Characters", RibbonPlace::ToolGroup, L"RemoveCitation"},
         {L"Remove Characters", MenuPlace::Tool, L"remchars.bmp"},
         {Wizard<CDlgSelectN, CDlgSelChars>},
         {},
         {nullptr,
          L"Removes spaces at the start or end of each cell's text, non-printing characters or no-break spaces.",
          L"R"}},
        {{"ChangeCase", DISPID_CHANGECASE},
         {L"ChCase", L"Change Case", RibbonPlace::ToolGroup, L"ChangeCase"},
         {L"Change Case", MenuPlace::Tool, L"changecase.bmp"},
         {Wizard<CDlgSelectN, CDlgChangeCase>},
         {},
         {nullptr,
          L"Changes the text of the selected cells to upper case, lower case, or capitals at the start of the text "
          L"or of each word.",
          L"C"}},
        {{"MergeCell", DISPID_MERGECELL},
         {L"MrgCell", L"Merge Cell Text", RibbonPlace::ToolGroup, L"MergeCells"},
         {L"Merge Cell Text", MenuPlace::Tool, L"mergecells.bmp"},
         {Wizard<CDlgSelectN, CDlgSelMerge>},
         {},
         {nullptr,
          L"Joins the text of the selected cells row by row, column by column or into one cell, with a separator "
          L"you choose.",
          L"M"}},
        {{"UndoLast", DISPID_UNDOLAST},
         {L"UndoLast", L"Undo Last Run", RibbonPlace::ToolGroup, L"Undo"},
         {L"Undo Last Run", MenuPlace::Tool, nullptr, kUndoFace},
         {nullptr, nullptr, true},
         {"UndoEnabled", DISPID_UNDOENABLED},
         {nullptr, L"Puts back everything the last run of a tool changed, on the sheet it changed.", L"U"}},
        {{"GoHome", DISPID_GOHOME},
         {L"ZendaGoHome", L"Cellwright", RibbonPlace::HomepageMenu},
         {L"Zenda Utilities Website", MenuPlace::FamilyEntry},
         {nullptr, OpenHomePage},
         {},
         {L"Zenda Utilities Website", L"Opens the Zenda Utilities website in your web browser.", L"CW"}},
        {{"Help", DISPID_HELP},
         {L"Help", L"Cellwright", RibbonPlace::HelpMenu},
         {L"Help", MenuPlace::SubmenuEntry},
         {nullptr, OpenHelpFile},
         {},
         {L"Cellwright Help", L"Opens the Cellwright help, which describes every tool and option with examples.",
          L"CW"}},
    };
    return table;
}

bool FindCallback(std::string_view name, DISPID& id) {
    for (const Callback& root : {kLoadImages, kRibbonLoaded}) {
        if (!Named(root, name)) continue;
        id = root.id;
        return true;
    }
    for (const Command& command : Table()) {
        for (const Callback& callback : {command.onAction, command.getEnabled}) {
            if (!Named(callback, name)) continue;
            id = callback.id;
            return true;
        }
    }
    return false;
}

const Command* CommandOfAction(DISPID id) {
    for (const Command& command : Table()) {
        if (command.onAction.id == id) return &command;
    }
    return nullptr;
}

const Command* CommandOfEnabled(DISPID id) {
    for (const Command& command : Table()) {
        if (command.getEnabled.name && command.getEnabled.id == id) return &command;
    }
    return nullptr;
}

const Command* ToolNumbered(long number) {
    long tool = 0;
    for (const Command& command : Table()) {
        if (!command.start.wizard) continue;
        if (tool++ == number) return &command;
    }
    return nullptr;
}

}  // namespace commands
