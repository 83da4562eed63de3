// The table of commands itself: what every row must keep true for the ribbon and the legacy menu made from it.
#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>

#include "addin/MyAddin.h"
#include "addin/commands/Commands.h"

namespace {

using commands::Command;

TEST(CommandTable, callback_names_DISPIDs_ribbon_ids_and_menu_captions_are_each_unique) {
    std::set<std::string> names{commands::kLoadImages.name};
    std::set<DISPID> ids{commands::kLoadImages.id};
    std::set<std::wstring> ribbonIds;
    std::set<std::wstring> captions;
    for (const Command& command : commands::Table()) {
        for (const commands::Callback& callback : {command.onAction, command.getEnabled}) {
            if (!callback.name) continue;
            EXPECT_TRUE(names.insert(callback.name).second) << callback.name;
            EXPECT_TRUE(ids.insert(callback.id).second) << callback.name;
            DISPID found = DISPID_UNKNOWN;
            EXPECT_TRUE(commands::FindCallback(callback.name, found) && found == callback.id) << callback.name;
        }
        EXPECT_EQ(commands::CommandOfAction(command.onAction.id), &command) << command.onAction.name;
        EXPECT_TRUE(ribbonIds.insert(command.ribbon.id).second) << command.onAction.name;
        // A later start finds a button again by its caption, and a toolbar button by its Tag.
        EXPECT_TRUE(captions.insert(command.menu.caption).second) << command.onAction.name;
    }
}

TEST(CommandTable, every_command_starts_one_way_and_the_tools_are_numbered_in_the_tables_order) {
    const struct {
        CMyAddin::Tool tool;
        DISPID action;
    } tools[] = {{CMyAddin::Tool::RemoveDuplicates, DISPID_REMDUPS},
                 {CMyAddin::Tool::RemoveCharacters, DISPID_REMCHARS},
                 {CMyAddin::Tool::ChangeCase, DISPID_CHANGECASE},
                 {CMyAddin::Tool::MergeCellText, DISPID_MERGECELL}};
    for (const auto& t : tools) {
        const Command* command = commands::ToolNumbered(static_cast<long>(t.tool));
        ASSERT_NE(command, nullptr);
        EXPECT_EQ(command->onAction.id, t.action);
    }
    EXPECT_EQ(commands::ToolNumbered(-1), nullptr);
    EXPECT_EQ(commands::ToolNumbered(static_cast<long>(std::size(tools))), nullptr);
    for (const Command& command : commands::Table()) {
        EXPECT_EQ((command.start.wizard != nullptr) + (command.start.action != nullptr) + command.start.undoesLastRun, 1)
            << command.onAction.name;
        if (command.ribbon.image) {
            EXPECT_NE(command.ribbon.imageResource, 0) << command.onAction.name;
        }
    }
}

}  // namespace
