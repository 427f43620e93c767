// A throw-away game folder: a fresh directory with the run-time folders the
// game expects, into which a test copies the shipped data files it wants.
// While it exists it is the working directory, as the game folder is for the game.
#pragma once

#include <string>
#include <vector>

class Sandbox {
public:
    Sandbox();   // creates the folder with images/, data/, sfx/, music/ and enters it
    ~Sandbox();  // leaves it and removes it
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    // Copies one shipped file, by its path under the game data folder ("data/map_1.lev").
    void CopyShipped(const std::string& relativePath) const;
    // Copies every shipped file.
    void CopyAllShipped() const;
    // Writes a file of the game folder.
    void Write(const std::string& relativePath, const std::string& content) const;
    // Reads a file of the game folder; empty when it does not exist.
    std::string Read(const std::string& relativePath) const;
    bool Exists(const std::string& relativePath) const;
    void Remove(const std::string& relativePath) const;

    std::string path;  // absolute path of the folder

private:
    std::string previousDirectory;
};

// The folder of the shipped game data (the repository's gamedata/).
std::string ShippedDataDir();
// Every maze the game ships, the custom maps and both campaigns' levels, by
// their path in the game folder ("data/map_1.lev"), in name order.
std::vector<std::string> ShippedMazes();
