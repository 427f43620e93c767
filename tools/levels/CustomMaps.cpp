#include "tools/levels/CustomMaps.h"

const std::vector<std::string>& DesignedCustomMaps()
{
    static const std::vector<std::string> designs = {
        "classic", "arena",  "labyrinth", "garden",  "blocks",  "snail", "rooms",
        "pillars", "fortress", "serpent", "crosses", "bare",    "rings", "halls",
    };
    return designs;
}

std::string CustomMapDesign(int mapNumber)
{
    const auto& designs = DesignedCustomMaps();
    if (mapNumber >= 1 && mapNumber <= static_cast<int>(designs.size()))
        return designs[mapNumber - 1];
    return {};
}
