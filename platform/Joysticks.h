// The gamepads plugged in when the program starts: opened so that their
// axes, d-pads and buttons arrive as events. Pads plugged in later are not seen.
#pragma once

// Opens every joystick once per run; without any, or without the media
// library's joystick support, the game simply has none. Returns how many are open.
int OpenJoysticks();
