// Which maze each custom map number gets: the designed mazes from map 1 on,
// blank canvases for the rest. The editor and the custom game step only
// between existing files, so all one hundred are written.
#pragma once

#include <string>
#include <vector>

constexpr int CustomMapCount = 100;  // map numbers 0 to 99

// The designs of maps 1, 2, 3 ... in order.
const std::vector<std::string>& DesignedCustomMaps();

// The design of a map number, or an empty name for a blank canvas.
std::string CustomMapDesign(int mapNumber);
