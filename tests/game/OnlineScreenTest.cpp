// The online screen: reached by the O key on the game mode menu and left by
// Close or the "Exit game" key; the room code typed into its field; Host,
// Join and Watch asking the program for online play, Join and Watch only
// with a whole code; and every text of the online panels inside its strip.
#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <string>

#include "gui/Caption.h"
#include "gui/OnlinePanels.h"
#include "gui/ScreenLayout.h"
#include "gui/Screens.h"
#include "tests/game/GameTest.h"

namespace {

constexpr int OnlineKey = 'o';
// The online panel's widgets, in their order.
constexpr int FieldWidget = 2;
constexpr int NoticeWidget = 3;
constexpr int RelayWidget = 5;
constexpr int SettingsPanelY = 198;  // where the custom game menu stands

class OnlineScreenTest : public GameTest {
protected:
    static void Tap(int key)
    {
        TheGui->OnKeyDown(key);
        TheGui->OnKeyUp(key);
    }
    static void Type(const std::string& keys)
    {
        for (const char key : keys)
            Tap(key);
    }
    static void EnterOnlineMenu()
    {
        GameState = MainMenu;
        Click(PlayButton);
        Tap(OnlineKey);
        ASSERT_EQ(GameState, OnlineMenu);
    }
    // The room code as the field showed it in the last frame.
    static std::string Field()
    {
        RunFrames(1);
        return WidgetText(FieldWidget);
    }
    static std::string Notice()
    {
        RunFrames(1);
        return WidgetText(NoticeWidget);
    }
};

TEST_F(OnlineScreenTest, TheOKeyOnTheGameModeMenuOpensItAndCloseOrTheExitKeyGoBack)
{
    Tap(OnlineKey);  // only the game mode menu takes it
    EXPECT_EQ(GameState, MainMenu);
    EnterOnlineMenu();
    EXPECT_FALSE(RunFrames(2));
    EXPECT_EQ(GameState, OnlineMenu);
    EXPECT_FALSE(TapKey(ExitGame));
    EXPECT_EQ(GameState, GameModeMenu);
    Tap(OnlineKey);
    ASSERT_EQ(GameState, OnlineMenu);
    EXPECT_FALSE(Click(CloseButton));
    EXPECT_EQ(GameState, GameModeMenu);
    EXPECT_FALSE(TapKey(ExitGame));
    EXPECT_EQ(GameState, MainMenu);
}

TEST_F(OnlineScreenTest, ARoomCodeIsTypedInUpperCaseUpToSixCharactersAndBackspaceDeletes)
{
    EnterOnlineMenu();
    EXPECT_EQ(Field(), "");
    Type("ab3");
    EXPECT_EQ(Field(), "AB3");
    Tap(SDLK_KP7);  // the keypad's digits type too
    Type(" -.");    // neither letters nor digits
    EXPECT_EQ(Field(), "AB37");
    Type("XZ");
    EXPECT_EQ(Field(), "AB37XZ");
    Type("q9");  // a seventh character is refused
    EXPECT_EQ(Field(), "AB37XZ");
    Tap(SDLK_BACKSPACE);
    EXPECT_EQ(Field(), "AB37X");
    Type("p");  // the pause key types, it pauses nothing
    EXPECT_EQ(Field(), "AB37XP");
    for (int i = 0; i < 8; ++i)
        Tap(SDLK_BACKSPACE);
    EXPECT_EQ(Field(), "");
    EXPECT_EQ(GameState, OnlineMenu);
    EXPECT_EQ(TheGui->request, GuiRequest::None);
}

TEST_F(OnlineScreenTest, JoinAndWatchAskOnlyWithTheWholeCodeAndHostAsksAtOnce)
{
    EnterOnlineMenu();
    Type("k7m");
    for (const int id : {JoinOnlineButton, WatchOnlineButton}) {
        Click(id);
        EXPECT_EQ(TheGui->request, GuiRequest::None) << id;
        EXPECT_EQ(Notice(), "Type the 6-character room code") << id;
    }
    Type("p2q");
    EXPECT_EQ(Notice(), "");  // typing clears it
    Click(JoinOnlineButton);
    EXPECT_EQ(TheGui->request, GuiRequest::JoinOnline);
    EXPECT_EQ(TheGui->onlineCode, "K7MP2Q");
    EXPECT_EQ(Notice(), "");
    // The usual game leaves the request unanswered: the screen stays.
    EXPECT_EQ(TheGui->request, GuiRequest::None);
    EXPECT_EQ(GameState, OnlineMenu);

    Click(WatchOnlineButton);
    EXPECT_EQ(TheGui->request, GuiRequest::WatchOnline);
    EXPECT_EQ(TheGui->onlineCode, "K7MP2Q");
    RunFrames(1);

    Tap(SDLK_BACKSPACE);
    Click(HostOnlineButton);  // hosting needs no code
    EXPECT_EQ(TheGui->request, GuiRequest::HostOnline);
    RunFrames(1);
    EXPECT_EQ(GameState, OnlineMenu);
}

// Network play's status strip: a long status takes the small font and is cut
// rather than running off the strip.
TEST_F(OnlineScreenTest, TheOnlineStatusStripFitsALongStatus)
{
    bool large = true;
    const std::string refused =
        "Refused a player of version 1.5-something-long (protocol 1); waiting on port 24862";
    const std::string refusedShown = FitStatusLine(*TheGui, refused, large);
    EXPECT_FALSE(large);
    EXPECT_LE(TheGui->smallFont->TextWidth(refusedShown), StatusTextWidth) << refusedShown;
    const std::string overlong = FitStatusLine(*TheGui, std::string(200, 'W'), large);
    EXPECT_LE(TheGui->smallFont->TextWidth(overlong), StatusTextWidth);
    EXPECT_EQ(FitStatusLine(*TheGui, "A player has joined", large), "A player has joined");
    EXPECT_TRUE(large);
}

TEST_F(OnlineScreenTest, TheOnlineScreensTextsFitTheirStrips)
{

    const BitmapFont& large = *TheGui->largeFont;
    const BitmapFont& small = *TheGui->smallFont;
    // The widest code: six of the widest letter or digit.
    char widest = 'A';
    for (char c = '0'; c <= 'Z'; ++c) {
        if (std::isalnum(static_cast<unsigned char>(c)) &&
            large.TextWidth(std::string(1, c)) > large.TextWidth(std::string(1, widest)))
            widest = c;
    }
    const std::string widestCode(RoomCodeLength, widest);
    EXPECT_LT(RoomCodeFieldUsedWidth(*TheGui, widestCode), RoomCodeFieldWidth - 1)
        << widestCode << " and the cursor inside the field's outline";

    const std::vector<std::string> lines = OnlineNoticeLinesOf(*TheGui, ShortRoomCodeNotice);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0] + lines[1], std::string(ShortRoomCodeNotice) + " ");  // nothing cut
    for (const std::string& line : lines)
        EXPECT_LE(small.TextWidth(line), OnlineNoticeWidth) << line;
    const std::vector<std::string> overlong =
        OnlineNoticeLinesOf(*TheGui, "The relay says: " + std::string(60, 'W') + " is not a room");
    ASSERT_EQ(overlong.size(), 2u);
    for (const std::string& line : overlong)
        EXPECT_LE(small.TextWidth(line), OnlineNoticeWidth) << line;
    EXPECT_EQ(overlong.back().substr(overlong.back().size() - 3), "...");

    EnterOnlineMenu();
    RunFrames(1);
    const Panel& panel = *TheGui->PanelOf(OnlineMenu);
    for (const auto& button : panel.buttons)
        EXPECT_LE(button->label->font.TextWidth(button->label->text), button->w)
            << button->label->text;
    for (const int fixed : {0, 1, 4}) {  // the title and the captions
        const TextWidget& widget = *panel.widgets.at(fixed);
        EXPECT_LE(widget.font.TextWidth(widget.text), widget.w) << widget.text;
    }
    EXPECT_EQ(WidgetText(RelayWidget), "ws://127.0.0.1:24863");  // the shipped file's
    TheGui->online.relayUrl = "ws://" + std::string(MaxRelayUrlLength - 5, 'w');
    RunFrames(1);
    EXPECT_LE(small.TextWidth(WidgetText(RelayWidget)), OnlineNoticeWidth);
    EXPECT_EQ(WidgetText(RelayWidget).substr(0, 6), "ws://w");
}

// The panels online play draws over the game, each alone on a window of one
// colour: nothing is drawn outside its place, whatever the texts.
class OnlinePanelsTest : public GameTest {
protected:
    static constexpr uint32_t Backdrop = 0x00FF00;
    // The pixels drawn outside the rectangle.
    static int DrawnOutside(int x, int y, int w, int h)
    {
        int drawn = 0;
        for (int py = 0; py < TheScreen->height; ++py) {
            for (int px = 0; px < TheScreen->width; ++px) {
                const bool inside = px >= x && px < x + w && py >= y && py < y + h;
                drawn += !inside && PixelAt(px, py) != Backdrop;
            }
        }
        return drawn;
    }
};

TEST_F(OnlinePanelsTest, TheOnlineRoomCodeAndItsLineStayOnTheirPanel)
{
    const int x = (TheScreen->width - RoomCodePanelW) / 2;
    const int y = (TheScreen->height - RoomCodePanelH) / 2;
    const std::string longLine = "Waiting for " + std::string(300, 'W');
    for (const std::string& line :
         {std::string("Give this code to the other player"), longLine, std::string()}) {
        FillWindow(Backdrop);
        DrawRoomCode(*TheGui, "WWWWWW", line);
        EXPECT_EQ(DrawnOutside(x, y, RoomCodePanelW, RoomCodePanelH), 0) << line;
        EXPECT_GT(CountPixels(Backdrop), 0);
    }
    bool large = false;
    EXPECT_EQ(FitRoomCodeLine(*TheGui, "Waiting", large), "Waiting");
    EXPECT_TRUE(large);
    const std::string shown = FitRoomCodeLine(*TheGui, longLine, large);
    EXPECT_FALSE(large);  // the small font, cut
    EXPECT_LE(TheGui->smallFont->TextWidth(shown), RoomCodeLineWidth);
    EXPECT_EQ(shown.substr(0, 12), "Waiting for ");
    EXPECT_EQ(shown.substr(shown.size() - 3), "...");
    EXPECT_LE(TheGui->largeFont->TextWidth("WWWWWW") * RoomCodeScale, RoomCodeLineWidth);
}

TEST_F(OnlinePanelsTest, TheOnlineHostSettingsListEveryValueInsideItsColumns)
{
    LevelSettings settings;
    settings.gulperController = Computer;
    settings.level = 17;
    SettingsRow rows[HostSettingsRowCount];
    HostSettingsRows(*TheGui, settings, rows);
    const std::string expected[HostSettingsRowCount][2] = {
        {"Gulper", "AI"}, {"Speed", "3.4"}, {"Ghosts", "AI"}, {"Speed", "2.4"},
        {"Number", "4"},  {"Map #", "17"},  {"Timer", "90"},  {"FPS", "20"},
    };
    for (int i = 0; i < HostSettingsRowCount; ++i) {
        EXPECT_EQ(rows[i].label, expected[i][0]);
        EXPECT_EQ(rows[i].value, expected[i][1]);
        EXPECT_LE(TheGui->smallFont->TextWidth(rows[i].label), HostSettingsLabelWidth);
    }
    settings.gameMode = GulperCampaignMode;
    HostSettingsRows(*TheGui, settings, rows);
    EXPECT_EQ(rows[5].label, "Level");

    // Extreme values stay inside the panel.
    settings.gulperSpeed = -1234567.891;
    settings.ghostCount = INT_MIN;
    settings.timeLimit = INT_MAX;
    settings.ghostsController = static_cast<Controller>(7);
    FillWindow(Backdrop);
    DrawHostSettings(*TheGui, settings);
    EXPECT_EQ(DrawnOutside(0, SettingsPanelY, SmallPanelWidth, SmallPanelHeight), 0);
    HostSettingsRows(*TheGui, settings, rows);
    EXPECT_EQ(rows[2].value, "?");
    EXPECT_GT(TheGui->largeFont->TextWidth(rows[4].value), HostSettingsValueWidth)
        << "a value this long is cut when drawn";
}

TEST_F(OnlinePanelsTest, TheOnlineRoundTripFitsItsCornerBox)
{
    EXPECT_EQ(RoundTripText(42), "42 ms");
    EXPECT_EQ(RoundTripText(0), "0 ms");
    EXPECT_EQ(RoundTripText(-1), "-- ms");
    EXPECT_EQ(RoundTripText(INT_MAX), "9999+ ms");
    for (const int ms : {0, 42, 9999, 10000, INT_MAX, -1, INT_MIN}) {
        EXPECT_LE(TheGui->smallFont->TextWidth(RoundTripText(ms)), RoundTripBoxW - 8) << ms;
        FillWindow(Backdrop);
        DrawRoundTrip(*TheGui, ms);
        EXPECT_EQ(DrawnOutside(TheScreen->width - RoundTripBoxW, 0, RoundTripBoxW,
                               CaptionStripHeight), 0) << ms;
    }
}

}  // namespace
