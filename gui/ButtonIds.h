// Button ids: what a released button means to the dispatcher. The same id
// means the same kind of control on every screen.
#pragma once

enum ButtonId : int {
    NoButton = 0,  // what a release with no pressed button yields
    PlayButton = 1,
    HelpButton = 2,
    OptionsButton = 3,
    EditorButton = 4,
    ExitButton = 5,
    GulperCampaignButton = 6,
    GhostsCampaignButton = 7,
    CustomGameButton = 8,
    GulperSideButton = 9,
    GulperSpeedButton = 10,
    GhostsSideButton = 12,
    GhostCountUpButton = 13,
    GhostCountDownButton = 14,
    GhostSpeedButton = 15,
    PlusButton = 17,   // the next level or map
    MinusButton = 18,  // the previous level or map
    StartButton = 19,
    CloseButton = 20,
    ControlsButton = 24,
    FrameRateUpButton = 25,
    FrameRateDownButton = 26,
    TimeLimitUpButton = 27,
    TimeLimitDownButton = 28,
    MusicUpButton = 29,
    MusicDownButton = 30,
    EffectsUpButton = 31,
    EffectsDownButton = 32,
    TileSetButton = 34,
    KeyButton = 35,
    DefaultKeysButton = 37,
    DefaultHotseatKeysButton = 38,
    OkButton = 39,
    CancelButton = 40,
    BrushButton = 41,
    SaveMapButton = 42,
    ResetMapButton = 43,
    HostOnlineButton = 44,
    JoinOnlineButton = 45,
    WatchOnlineButton = 46,
    DiscardButton = 47,  // drops the editor's unsaved painting
};
