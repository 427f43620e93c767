// The sounds of what the tick and the input before it did.
#pragma once

// Plays the frame's effects and music from its events, then ends the frame's events.
void PlayFrameSounds();
