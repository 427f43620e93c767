// Reading a level file: one line per row, one character per cell, CR LF or
// LF line breaks; a last line without a line break is not part of the level;
// short lines end in walls; huge levels are refused without being read whole.
#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>

#include "tests/maze/MazeTestSupport.h"

namespace {

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

class ReadLevel : public ::testing::Test {
protected:
    bool Read(const std::string& text)
    {
        std::istringstream in(text);
        return maze->ReadLevel(in);
    }
    std::unique_ptr<Maze> maze = GridOf({"P.G", "C##"});
};

}  // namespace

TEST_F(ReadLevel, LinesBecomeRowsWithEitherLineBreak)
{
    for (const char* lineEnd : {"\r\n", "\n"}) {
        std::istringstream in(LevelText(StandardRows(), lineEnd));
        ASSERT_TRUE(maze->ReadLevel(in));
        EXPECT_EQ(maze->cellCount, 28 * 21);
        EXPECT_EQ(RowsOf(*maze), StandardRows());
        EXPECT_TRUE(in.good());  // the error state is cleared
        ASSERT_EQ(maze->tileVariant.size(), 588u);
    }
    std::string text = LevelText(StandardRows());
    text.resize(text.size() - 2);  // the last line loses its line break
    ASSERT_TRUE(Read(text));
    EXPECT_EQ(maze->height, 20);
}

TEST_F(ReadLevel, EveryOtherByteIsAWallAndShortLinesEndInWalls)
{
    ASSERT_TRUE(Read("PxC c\r.\x80G\n.........\n"));
    EXPECT_EQ(RowsOf(*maze), (Rows{"P#C###.#G", "........."}));
    ASSERT_TRUE(Read("P.C..\r\nG\r\n\r\n...\r\n"));
    EXPECT_EQ(RowsOf(*maze), (Rows{"P.C..", "G####", "#####", "...##"}));
}

TEST_F(ReadLevel, CornIsCountedAndTheLastStartInReadingOrderWins)
{
    ASSERT_TRUE(Read("PCGC\nGPBC\n"));
    EXPECT_EQ(maze->cornLeft, 3);
    EXPECT_EQ(maze->gulperStart, (CellPos{1, 1}));
    EXPECT_EQ(maze->ghostStart, (CellPos{0, 1}));
}

TEST_F(ReadLevel, TextWithoutACompleteRowIsNoLevelAndChangesNothing)
{
    const Rows before = RowsOf(*maze);
    maze->cornLeft = 7;
    for (const std::string text : {"", "P.G.C", "\n", "\r\n\n"}) {
        EXPECT_FALSE(Read(text)) << text;
        EXPECT_EQ(RowsOf(*maze), before);
        EXPECT_EQ(maze->cornLeft, 7);
        EXPECT_EQ(maze->gulperStart, (CellPos{0, 0}));
    }
}

TEST_F(ReadLevel, LinesAndLevelsBeyondTheLimitsAreRefused)
{
    EXPECT_TRUE(Read("PGC" + std::string(MaxLevelLineLength - 3, '.') + "\r\n"));
    EXPECT_EQ(maze->width, MaxLevelLineLength);
    EXPECT_FALSE(Read(std::string(MaxLevelLineLength + 1, '.') + "\n"));
    EXPECT_EQ(maze->width, MaxLevelLineLength);

    const std::string row = std::string(1000, '.') + "\n";
    std::string text;
    for (int y = 0; y < 1001; ++y)
        text += row;
    EXPECT_FALSE(Read(text));  // a million cells and one row more
    text.resize(text.size() - row.size());
    EXPECT_TRUE(Read(text));
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
