// The program's command line as a player meets it: --help prints the options
// on standard output and the manual page documents every one of them (and no
// other), and a command-line error, a replay that
// cannot be watched among them, goes to standard error.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "tests/support/Sandbox.h"

namespace {

struct Outcome {
    int status = -1;  // the exit status
    std::string out;  // standard output
    std::string err;  // standard error
};

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs the game in the current folder with these arguments.
Outcome RunGame(const std::string& arguments)
{
    const std::string command =
        std::string(GULPWISE_BINARY) + " " + arguments + " >run.out 2>run.err </dev/null";
    const int result = std::system(command.c_str());
    Outcome run;
    run.status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
    run.out = ReadFile("run.out");
    run.err = ReadFile("run.err");
    return run;
}

// The options --help lists: each line that starts with blanks and an option.
std::set<std::string> HelpOptions(const std::string& help)
{
    std::set<std::string> options;
    const std::regex option(R"(^\s+(--[a-z][a-z-]*))");
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (std::regex_search(line, match, option))
            options.insert(match[1]);
    }
    return options;
}

// The options the manual page documents: the first word of each tagged
// paragraph's tag (".B \-\-name" or ".BI \-\-name ..." after ".TP").
std::set<std::string> ManualOptions(const std::string& page)
{
    std::set<std::string> options;
    const std::regex tag(R"(^\.(B|BI|BR) (\\-\\-[a-z\\-]*[a-z]))");
    std::istringstream lines(page);
    bool tagged = false;  // the line after ".TP" is the paragraph's tag
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (tagged && std::regex_search(line, match, tag)) {
            std::string name = match[2];
            name.erase(std::remove(name.begin(), name.end(), '\\'), name.end());
            options.insert(name);
        }
        tagged = line == ".TP";
    }
    return options;
}

class CommandLineTest : public ::testing::Test {
protected:
    Sandbox sandbox;
};

TEST_F(CommandLineTest, HelpPrintsTheOptionsAndTheManualDocumentsEveryOne)
{
    const Outcome help = RunGame("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    const std::set<std::string> listed = HelpOptions(help.out);
    ASSERT_GE(listed.size(), 8u) << help.out;
    EXPECT_TRUE(listed.count("--help"));

    const std::set<std::string> documented = ManualOptions(ReadFile(GULPWISE_MANUAL));
    for (const std::string& option : listed)
        EXPECT_TRUE(documented.count(option)) << option << " is missing from the manual page";
    for (const std::string& option : documented)
        EXPECT_TRUE(listed.count(option))
            << option << " is in the manual page but not in --help";
}

TEST_F(CommandLineTest, ErrorsGoToStandardErrorWithTheOptions)
{
    for (const char* wrong : {"--bogus", "--scale 0", "--scale 9", "--scale", "--quit-after-frames x"}) {
        const Outcome run = RunGame(wrong);
        EXPECT_EQ(run.status, 2) << wrong;
        EXPECT_EQ(run.out, "") << wrong;
        EXPECT_NE(run.err.find("Options:"), std::string::npos) << wrong;
    }
}

TEST_F(CommandLineTest, AReplayThatCannotBeWatchedIsReportedOnStandardError)
{
    const Outcome folder = RunGame("--replay data");
    EXPECT_EQ(folder.status, 1);
    EXPECT_EQ(folder.out, "");
    EXPECT_EQ(folder.err, "Cannot watch the replay data: is a folder\n");

    sandbox.Write("broken.gwr", "not a replay");
    const Outcome broken = RunGame("--replay broken.gwr");
    EXPECT_EQ(broken.status, 1);
    EXPECT_EQ(broken.out, "");
    EXPECT_NE(broken.err.find("Cannot watch the replay broken.gwr: "), std::string::npos);

    const Outcome missing = RunGame("--replay missing.gwr");
    EXPECT_EQ(missing.err, "Cannot watch the replay missing.gwr: cannot be read\n");
}

}  // namespace
