// A night sky in deep blue and violet: slow periodic clouds, two faint
// diagonal light streaks and a field of stars. Every shape repeats with the
// picture's width and height, so tiles meet without a seam.

#include "platform/win32/board_picture.h"

#include <cmath>

namespace platform::win32 {
namespace {

const double turn = 6.283185307179586;
const int pixelCount = boardPictureWidth * boardPictureHeight;

struct Colour {
    float r, g, b;
};

// Waves whose periods divide the picture's size; each pixel sums a few.
struct Waves {
    float x[boardPictureWidth][4];
    float y[boardPictureHeight][4];
};

// Light added at one pixel, wrapping around the picture's edges.
void addLight(Colour* sky, int x, int y, Colour light, float strength) {
    Colour& c = sky[((y + boardPictureHeight) % boardPictureHeight) * boardPictureWidth +
                    (x + boardPictureWidth) % boardPictureWidth];
    c.r += light.r * strength;
    c.g += light.g * strength;
    c.b += light.b * strength;
}

void paintClouds(Colour* sky, const Waves& waves) {
    const Colour deep = {8, 6, 34}, violet = {46, 14, 84}, blue = {10, 34, 78}, streak = {70, 64, 150};
    for (int y = 0; y < boardPictureHeight; ++y) {
        const float* wy = waves.y[y];
        for (int x = 0; x < boardPictureWidth; ++x) {
            const float* wx = waves.x[x];
            // cos(a + b) from the row's and the column's sines and cosines.
            const float cloud = 0.5f + 0.3f * (wx[0] * wy[0] - wx[1] * wy[1]) + 0.2f * (wx[2] * wy[2] - wx[3] * wy[3]);
            const float tint = 0.5f + 0.5f * (wx[1] * wy[0] + wx[0] * wy[1]);
            float band = 0.5f + 0.5f * (wx[2] * wy[0] - wx[3] * wy[1]);
            band *= band;
            band *= band;
            band *= band;
            band *= band;  // a narrow streak: the 16th power of a wave
            const float glow = cloud * cloud;
            // The streaks show where the clouds are, and fade between them.
            const float light = 0.3f * band * glow;
            Colour& c = sky[y * boardPictureWidth + x];
            c.r = deep.r + glow * (violet.r + tint * (blue.r - violet.r) - deep.r) + light * streak.r;
            c.g = deep.g + glow * (violet.g + tint * (blue.g - violet.g) - deep.g) + light * streak.g;
            c.b = deep.b + glow * (violet.b + tint * (blue.b - violet.b) - deep.b) + light * streak.b;
        }
    }
}

void paintStars(Colour* sky) {
    std::uint32_t seed = 0x5EED1234u;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) / 16777216.0f;
    };
    for (int star = 0; star < 420; ++star) {
        const float x = next() * boardPictureWidth, y = next() * boardPictureHeight;
        const float brightness = next();
        const float warmth = next();
        const Colour light = {200 + 55 * warmth, 210 + 30 * warmth, 255 - 60 * warmth};
        // Most stars are a faint point; one in a dozen carries a halo.
        const bool large = star % 12 == 0;
        const int reach = large ? 7 : 1;
        const float size = large ? 2.2f : 0.55f + 0.5f * brightness;
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx) {
                const float ox = static_cast<int>(x) + dx + 0.5f - x, oy = static_cast<int>(y) + dy + 0.5f - y;
                const float distance = ox * ox + oy * oy;
                float strength = (0.25f + 0.75f * brightness) * std::exp(-distance / (size * size));
                // A faint cross of light through the large stars.
                if (large && (dx == 0 || dy == 0)) strength += 0.18f / (1.0f + std::fabs(ox + oy));
                addLight(sky, static_cast<int>(x) + dx, static_cast<int>(y) + dy, light, strength);
            }
    }
}

std::uint32_t pixelOf(const Colour& c) {
    auto channel = [](float v) { return static_cast<std::uint32_t>(v > 255 ? 255 : v < 0 ? 0 : v); };
    return channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
}

}  // namespace

void paintBoardPicture(std::uint32_t* pixels) {
    auto* waves = new Waves;
    for (int x = 0; x < boardPictureWidth; ++x) {
        const double a = turn * x / boardPictureWidth;
        waves->x[x][0] = static_cast<float>(std::cos(a));
        waves->x[x][1] = static_cast<float>(std::sin(a));
        waves->x[x][2] = static_cast<float>(std::cos(2 * a + 1.3));
        waves->x[x][3] = static_cast<float>(std::sin(2 * a + 1.3));
    }
    for (int y = 0; y < boardPictureHeight; ++y) {
        const double b = turn * y / boardPictureHeight;
        waves->y[y][0] = static_cast<float>(std::cos(b + 0.7));
        waves->y[y][1] = static_cast<float>(std::sin(b + 0.7));
        waves->y[y][2] = static_cast<float>(std::cos(3 * b));
        waves->y[y][3] = static_cast<float>(std::sin(3 * b));
    }
    auto* sky = new Colour[pixelCount];
    paintClouds(sky, *waves);
    paintStars(sky);
    for (int i = 0; i < pixelCount; ++i) pixels[i] = pixelOf(sky[i]);
    delete[] sky;
    delete waves;
}

}  // namespace platform::win32
