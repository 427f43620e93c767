// Note names as MIDI note numbers (60 is middle C, 69 is A4 at 440 Hz).
#pragma once

enum Pitch : int {
    G2 = 43, A2 = 45, B2 = 47,
    C3 = 48, D3 = 50, E3 = 52, F3 = 53, G3 = 55,
    C4 = 60,
    C5 = 72, E5 = 76, G5 = 79, A5 = 81, B5 = 83,
    C6 = 84, D6 = 86, E6 = 88, F6 = 89, G6 = 91,
};
