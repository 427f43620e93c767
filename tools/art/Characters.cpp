#include "tools/art/Characters.h"

#include <array>
#include <cmath>
#include <numbers>

#include "tools/art/CharacterShapes.h"
#include "tools/art/Palette.h"

namespace {

constexpr int DirectionCount = 4;  // Right, Left, Up, Down: the rows of the gulper sheet
constexpr int Right = 0;
constexpr int Left = 1;
constexpr int Up = 2;
constexpr int Down = 3;
constexpr int WalkingPhases = 2;
constexpr int GhostColourCount = 4;
constexpr int FrightenedRow = 4;
constexpr int EyesRow = 5;

// Places a sprite in its cell of a sheet, inside the one-pixel frame.
void PutSprite(Image& sheet, int column, int row, const Image& sprite)
{
    sheet.Paste(sprite, 1 + SheetPitch * column, 1 + SheetPitch * row);
}

// A sprite drawn facing right, turned to face the given direction.
Image Facing(const Image& facingRight, int direction)
{
    switch (direction) {
    case Left: return MirroredLeftRight(facingRight);
    case Up: return TurnedLeft(facingRight);
    case Down: return TurnedRight(facingRight);
    default: return facingRight;
    }
}

// ---- The gulper ----

constexpr double GulperRadius = 7.9;
constexpr double GulperCentre = SpriteSize / 2.0;
// Half the mouth's opening in degrees for the walking frames, closed to wide open.
constexpr std::array<double, 4> MouthAngles{0, 17, 33, 48};
constexpr int MouthColumnCount = 4;

enum class GulperEye { Open, None };

void DrawGulperEye(Image& sprite, GulperEye eye, int x, int y)
{
    if (eye == GulperEye::Open) {
        sprite.FillRect(x, y, 2, 2, Palette::GulperEye);
        sprite.Set(x, y, Palette::GulperLight);
    }
}

Image GulperFacingRight(double mouthHalfAngle, double radius, GulperEye eye, int eyeX, int eyeY)
{
    Image sprite(SpriteSize, SpriteSize);
    const Mask ball = GulperShape(SpriteSize, radius, mouthHalfAngle);
    PaintOutline(sprite, 0, 0, ball, Palette::GulperOutline);
    PaintShaded(sprite, 0, 0, ball,
                {Palette::GulperLight, Palette::GulperBase, Palette::GulperDark});
    if (mouthHalfAngle == 0) {
        // The closed mouth is a line from the middle to the lips.
        for (int x = static_cast<int>(GulperCentre); x < SpriteSize; ++x)
            if (ball.At(x, static_cast<int>(GulperCentre)))
                sprite.Set(x, static_cast<int>(GulperCentre), Palette::GulperOutline);
    }
    DrawGulperEye(sprite, eye, eyeX, eyeY);
    return sprite;
}

// The last dying frame: the gulper has burst into a ring of sparks.
Image GulperBurst()
{
    Image sprite(SpriteSize, SpriteSize);
    constexpr int Rays = 8;
    constexpr double InnerRadius = 3.5;
    constexpr double OuterRadius = 7.5;
    for (int ray = 0; ray < Rays; ++ray) {
        const double angle = ray * 2 * std::numbers::pi / Rays;
        for (double r = InnerRadius; r <= OuterRadius; r += 1.0) {
            const int x = static_cast<int>(std::floor(GulperCentre + std::cos(angle) * r));
            const int y = static_cast<int>(std::floor(GulperCentre - std::sin(angle) * r));
            sprite.Set(x, y, r + 1.0 > OuterRadius ? Palette::GulperLight : Palette::GulperBase);
        }
    }
    return sprite;
}

// Columns 4 to 7 of the dying animation, the same whichever way the gulper
// faced: the mouth opens upwards past a half circle until only a sliver is
// left, and the gulper bursts.
Image GulperDyingFrame(int column)
{
    switch (column) {
    case 4: return TurnedLeft(GulperFacingRight(90, GulperRadius, GulperEye::None, 0, 0));
    case 5: return TurnedLeft(GulperFacingRight(122, GulperRadius, GulperEye::None, 0, 0));
    case 6: return TurnedLeft(GulperFacingRight(152, GulperRadius, GulperEye::None, 0, 0));
    default: return GulperBurst();
    }
}

// ---- The ghosts ----

constexpr int GhostLeft = 2;  // sprite column of the body's left edge
constexpr int GhostTop = 1;   // sprite row of the dome's top
// Where the eyes sit in the sprite when the ghost looks straight on.
constexpr int LeftEyeX = 4;
constexpr int RightEyeX = 10;
constexpr int EyeY = 4;

struct Offset {
    int dx;
    int dy;
};
// How far the eyes (or the frightened face) lean towards the way the ghost moves.
constexpr std::array<Offset, DirectionCount> LookOffsets{{{1, 0}, {-1, 0}, {0, -1}, {0, 1}}};
// Where the pupil sits inside the eye, by direction.
constexpr std::array<Offset, DirectionCount> PupilOffsets{{{2, 2}, {0, 2}, {1, 0}, {1, 3}}};

const Mask& EyeShape()
{
    static const Mask eye = Mask::FromRows({".##.", "####", "####", "####", ".##."});
    return eye;
}

void DrawEyes(Image& sprite, int direction, bool outlined)
{
    const Offset look = LookOffsets[direction];
    const Offset pupil = PupilOffsets[direction];
    for (const int eyeX : {LeftEyeX, RightEyeX}) {
        const int x = eyeX + look.dx;
        const int y = EyeY + look.dy;
        if (outlined)
            PaintOutline(sprite, x, y, EyeShape(), Palette::EyesOutline);
        PaintShaded(sprite, x, y, EyeShape(),
                    {Palette::GhostEyeWhite, Palette::GhostEyeWhite, Palette::GhostEyeShade});
        sprite.FillRect(x + pupil.dx, y + pupil.dy, 2, 2, Palette::GhostPupil);
    }
}

void DrawGhostBody(Image& sprite, int phase, const Palette::GhostColours& colours)
{
    const Mask body = GhostBodyShape(phase);
    PaintOutline(sprite, GhostLeft, GhostTop, body, colours.outline);
    PaintShaded(sprite, GhostLeft, GhostTop, body, {colours.light, colours.base, colours.dark});
}

Image HuntingGhost(int colour, int direction, int phase)
{
    Image sprite(SpriteSize, SpriteSize);
    DrawGhostBody(sprite, phase, Palette::Ghosts[colour]);
    DrawEyes(sprite, direction, false);
    return sprite;
}

// The frightened ghost: small pale eyes and a wobbly mouth, leaning the way it moves.
Image FrightenedGhost(int direction, int phase)
{
    constexpr int FaceEyeY = 6;
    constexpr int MouthLeft = 4;
    constexpr int MouthRight = 13;
    constexpr int MouthY = 11;
    Image sprite(SpriteSize, SpriteSize);
    DrawGhostBody(sprite, phase, Palette::Frightened);
    const Offset look = LookOffsets[direction];
    for (const int eyeX : {LeftEyeX + 2, RightEyeX})
        sprite.FillRect(eyeX + look.dx, FaceEyeY + look.dy, 2, 2, Palette::FrightenedFace);
    for (int x = MouthLeft; x <= MouthRight; ++x)
        sprite.Set(x + look.dx, MouthY + (x % 2) + look.dy, Palette::FrightenedFace);
    return sprite;
}

Image GhostEyes(int direction)
{
    Image sprite(SpriteSize, SpriteSize);
    DrawEyes(sprite, direction, true);
    return sprite;
}

// ---- The selection frames ----

// Corner brackets around the sprite's square: a light outer line, the ghost's
// colour inside it and a dark edge towards the ghost, so they show on any floor.
Image SelectionFrame(const Palette::GhostColours& colours)
{
    constexpr int Arm = 6;
    constexpr int Far = SpriteSize - 1;  // the bracket square spans the sprite: 0 to 17
    Image frame(SheetPitch, SheetPitch);
    const auto bracketPixel = [&](int x, int y, Rgb colour) {
        // Each corner is the same L, mirrored into place.
        frame.Set(x, y, colour);
        frame.Set(Far - x, y, colour);
        frame.Set(x, Far - y, colour);
        frame.Set(Far - x, Far - y, colour);
    };
    for (int i = 0; i < Arm; ++i) {
        bracketPixel(i, 0, colours.light);
        bracketPixel(0, i, colours.light);
        bracketPixel(i + 1, 1, colours.base);
        bracketPixel(1, i + 1, colours.base);
        bracketPixel(i + 2, 2, colours.outline);
        bracketPixel(2, i + 2, colours.outline);
    }
    // Round off the arms' inner ends.
    bracketPixel(Arm + 1, 2, Transparent);
    bracketPixel(2, Arm + 1, Transparent);
    return frame;
}

}  // namespace

Image MakeGulperSheet()
{
    constexpr int Columns = 8;
    Image sheet(Columns * SheetPitch, DirectionCount * SheetPitch);
    for (int column = 0; column < Columns; ++column) {
        const bool mouthFrame = column < MouthColumnCount;
        const Image sprite =
            mouthFrame ? GulperFacingRight(MouthAngles[column], GulperRadius, GulperEye::Open, 10, 4)
                       : GulperDyingFrame(column);
        for (int direction = 0; direction < DirectionCount; ++direction)
            PutSprite(sheet, column, direction, mouthFrame ? Facing(sprite, direction) : sprite);
    }
    return sheet;
}

Image MakeGhostSheet()
{
    constexpr int Columns = DirectionCount * WalkingPhases;
    constexpr int Rows = 6;
    Image sheet(Columns * SheetPitch, Rows * SheetPitch);
    for (int phase = 0; phase < WalkingPhases; ++phase)
        for (int direction = 0; direction < DirectionCount; ++direction) {
            const int column = direction + DirectionCount * phase;
            for (int colour = 0; colour < GhostColourCount; ++colour)
                PutSprite(sheet, column, colour, HuntingGhost(colour, direction, phase));
            PutSprite(sheet, column, FrightenedRow, FrightenedGhost(direction, phase));
        }
    for (int direction = 0; direction < DirectionCount; ++direction)
        PutSprite(sheet, direction, EyesRow, GhostEyes(direction));
    return sheet;
}

Image MakeGhostControls()
{
    Image sheet(GhostColourCount * SheetPitch, SheetPitch);
    for (int colour = 0; colour < GhostColourCount; ++colour)
        sheet.Paste(SelectionFrame(Palette::Ghosts[colour]), colour * SheetPitch, 0);
    return sheet;
}
