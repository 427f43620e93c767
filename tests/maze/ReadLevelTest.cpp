// Reading a level file: one line per row, one character per cell, CR LF or
// LF line breaks; a last line without a line break is not part of the level.
#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>

#include "tests/maze/MazeTestSupport.h"

namespace {

using Rows = std::vector<std::string>;

bool Read(Maze& maze, const std::string& text)
{
    std::istringstream in(text);
    return maze.ReadLevel(in);
}

// An endless file: rows of `width` floor cells, for ever.
class EndlessRows : public std::streambuf {
public:
    explicit EndlessRows(int width) : row(width, '.') { row += '\n'; }

protected:
    int_type underflow() override
    {
        setg(row.data(), row.data(), row.data() + row.size());
        return traits_type::to_int_type(row[0]);
    }

private:
    std::string row;
};

}  // namespace

class ReadLevel : public ::testing::Test {
protected:
    std::unique_ptr<Maze> maze = GridOf({"P.G", "C##"});
};

TEST_F(ReadLevel, LinesBecomeRowsAndCharactersCells)
{
    std::istringstream in(LevelText(StandardRows()));
    ASSERT_TRUE(maze->ReadLevel(in));
    EXPECT_EQ(maze->width, 28);
    EXPECT_EQ(maze->height, 21);
    EXPECT_EQ(maze->cellCount, 588);
    EXPECT_EQ(RowsOf(*maze), StandardRows());
    EXPECT_TRUE(in.good());  // the error state is cleared
    ASSERT_EQ(maze->tileVariant.size(), 588u);
    EXPECT_LT(maze->tileVariant[0], 8);
}

TEST_F(ReadLevel, LastLineWithoutLineBreakIsNotRead)
{
    std::string text = LevelText(StandardRows());
    text.resize(text.size() - 2);
    ASSERT_TRUE(Read(*maze, text));
    EXPECT_EQ(maze->height, 20);
    EXPECT_EQ(maze->cellCount, 560);
}

TEST_F(ReadLevel, BareLineFeedsReadLikeCrLf)
{
    ASSERT_TRUE(Read(*maze, LevelText(StandardRows(), "\n")));
    EXPECT_EQ(RowsOf(*maze), StandardRows());
}

TEST_F(ReadLevel, EveryOtherByteIsAWall)
{
    ASSERT_TRUE(Read(*maze, "PxC c\r.\x80G\n.........\n"));
    EXPECT_EQ(RowsOf(*maze), (Rows{"P#C###.#G", "........."}));
}

TEST_F(ReadLevel, CornIsCountedAndStartsArePlaced)
{
    Rows rows = StandardRows();
    rows[2] = "#CBC..G...................C#";
    ASSERT_TRUE(Read(*maze, LevelText(rows)));
    EXPECT_EQ(maze->cornLeft, 4);  // three in row 2 and one in row 1
    EXPECT_EQ(maze->gulperStart, (CellPos{5, 3}));
    EXPECT_EQ(maze->ghostStart, (CellPos{20, 15}));  // the later G of the file
}

TEST_F(ReadLevel, TheLastStartInReadingOrderWins)
{
    ASSERT_TRUE(Read(*maze, "P.GC\nGP..\n"));
    EXPECT_EQ(maze->gulperStart, (CellPos{1, 1}));
    EXPECT_EQ(maze->ghostStart, (CellPos{0, 1}));
}

TEST_F(ReadLevel, ShortLinesAreFilledUpWithWalls)
{
    ASSERT_TRUE(Read(*maze, "P.C..\r\nG\r\n\r\n...\r\n"));
    EXPECT_EQ(RowsOf(*maze), (Rows{"P.C..", "G####", "#####", "...##"}));
}

TEST_F(ReadLevel, TextWithoutACompleteRowIsNoLevelAndChangesNothing)
{
    const Rows before = RowsOf(*maze);
    maze->cornLeft = 7;
    for (const std::string text : {"", "P.G.C", "\n", "\r\n\n"}) {
        EXPECT_FALSE(Read(*maze, text)) << text;
        EXPECT_EQ(RowsOf(*maze), before);
        EXPECT_EQ(maze->cornLeft, 7);
        EXPECT_EQ(maze->gulperStart, (CellPos{0, 0}));
    }
}

TEST_F(ReadLevel, LinesUpToTheLimitAreRead)
{
    EXPECT_TRUE(Read(*maze, "PGC" + std::string(MaxLevelLineLength - 3, '.') + "\r\n"));
    EXPECT_EQ(maze->width, MaxLevelLineLength);
}

TEST_F(ReadLevel, OverlongLineIsRefused)
{
    EXPECT_FALSE(Read(*maze, std::string(MaxLevelLineLength + 1, '.') + "\n"));
    EXPECT_EQ(maze->width, 3);
}

TEST_F(ReadLevel, LevelOfMoreThanAMillionCellsIsRefused)
{
    const std::string row = std::string(1000, '.') + "\n";
    std::string text;
    for (int y = 0; y < 1001; ++y)
        text += row;
    EXPECT_FALSE(Read(*maze, text));
    EXPECT_EQ(maze->width, 3);
    text.resize(text.size() - row.size());
    EXPECT_TRUE(Read(*maze, text));
    EXPECT_EQ(maze->cellCount, MaxLevelCells);
}

TEST_F(ReadLevel, EndlessInputIsRefusedWithoutReadingItAll)
{
    for (const int width : {0, 1, 1000, MaxLevelLineLength + 1}) {
        EndlessRows endless(width);
        std::istream in(&endless);
        EXPECT_FALSE(maze->ReadLevel(in)) << width;
    }
}
