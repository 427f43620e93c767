// The lockstep schedule, with the network replaced by two queues: both
// machines tick the same commands in the same frames, a command acts exactly
// delay frames after it was given, a frame waits for the other side, and a
// peer that breaks the schedule or sends another side's commands is refused.
#include <gtest/gtest.h>

#include <deque>
#include <utility>

#include "net/Lockstep.h"

namespace {

using Wire = std::deque<std::pair<std::uint32_t, FrameCommands>>;

FrameCommands Steer(int direction)
{
    FrameCommands commands;
    commands.Add(CommandType::SteerGulper, direction);
    return commands;
}

FrameCommands Order(int x)
{
    FrameCommands commands;
    commands.Add(CommandType::OrderToPoint, x, 10);
    return commands;
}

// One frame of a machine: schedules what its player gave and sends it.
FrameCommands Tick(Lockstep& machine, const FrameCommands& given, Wire& out)
{
    out.push_back({static_cast<std::uint32_t>(machine.Frame() + machine.Delay()),
                   machine.ScheduleLocal(given)});
    return machine.Advance();
}

void Deliver(Wire& wire, Lockstep& to)
{
    for (const auto& [frame, commands] : wire)
        ASSERT_TRUE(to.AcceptRemote(frame, commands));
    wire.clear();
}

}  // namespace

TEST(Lockstep, BothMachinesTickEveryCommandExactlyDelayFramesAfterItWasGiven)
{
    constexpr int Delay = 3;
    Lockstep gulper(Side::Gulper, Delay), ghosts(Side::Ghosts, Delay);
    Wire toGhosts, toGulper;
    for (int frame = 0; frame < 20; ++frame) {
        ASSERT_TRUE(gulper.Ready());
        ASSERT_TRUE(ghosts.Ready());
        // Each player gives one command in frame 5; the ghosts' player's
        // foreign and keys-help commands stay on its machine.
        FrameCommands ghostGiven = frame == 5 ? Order(frame) : FrameCommands();
        if (frame == 5) {
            ghostGiven.Add(CommandType::SteerGulper, 1);
            ghostGiven.Add(CommandType::KeysHelp);
        }
        const FrameCommands a = Tick(gulper, frame == 5 ? Steer(2) : FrameCommands(), toGhosts);
        const FrameCommands b = Tick(ghosts, ghostGiven, toGulper);
        EXPECT_EQ(a, b) << frame;
        if (frame == 5 + Delay) {
            FrameCommands both = Steer(2);
            both.list.push_back(Order(5).list[0]);
            EXPECT_EQ(a, both);
        } else {
            EXPECT_TRUE(a.list.empty()) << frame;
        }
        Deliver(toGhosts, ghosts);
        Deliver(toGulper, gulper);
    }
}

TEST(Lockstep, AFrameWaitsForTheOtherSideAndRefusesCommandsOutOfTurn)
{
    Lockstep machine(Side::Gulper, 2);
    Wire sent;
    Tick(machine, {}, sent);
    Tick(machine, {}, sent);
    EXPECT_FALSE(machine.Ready());  // frame 2 needs the other side's commands

    EXPECT_FALSE(machine.AcceptRemote(3, {}));        // not the next frame
    EXPECT_FALSE(machine.AcceptRemote(2, Steer(0)));  // the gulper is not theirs
    FrameCommands help;
    help.Add(CommandType::KeysHelp);
    EXPECT_FALSE(machine.AcceptRemote(2, help));
    EXPECT_TRUE(machine.AcceptRemote(2, Order(1)));
    EXPECT_TRUE(machine.Ready());
    EXPECT_FALSE(machine.AcceptRemote(2, {}));  // the same frame again
    for (std::uint32_t frame = 3; frame <= 6; ++frame)
        EXPECT_TRUE(machine.AcceptRemote(frame, {}));
    EXPECT_FALSE(machine.AcceptRemote(7, {}));  // further ahead than its schedule allows
}

TEST(Lockstep, HashesThatDifferNameTheFirstFrameOutOfStep)
{
    Lockstep machine(Side::Ghosts, 2);
    Wire sent;
    for (int frame = 0; frame < 2; ++frame)
        Tick(machine, {}, sent);
    machine.NoteLocalHash(0, 11);
    machine.NoteLocalHash(1, 12);
    EXPECT_TRUE(machine.AcceptRemoteHash(0, 11));
    EXPECT_EQ(machine.mismatchFrame, -1);
    EXPECT_FALSE(machine.AcceptRemoteHash(0, 11));  // out of order
    EXPECT_TRUE(machine.AcceptRemoteHash(1, 99));
    EXPECT_EQ(machine.mismatchFrame, 1);
    EXPECT_FALSE(machine.AcceptRemoteHash(9, 1));  // a frame the peer cannot have reached
}
