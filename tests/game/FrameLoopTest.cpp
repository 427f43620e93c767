// The frame loop and event routing: frames presented on a fixed grid of
// periods, and every queued input event routed to its handler in one frame.
#include <SDL/SDL.h>
#include <deque>
#include <functional>
#include <vector>

#include "app/Clock.h"
#include "app/Config.h"
#include "app/GameFlow.h"
#include "app/Globals.h"
#include "app/Screen.h"
#include "gui/ButtonIds.h"
#include "gui/Gui.h"
#include "tests/game/GameTest.h"

namespace {

// A scripted event queue standing in for the media library's.
std::deque<SDL_Event> queued;
// Called at the first poll of each frame (right after the frame is presented).
std::function<void()> onFramePresented;
bool pollingStarted = false;  // true once the current frame's first poll has been seen

int ScriptedPoll(SDL_Event* event)
{
    if (!pollingStarted) {
        pollingStarted = true;
        if (onFramePresented)
            onFramePresented();
    }
    if (queued.empty()) {
        pollingStarted = false;  // the queue is drained: the next poll belongs to the next frame
        return 0;
    }
    *event = queued.front();
    queued.pop_front();
    return 1;
}

SDL_Event Key(Uint8 type, int key)
{
    SDL_Event event{};
    event.type = type;
    event.key.keysym.sym = static_cast<SDLKey>(key);
    return event;
}

SDL_Event Motion(int x, int y, Uint8 buttons)
{
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.x = x;
    event.motion.y = y;
    event.motion.state = buttons;
    return event;
}

SDL_Event Button(Uint8 type, int button, int x, int y)
{
    SDL_Event event{};
    event.type = type;
    event.button.button = button;
    event.button.x = x;
    event.button.y = y;
    return event;
}

SDL_Event Quit()
{
    SDL_Event event{};
    event.type = SDL_QUIT;
    return event;
}

class FrameLoopTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        queued.clear();
        onFramePresented = nullptr;
        pollingStarted = false;
        TheScreen->pollEvent = ScriptedPoll;
    }
    void TearDown() override
    {
        onFramePresented = nullptr;
        GameTest::TearDown();
    }
    // Queues a left press and release in the middle of a button of the current panel.
    void QueueClick(int id)
    {
        int x = 0, y = 0;
        CentreOf(ButtonOf(id), x, y);
        queued.push_back(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, x, y));
        queued.push_back(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, x, y));
    }
    // Runs the real frame loop until the given number of frames has been
    // presented, and returns the clock time of each present.
    std::vector<int> RunLoop(int frames, const std::function<void(int frame)>& atFrame = nullptr)
    {
        std::vector<int> presented;
        const int start = Now();
        bool firstPoll = true;  // the loop polls once before its first frame
        onFramePresented = [&]() {
            if (firstPoll) {
                firstPoll = false;
                return;
            }
            presented.push_back(Now() - start);
            if (atFrame)
                atFrame(static_cast<int>(presented.size()));
            if (static_cast<int>(presented.size()) == frames)
                queued.push_back(Quit());
        };
        TheScreen->Run();
        return presented;
    }
};

TEST_F(FrameLoopTest, FramesArePresentedOnTheGridOfPeriods)
{
    const std::vector<int> presented = RunLoop(4);
    EXPECT_EQ(presented, (std::vector<int>{50, 100, 150, 200}));
}

TEST_F(FrameLoopTest, LateFrameIsCaughtUpAndTheGridKept)
{
    // The frame after the second present takes three periods (150 ms).
    const std::vector<int> presented = RunLoop(7, [](int frame) {
        if (frame == 2)
            AdvanceManualClock(150);
    });
    // The late frame and the two after it run without delay; then the old grid holds.
    EXPECT_EQ(presented, (std::vector<int>{50, 100, 250, 250, 250, 300, 350}));
}

TEST_F(FrameLoopTest, FrameRateChangeAppliesFromTheNextFrame)
{
    const std::vector<int> presented = RunLoop(5, [](int frame) {
        if (frame == 2)
            TheScreen->SetFramesPerSecond(25);
    });
    // The frame after the change keeps the time already scheduled; then every 40 ms.
    EXPECT_EQ(presented, (std::vector<int>{50, 100, 150, 190, 230}));
    EXPECT_EQ(TheScreen->framePeriod, 40);
}

TEST_F(FrameLoopTest, QuitBeforeTheFirstFrameRunsNoFrame)
{
    queued.push_back(Quit());
    const int start = Now();
    TheScreen->Run();
    EXPECT_EQ(Now(), start);
}

TEST_F(FrameLoopTest, WindowCloseEndsTheLoopAtTheNextPoll)
{
    const std::vector<int> presented = RunLoop(3);
    EXPECT_EQ(presented.size(), 3u);
}

TEST_F(FrameLoopTest, EveryQueuedEventIsHandledInOneFrame)
{
    // Mouse motion fills the queue; the key behind it is not delayed.
    ASSERT_EQ(GameState, MainMenu);
    QueueClick(PlayButton);
    for (int i = 0; i < 200; ++i)
        queued.push_back(Motion(10 + i % 50, 10, 0));
    queued.push_back(Key(SDL_KEYDOWN, KeyOf(ExitGame)));
    queued.push_back(Key(SDL_KEYUP, KeyOf(ExitGame)));
    EXPECT_FALSE(TheScreen->ProcessEvents());
    EXPECT_TRUE(queued.empty());
    EXPECT_EQ(GameState, MainMenu);  // "Play" went to the game mode menu, "Exit game" came back
}

TEST_F(FrameLoopTest, EventsAreHandledInQueueOrder)
{
    queued.push_back(Key(SDL_KEYUP, KeyOf(ExitGame)));  // on the main menu: ends the program
    QueueClick(OptionsButton);
    EXPECT_TRUE(TheScreen->ProcessEvents());
    EXPECT_EQ(GameState, MainMenu);  // the click behind the quitting key is not handled
    EXPECT_EQ(queued.size(), 2u);
}

TEST_F(FrameLoopTest, ButtonsRouteToTheirHandlers)
{
    // A right release and a middle press do nothing; the left click opens the options.
    queued.push_back(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 20, 280));
    queued.push_back(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 20, 280));
    queued.push_back(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, 20, 280));
    QueueClick(OptionsButton);
    EXPECT_FALSE(TheScreen->ProcessEvents());
    EXPECT_EQ(GameState, OptionsMenu);
}

TEST_F(FrameLoopTest, QuitRequestEndsTheProgram)
{
    queued.push_back(Quit());
    EXPECT_TRUE(TheScreen->ProcessEvents());
}

TEST_F(FrameLoopTest, DragsWithOnlyTheLeftButtonHeldReachTheSelectionBox)
{
    GameState = Playing;
    TheConfig->ghostsController = Human;
    TheGui->selectionBox = {};
    queued.push_back(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 100, 100));
    queued.push_back(Motion(150, 160, SDL_BUTTON_LMASK | SDL_BUTTON_RMASK));  // both held: no drag
    EXPECT_FALSE(TheScreen->ProcessEvents());
    EXPECT_FALSE(TheGui->selectionBox.active);
    queued.push_back(Motion(150, 160, SDL_BUTTON_LMASK));
    EXPECT_FALSE(TheScreen->ProcessEvents());
    EXPECT_TRUE(TheGui->selectionBox.active);
    EXPECT_EQ(TheGui->selectionBox.x1, 150);
}

}  // namespace
