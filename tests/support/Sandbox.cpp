#include "tests/support/Sandbox.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

std::string ShippedDataDir()
{
    return GULPWISE_DATA_DIR;
}

std::vector<std::string> ShippedMazes()
{
    std::vector<std::string> mazes;
    for (const auto& entry : fs::directory_iterator(fs::path(ShippedDataDir()) / "data")) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("map_") || name.find("_level_") != std::string::npos)
            mazes.push_back("data/" + name);
    }
    std::sort(mazes.begin(), mazes.end());
    return mazes;
}

Sandbox::Sandbox()
{
    previousDirectory = fs::current_path().string();
    std::string pattern = (fs::temp_directory_path() / "gulpwise-test-XXXXXX").string();
    path = mkdtemp(pattern.data());
    for (const char* folder : {"images", "data", "sfx", "music"})
        fs::create_directories(fs::path(path) / folder);
    fs::current_path(path);
}

Sandbox::~Sandbox()
{
    fs::current_path(previousDirectory);
    std::error_code ignored;
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ignored);
    for (const char* folder : {"images", "data", "sfx", "music"})
        fs::permissions(fs::path(path) / folder, fs::perms::owner_all, fs::perm_options::add,
                        ignored);
    fs::remove_all(path, ignored);
}

void Sandbox::CopyShipped(const std::string& relativePath) const
{
    fs::copy_file(fs::path(ShippedDataDir()) / relativePath, fs::path(path) / relativePath,
                  fs::copy_options::overwrite_existing);
}

void Sandbox::CopyAllShipped() const
{
    fs::copy(ShippedDataDir(), path,
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

void Sandbox::Write(const std::string& relativePath, const std::string& content) const
{
    std::ofstream out(fs::path(path) / relativePath, std::ios::binary);
    out << content;
}

std::string Sandbox::Read(const std::string& relativePath) const
{
    std::ifstream in(fs::path(path) / relativePath, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool Sandbox::Exists(const std::string& relativePath) const
{
    return fs::exists(fs::path(path) / relativePath);
}

void Sandbox::Remove(const std::string& relativePath) const
{
    fs::remove(fs::path(path) / relativePath);
}
