// The blank custom map: walls all around, a gulper start, a ghost start and
// one corn, ready to be painted in the editor.
#pragma once

#include "tools/levels/LevelGrid.h"

LevelRows MakeBlankCanvas();
