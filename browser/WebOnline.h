// Online play as the page sees it: the page starts hosting, joining or
// watching a room (from "Play online" or a room link), and is told after each
// frame when the state of online play has changed, to show the room's link.
#pragma once

#include <string>

class FrameDriver;

class WebOnline {
public:
    // After the browser's frame: calls the page's Module.onOnline(phase, role,
    // code, status) when any of them changed since it was last called.
    void Report(FrameDriver& driver);

private:
    std::string reported;  // what the page was told last, joined into one text
};
