#include "addin/commands/Commands.h"

#include "addin/commands/RangePage.h"
#include "addin/commands/ShellOpen.h"
#include "res/resource.h"
#include "tools/cleanup/CleanupToolRun.h"
#include "tools/cleanup/DlgChangeCase.h"
#include "tools/cleanup/DlgSelChars.h"
#include "tools/duplicates/DlgColumns.h"
#include "tools/duplicates/DlgRemType.h"
#include "tools/duplicates/DuplicatesToolRun.h"
#include "tools/merge/DlgSelMerge.h"
#include "tools/merge/MergeToolRun.h"
#include "tools/undo/UndoCommand.h"

namespace commands {

namespace {

// A tool's wizard: its run, then its pages, the range page first, each made with the run, whose interface for
// that tool is all a page reaches.
template <class Run, class RangePage, class... Pages>
constexpr Start Wizard() {
    return {[](const tools::RunContext& context) -> std::unique_ptr<tools::ToolRun> {
                return std::make_unique<Run>(context);
            },
            [](tools::ToolRun& run) {
                Run& toolRun = static_cast<Run&>(run);
                WizardPages pages;
                pages.push_back(std::make_unique<RangePage>(run));
                (pages.push_back(std::make_unique<Pages>(toolRun)), ...);
                return pages;
            }};
}

// An action that needs nothing of the run's context.
template <void (*Act)()>
constexpr Start Action() {
    return {nullptr, nullptr, [](const tools::RunContext&) { Act(); }};
}

// Office's own undo face.
constexpr long kUndoFace = 128;

bool Named(const Callback& callback, std::string_view name) { return callback.name && callback.name == name; }

}  // namespace

const std::vector<Command>& Table() {
    // The Merge Cell Text mode page owns the option pages and puts the chosen one third on Next.
    static const std::vector<Command> table = {
        {{"RemDups", 1},
         {L"RemDups", L"Remove Duplicates", RibbonPlace::ToolGroup, nullptr, L"remdups.bmp", IDR_PNG_REMDUPS},
         {L"Remove Duplicates", MenuPlace::Tool, L"remdup.bmp"},
         Wizard<duplicates::DuplicatesToolRun, CDlgSelect, CDlgColumns, CDlgRemType>(),
         {},
         nullptr,
         {nullptr, L"Finds the rows whose chosen columns repeat an earlier row, and selects, colours or empties them.",
          L"D"}},
        {{"RemChars", 3},
         {L"RemChars", L"Remove Characters", RibbonPlace::ToolGroup, L"RemoveCitation"},
         {L"Remove Characters", MenuPlace::Tool, L"remchars.bmp"},
         Wizard<cleanup::CleanupToolRun, CDlgSelectN, CDlgSelChars>(),
         {},
         nullptr,
         {nullptr,
          L"Removes spaces at the start or end of each cell's text, non-printing characters or no-break spaces.",
          L"R"}},
        {{"ChangeCase", 4},
         {L"ChCase", L"Change Case", RibbonPlace::ToolGroup, L"ChangeCase"},
         {L"Change Case", MenuPlace::Tool, L"changecase.bmp"},
         Wizard<cleanup::CleanupToolRun, CDlgSelectN, CDlgChangeCase>(),
         {},
         nullptr,
         {nullptr,
          L"Changes the text of the selected cells to upper case, lower case, or capitals at the start of the text "
          L"or of each word.",
          L"C"}},
        {{"MergeCell", 5},
         {L"MrgCell", L"Merge Cell Text", RibbonPlace::ToolGroup, L"MergeCells"},
         {L"Merge Cell Text", MenuPlace::Tool, L"mergecells.bmp"},
         Wizard<merge::MergeToolRun, CDlgSelectN, CDlgSelMerge>(),
         {},
         nullptr,
         {nullptr,
          L"Joins the text of the selected cells row by row, column by column or into one cell, with a separator "
          L"you choose.",
          L"M"}},
        {{"UndoLast", 6},
         {L"UndoLast", L"Undo Last Run", RibbonPlace::ToolGroup, L"Undo"},
         {L"Undo Last Run", MenuPlace::Tool, nullptr, kUndoFace},
         {nullptr, nullptr, undo::RunUndoLastRun, true},
         {"UndoEnabled", 7},
         [](const tools::RunContext& context) { return context.lastRun.Undoable(); },
         {nullptr, L"Puts back everything the last run of a tool changed, on the sheet it changed.", L"U"}},
        {{"GoHome", 34},
         {L"ZendaGoHome", L"Cellwright", RibbonPlace::HomepageMenu},
         {L"Zenda Utilities Website", MenuPlace::FamilyEntry},
         Action<OpenHomePage>(),
         {},
         nullptr,
         {L"Zenda Utilities Website", L"Opens the Zenda Utilities website in your web browser.", L"CW"}},
        {{"Help", 35},
         {L"Help", L"Cellwright", RibbonPlace::HelpMenu},
         {L"Help", MenuPlace::SubmenuEntry},
         Action<OpenHelpFile>(),
         {},
         nullptr,
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

const Command* CommandOfEnabling(DISPID id) {
    for (const Command& command : Table()) {
        if (command.enabled && command.getEnabled.id == id) return &command;
    }
    return nullptr;
}

}  // namespace commands
