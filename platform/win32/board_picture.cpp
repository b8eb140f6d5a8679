// A night sky in deep blue and violet: slow periodic clouds, faint diagonal
// light streaks and a field of stars. Every shape repeats with the picture's
// width and height, so tiles meet without a seam. The pixels are worked out
// in whole numbers, 1024 standing for 1, with shifts rather than divisions:
// the picture is made at every start, and floating point and division are
// slow on the processors the programs are built for.

#include "platform/win32/board_picture.h"

#include <cmath>

namespace platform::win32 {
namespace {

const int one = 1024, half = 512, oneShift = 10;
const double turn = 6.283185307179586;

struct Colour {
    int r, g, b;
};

// Waves whose periods divide the picture's size: cosines and sines of two
// frequencies along each side, so that cos(a + b) comes from the row's and
// the column's values.
struct Waves {
    int x[boardPictureWidth][4];
    int y[boardPictureHeight][4];
};

int scaled(double value) { return static_cast<int>(std::lround(value * one)); }

void makeWaves(Waves& waves) {
    for (int x = 0; x < boardPictureWidth; ++x) {
        const double a = turn * x / boardPictureWidth;
        const int values[4] = {scaled(std::cos(a)), scaled(std::sin(a)), scaled(std::cos(2 * a + 1.3)),
                               scaled(std::sin(2 * a + 1.3))};
        for (int i = 0; i < 4; ++i) waves.x[x][i] = values[i];
    }
    for (int y = 0; y < boardPictureHeight; ++y) {
        const double b = turn * y / boardPictureHeight;
        const int values[4] = {scaled(std::cos(b + 0.7)), scaled(std::sin(b + 0.7)), scaled(std::cos(3 * b)),
                               scaled(std::sin(3 * b))};
        for (int i = 0; i < 4; ++i) waves.y[y][i] = values[i];
    }
}

// a · b, both in units of 1024.
int times(int a, int b) { return a * b >> oneShift; }

int blend(int from, int to, int amount) { return from + times(to - from, amount); }

std::uint32_t pixelOf(int r, int g, int b) {
    auto channel = [](int v) { return static_cast<std::uint32_t>(v > 255 ? 255 : v < 0 ? 0 : v); };
    return channel(r) << 16 | channel(g) << 8 | channel(b);
}

void paintClouds(std::uint32_t* pixels, const Waves& waves) {
    const Colour deep = {8, 6, 34}, violet = {46, 14, 84}, blue = {10, 34, 78}, streak = {70, 64, 150};
    for (int y = 0; y < boardPictureHeight; ++y) {
        const int* wy = waves.y[y];
        for (int x = 0; x < boardPictureWidth; ++x) {
            const int* wx = waves.x[x];
            const int slow = times(wx[0], wy[0]) - times(wx[1], wy[1]);  // cos(a + b + 0.7)
            const int fast = times(wx[2], wy[2]) - times(wx[3], wy[3]);
            const int cloud = half + times(slow, 307) + times(fast, 205);  // 0.5 + 0.3 slow + 0.2 fast
            const int glow = times(cloud, cloud);
            const int tint = half + ((times(wx[1], wy[0]) + times(wx[0], wy[1])) >> 1);
            int band = half + ((times(wx[2], wy[0]) - times(wx[3], wy[1])) >> 1);
            for (int square = 0; square < 4; ++square) band = times(band, band);  // a narrow streak
            // The streaks show where the clouds are, and fade between them.
            const int light = times(times(band, glow), 307);
            const Colour ground = {blend(violet.r, blue.r, tint), blend(violet.g, blue.g, tint),
                                   blend(violet.b, blue.b, tint)};
            pixels[y * boardPictureWidth + x] = pixelOf(blend(deep.r, ground.r, glow) + times(streak.r, light),
                                                        blend(deep.g, ground.g, glow) + times(streak.g, light),
                                                        blend(deep.b, ground.b, glow) + times(streak.b, light));
        }
    }
}

// A coordinate near the picture, brought into it from the opposite edge.
int wrapped(int value, int size) { return value < 0 ? value + size : value >= size ? value - size : value; }

// Light added at one pixel, wrapping around the picture's edges.
void addLight(std::uint32_t* pixels, int x, int y, const Colour& light, int strength) {
    std::uint32_t& pixel =
        pixels[wrapped(y, boardPictureHeight) * boardPictureWidth + wrapped(x, boardPictureWidth)];
    pixel = pixelOf(static_cast<int>(pixel >> 16 & 0xFF) + times(light.r, strength),
                    static_cast<int>(pixel >> 8 & 0xFF) + times(light.g, strength),
                    static_cast<int>(pixel & 0xFF) + times(light.b, strength));
}

void paintStars(std::uint32_t* pixels) {
    std::uint32_t seed = 0x5EED1234u;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>(seed >> 22);  // 0 to 1023
    };
    for (int star = 0; star < 420; ++star) {
        const int x = times(next(), boardPictureWidth), y = times(next(), boardPictureHeight);
        const int brightness = next(), warmth = next();
        const Colour light = {200 + times(55, warmth), 210 + times(30, warmth), 255 - times(60, warmth)};
        // Most stars are a faint point; one in a dozen carries a halo and a
        // faint cross of light.
        const bool large = star % 12 == 0;
        const int reach = large ? 7 : 1;
        const double size = large ? 2.2 : 0.55 + 0.5 * brightness / one;
        const int peak = one / 4 + times(brightness, 768);  // 0.25 to 1
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx) {
                int strength = static_cast<int>(peak * std::exp(-(dx * dx + dy * dy) / (size * size)));
                if (large && (dx == 0 || dy == 0)) strength += 205 / (1 + dx * dx + dy * dy);
                addLight(pixels, x + dx, y + dy, light, strength);
            }
    }
}

}  // namespace

void paintBoardPicture(std::uint32_t* pixels) {
    auto* waves = new Waves;
    makeWaves(*waves);
    paintClouds(pixels, *waves);
    delete waves;
    paintStars(pixels);
}

}  // namespace platform::win32
