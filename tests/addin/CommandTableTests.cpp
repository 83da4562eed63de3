// The table of commands itself: what every row must keep true for the ribbon and the legacy menu made from it.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "addin/commands/Commands.h"
#include "framework/Module.h"

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

TEST(CommandTable, every_command_starts_one_way_and_a_getEnabled_has_its_answer) {
    for (const Command& command : commands::Table()) {
        const bool wizard = command.start.run && command.start.pages;
        EXPECT_EQ(command.start.run == nullptr, command.start.pages == nullptr) << command.onAction.name;
        EXPECT_NE(wizard, command.start.action != nullptr) << command.onAction.name;
        EXPECT_EQ(command.getEnabled.name == nullptr, command.enabled == nullptr) << command.onAction.name;
        if (command.ribbon.image) {
            EXPECT_NE(command.ribbon.imageResource, 0) << command.onAction.name;
        }
    }
}

// A row names its pictures by file and resource; the build makes them from the list of pictures alone.
TEST(CommandTable, every_picture_a_row_names_is_one_the_build_made) {
    const auto exists = [](const std::wstring& file) {
        return GetFileAttributesW((framework::ModuleFolder() + file).c_str()) != INVALID_FILE_ATTRIBUTES;
    };
    for (const Command& command : commands::Table()) {
        if (const wchar_t* face = command.menu.faceFile) {
            const std::wstring file = face;
            EXPECT_TRUE(exists(file)) << command.onAction.name;
            EXPECT_TRUE(exists(file.substr(0, file.size() - 4) + L"mask.bmp")) << command.onAction.name;
        }
        if (command.ribbon.imageResource) {
            EXPECT_NE(FindResourceW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(command.ribbon.imageResource), L"PNG"),
                      nullptr)
                << command.onAction.name;
        }
    }
}

}  // namespace
