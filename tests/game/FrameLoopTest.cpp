// The frame loop and event routing: frames presented on a fixed grid of
// periods, and every queued input event routed to its handler in one frame.
#include <SDL/SDL.h>
#include <deque>
#include <functional>
#include <vector>

#include "app/FrameDriver.h"
#include "app/PlayMode.h"
#include "platform/Clock.h"
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

// An event of a type with the fields that matter filled in.
SDL_Event Event(Uint8 type, int keyOrButton = 0, int x = 0, int y = 0, Uint8 buttonsHeld = 0)
{
    SDL_Event event{};
    event.type = type;
    const auto ux = static_cast<Uint16>(x), uy = static_cast<Uint16>(y);
    if (type == SDL_KEYDOWN || type == SDL_KEYUP)
        event.key.keysym.sym = static_cast<SDLKey>(keyOrButton);
    else if (type == SDL_MOUSEMOTION)
        event.motion = {type, 0, buttonsHeld, ux, uy, 0, 0};
    else
        event.button = {type, 0, static_cast<Uint8>(keyOrButton), 0, ux, uy};
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
    static void QueueClick(int id)
    {
        int x = 0, y = 0;
        CentreOf(ButtonOf(id), x, y);
        queued.push_back(Event(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, x, y));
        queued.push_back(Event(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, x, y));
    }
    // Runs the real frame loop until the given number of frames has been
    // presented (then the window is closed), and returns the clock time of each present.
    static std::vector<int> RunLoop(int frames, const std::function<void(int frame)>& atFrame = nullptr)
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
                queued.push_back(Event(SDL_QUIT));
        };
        FrameDriver(std::make_unique<PlayMode>(nullptr)).Run();
        return presented;
    }
};

TEST_F(FrameLoopTest, FramesArePresentedOnTheGridOfPeriodsUntilTheWindowIsClosed)
{
    EXPECT_EQ(RunLoop(4), (std::vector<int>{50, 100, 150, 200}));
    queued.push_back(Event(SDL_QUIT));  // before the first frame: no frame at all
    const int start = Now();
    FrameDriver(std::make_unique<PlayMode>(nullptr)).Run();
    EXPECT_EQ(Now(), start);
}

TEST_F(FrameLoopTest, ALateFrameIsCaughtUpAndTheGridKept)
{
    // The frame after the second present takes three periods (150 ms).
    const std::vector<int> presented = RunLoop(7, [](int frame) {
        if (frame == 2)
            AdvanceManualClock(150);
    });
    // The late frame and the two after it run without delay; then the old grid holds.
    EXPECT_EQ(presented, (std::vector<int>{50, 100, 250, 250, 250, 300, 350}));
}

TEST_F(FrameLoopTest, AFrameRateChangeAppliesFromTheNextFrame)
{
    const std::vector<int> presented = RunLoop(5, [](int frame) {
        if (frame == 2)
            TheScreen->SetFramesPerSecond(25);
    });
    // The next frame comes one new period after the change; then every 40 ms.
    EXPECT_EQ(presented, (std::vector<int>{50, 100, 140, 180, 220}));
}

TEST_F(FrameLoopTest, EveryQueuedEventIsHandledInOneFrameInQueueOrder)
{
    // Mouse motion fills the queue; the key behind it is not delayed.
    QueueClick(PlayButton);
    for (int i = 0; i < 200; ++i)
        queued.push_back(Event(SDL_MOUSEMOTION, 0, 10 + i % 50, 10));
    queued.push_back(Event(SDL_KEYDOWN, KeyOf(ExitGame)));
    queued.push_back(Event(SDL_KEYUP, KeyOf(ExitGame)));
    EXPECT_FALSE(TheScreen->ProcessEvents(*TheGui));
    EXPECT_TRUE(queued.empty());
    EXPECT_EQ(GameState, MainMenu);  // "Play" went to the game mode menu, "Exit game" came back

    queued.push_back(Event(SDL_KEYDOWN, KeyOf(ExitGame)));  // on the main menu: ends the program
    queued.push_back(Event(SDL_KEYUP, KeyOf(ExitGame)));
    QueueClick(OptionsButton);
    EXPECT_TRUE(TheScreen->ProcessEvents(*TheGui));
    EXPECT_EQ(GameState, MainMenu);  // the click behind the quitting key is not handled
    EXPECT_EQ(queued.size(), 2u);
    queued = {Event(SDL_QUIT)};
    EXPECT_TRUE(TheScreen->ProcessEvents(*TheGui));
}

TEST_F(FrameLoopTest, EachMouseButtonAndDragGoesToItsHandler)
{
    // A right release and a middle click do nothing; the left click opens the options.
    queued.push_back(Event(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 20, 280));
    queued.push_back(Event(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 20, 280));
    queued.push_back(Event(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, 20, 280));
    QueueClick(OptionsButton);
    EXPECT_FALSE(TheScreen->ProcessEvents(*TheGui));
    EXPECT_EQ(GameState, OptionsMenu);

    // In play, only a drag with the left button alone makes a selection box.
    GameState = Playing;
    TheConfig->ghostsController = Human;
    queued.push_back(Event(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 100, 100));
    queued.push_back(Event(SDL_MOUSEMOTION, 0, 150, 160, SDL_BUTTON_LMASK | SDL_BUTTON_RMASK));
    EXPECT_FALSE(TheScreen->ProcessEvents(*TheGui));
    EXPECT_FALSE(TheGui->selectionBox.active);
    queued.push_back(Event(SDL_MOUSEMOTION, 0, 150, 160, SDL_BUTTON_LMASK));
    EXPECT_FALSE(TheScreen->ProcessEvents(*TheGui));
    EXPECT_TRUE(TheGui->selectionBox.active);
    EXPECT_EQ(TheGui->selectionBox.x1, 150);
}

}  // namespace
