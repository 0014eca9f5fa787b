#include "link/BrickTools.h"

#include <gtest/gtest.h>

#include <map>

using namespace tarvel;

namespace {

std::map<BrickCommand, BrickCommandState> statesFor(bool brickReady, bool fullMode)
{
    std::map<BrickCommand, BrickCommandState> byCommand;
    for (const BrickCommandState& s : brickCommandStates(brickReady, fullMode))
        EXPECT_TRUE(byCommand.emplace(s.command, s).second); // each command once
    return byCommand;
}

const BrickCommand kNeedBrick[] = {BrickCommand::ToolRun,         BrickCommand::ToolCompile,
                                   BrickCommand::ToolSend,        BrickCommand::ToolCompileSend,
                                   BrickCommand::CompileSendRun,  BrickCommand::Send,
                                   BrickCommand::RunProgram};

} // namespace

TEST(BrickCommands, EveryCommandIsListedOnce)
{
    EXPECT_EQ(statesFor(true, true).size(), 9u);
    EXPECT_EQ(statesFor(false, false).size(), 9u);
}

TEST(BrickCommands, WithTheBrickInTheFullInterfaceAllAreOn)
{
    for (const auto& [command, state] : statesFor(true, true))
        EXPECT_TRUE(state.enabled) << int(command);
}

TEST(BrickCommands, WithoutTheBrickTheOnesThatTalkToItAreOff)
{
    const auto states = statesFor(false, true);
    for (BrickCommand c : kNeedBrick) {
        EXPECT_FALSE(states.at(c).enabled) << int(c);
        EXPECT_TRUE(states.at(c).needsBrick) << int(c);
    }
    // The console and the monitor open without the brick: they say themselves that it is missing.
    EXPECT_TRUE(states.at(BrickCommand::ToolConsole).enabled);
    EXPECT_TRUE(states.at(BrickCommand::ToolMonitor).enabled);
    EXPECT_FALSE(states.at(BrickCommand::ToolConsole).needsBrick);
    EXPECT_FALSE(states.at(BrickCommand::ToolMonitor).needsBrick);
}

TEST(BrickCommands, TheReducedInterfaceTurnsOffItsHiddenButtons)
{
    const auto states = statesFor(true, false);
    for (BrickCommand c : {BrickCommand::ToolRun, BrickCommand::ToolCompile, BrickCommand::ToolSend,
                           BrickCommand::ToolConsole, BrickCommand::ToolMonitor})
        EXPECT_FALSE(states.at(c).enabled) << int(c);
    // What stays in sight there works as in the full interface.
    for (BrickCommand c : {BrickCommand::ToolCompileSend, BrickCommand::CompileSendRun, BrickCommand::Send,
                           BrickCommand::RunProgram})
        EXPECT_TRUE(states.at(c).enabled) << int(c);
}

TEST(BrickCommands, ReducedAndWithoutTheBrickNothingIsOn)
{
    for (const auto& [command, state] : statesFor(false, false))
        EXPECT_FALSE(state.enabled) << int(command);
}
