// The "+" and "-" steppers that several screens share: the level's time
// limit (custom game and options) and the custom map number (custom game
// and level editor).
#pragma once

// The time limit moves in steps of 15 seconds: "+" acts below 600 and "-"
// above 30, so a limit on the grid stays within 30 to 600 and one off the
// grid (a campaign level's) keeps its remainder.
constexpr int TimeLimitStep = 15;     // seconds per click
constexpr int TimeLimitCeiling = 600; // "+" acts only below this
constexpr int TimeLimitFloor = 30;    // "-" acts only above this

// Steps the countdown timer's limit and resets the timer to it.
void RaiseTimeLimit();
void LowerTimeLimit();

// Whether the custom map number can step: "+" acts below mapCount - 1 (99)
// and "-" above 1.
bool CanStepMapForward();
bool CanStepMapBackward();
// Steps the custom map number and loads that map, searching past missing
// files in the direction of the step. Nothing happens when it cannot step.
void StepMapForward();
void StepMapBackward();
