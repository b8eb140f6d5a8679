// make_icons.cpp - draws the disc icon and the board pointer and writes the
// icon and cursor files in assets/.
//
// Regenerate (from the repository root):
//   g++ -O2 -std=c++17 tools/make_icons.cpp -o /tmp/make_icons && /tmp/make_icons
// Optionally pass the assets directory as the first argument (default "assets").
//
// Output:
//   assets/VYR.ico     default disc icon, 64/48/32/24/16 px, 32-bit with alpha
//   assets/player.ico  menu player window icon, 32/16 px, 32-bit with alpha
//   assets/board.cur   menu player board pointer, 32 px, 32-bit with alpha
//
// Every size is rendered directly from the same vector description of the
// picture with 8x8 supersampling, so edges stay smooth even at 16 px.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

const double kPi = 3.14159265358979323846;

struct Rgba {
    double r = 0, g = 0, b = 0, a = 0;  // straight colour 0..1, alpha 0..1
};

double clamp01(double v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

double mix(double a, double b, double t) { return a + (b - a) * t; }

Rgba mixColour(const Rgba& a, const Rgba& b, double t) {
    return {mix(a.r, b.r, t), mix(a.g, b.g, t), mix(a.b, b.b, t), mix(a.a, b.a, t)};
}

Rgba rgb(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0, 1.0}; }

// Hue (0..1) to a fully saturated RGB colour.
Rgba hueColour(double h) {
    h = h - std::floor(h);
    double x = h * 6.0;
    double r = clamp01(std::fabs(x - 3.0) - 1.0);
    double g = clamp01(2.0 - std::fabs(x - 2.0));
    double b = clamp01(2.0 - std::fabs(x - 4.0));
    return {r, g, b, 1.0};
}

// Geometry of the disc for one image size. Radii are in pixels, measured from
// the image centre. Line widths have a lower bound in pixels so they stay
// visible on the smallest sizes.
struct Disc {
    double size;
    double outer;      // outer edge of the disc
    double rimWidth;   // dark outer rim line
    double dataInner;  // inner edge of the recorded (rainbow) area
    double hubRing;    // radius of the lighter hub ring (centre of the line)
    double hubRingW;   // hub ring line width
    double hole;       // centre hole radius (transparent inside)
    double holeLineW;  // thin grey line around the hole

    explicit Disc(int px) : size(px) {
        outer = px * 0.485;
        rimWidth = std::max(px * 0.035, 0.85);
        dataInner = px * 0.215;
        hubRing = px * 0.165;
        hubRingW = std::max(px * 0.05, 0.9);
        hole = std::max(px * 0.085, 1.35);
        holeLineW = std::max(px * 0.022, 0.55);
    }

    // Colour of the disc at point (x, y) in pixel coordinates.
    Rgba sample(double x, double y) const {
        double cx = size / 2.0, cy = size / 2.0;
        double dx = x - cx, dy = y - cy;
        double r = std::sqrt(dx * dx + dy * dy);
        Rgba none;
        if (r > outer || r < hole) return none;

        // Screen angle, 0 = right, counter-clockwise (y grows downwards).
        double theta = std::atan2(-dy, dx);

        // Outer rim line.
        if (r > outer - rimWidth) return rgb(62, 66, 82);

        // Centre hole edge.
        if (r < hole + holeLineW) return rgb(128, 132, 146);

        if (r >= dataInner) {
            // Recorded area: silver / pearl with a rainbow sheen and two
            // opposing bright wedges along the light direction.
            double t = (r - dataInner) / (outer - rimWidth - dataInner);  // 0..1
            Rgba base = mixColour(rgb(218, 222, 232), rgb(184, 190, 206), t);

            // Light from the top-left: bright wedges around 135 and 315 deg.
            double light = std::cos(2.0 * (theta - 3.0 * kPi / 4.0));
            double wedge = std::pow(clamp01(light), 4.0);
            double shade = std::pow(clamp01(-light), 2.0);

            // Signed angular distance from the nearest bright wedge axis,
            // -pi/2..pi/2. The rainbow fans out on both sides of each wedge and
            // its hue drifts a little with the radius.
            double d = std::remainder(theta - 3.0 * kPi / 4.0, kPi);
            double u = std::fabs(d) / (kPi / 2.0);  // 0 at a wedge, 1 between
            double hue = 0.02 + u * 0.85 + t * 0.12 + (d < 0 ? 0.08 : 0.0);
            Rgba rainbow = hueColour(hue);
            double band = std::exp(-std::pow((u - 0.30) / 0.22, 2.0));
            double sheen = 0.10 + 0.30 * band;
            Rgba c = mixColour(base, rainbow, sheen);

            c = mixColour(c, rgb(255, 255, 255), wedge * 0.8);
            c = mixColour(c, rgb(128, 136, 160), shade * 0.22);

            // Faint concentric grooves.
            double groove = 0.5 + 0.5 * std::sin(r / size * 2.0 * kPi * 9.0);
            c = mixColour(c, rgb(255, 255, 255), groove * 0.06);
            c.a = 1.0;
            return c;
        }

        // Hub area: clear pearly plastic with a lighter ring.
        Rgba hubBase = mixColour(rgb(206, 212, 226), rgb(226, 230, 240),
                                 0.5 + 0.5 * std::cos(theta - 3.0 * kPi / 4.0));
        if (std::fabs(r - hubRing) < hubRingW / 2.0) {
            Rgba ring = rgb(250, 251, 255);
            return ring;
        }
        // Thin darker line where the recorded area begins.
        if (r > dataInner - std::max(size * 0.02, 0.5)) return rgb(150, 156, 174);
        return hubBase;
    }
};

// The board pointer: an arrow in the colours of the menu's entry boxes (dark
// blue inside a green line) over a soft shadow, so that it shows on the dark
// board picture and on the boxes alike. Its hot spot is the tip at (1, 1).
struct Pointer {
    struct Point {
        double x, y;
    };
    std::vector<Point> outline{{1.2, 1.2}, {1.2, 22.5}, {6.4, 17.6}, {10.0, 25.6}, {13.6, 24.0},
                               {10.0, 16.2}, {17.0, 16.2}};

    bool inside(double x, double y) const {
        bool in = false;
        for (size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
            const Point& a = outline[i];
            const Point& b = outline[j];
            if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) in = !in;
        }
        return in;
    }

    double edgeDistance(double x, double y) const {
        double nearest = 1e9;
        for (size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
            const Point& a = outline[i];
            const Point& b = outline[j];
            const double dx = b.x - a.x, dy = b.y - a.y;
            const double t = clamp01(((x - a.x) * dx + (y - a.y) * dy) / (dx * dx + dy * dy));
            nearest = std::min(nearest, std::hypot(x - a.x - t * dx, y - a.y - t * dy));
        }
        return nearest;
    }

    Rgba sample(double x, double y) const {
        const double line = 0.9;  // half the width of the green line
        const bool in = inside(x, y);
        const double edge = edgeDistance(x, y);
        if (edge < line) return rgb(0, 224, 128);
        if (in) {
            // A little light from the tip down the arrow.
            const double t = clamp01((x + y) / 36.0);
            return mixColour(rgb(20, 92, 150), rgb(0, 48, 91), t);
        }
        // The shadow: the arrow again, 1.5 pixels down and right, blurred.
        const double sx = x - 1.5, sy = y - 1.5;
        const double shadowEdge = edgeDistance(sx, sy);
        const double shadow = inside(sx, sy) ? 0.45 : 0.45 * clamp01(1.0 - shadowEdge / 1.6);
        Rgba c = rgb(0, 0, 0);
        c.a = shadow;
        return c;
    }
};

struct Image {
    int size = 0;
    std::vector<uint8_t> bgra;  // top-down rows, 4 bytes per pixel
};

using Sampler = std::function<Rgba(double x, double y)>;

Image render(int px, const Sampler& sample) {
    const int ss = 8;  // supersampling factor per axis
    Image img;
    img.size = px;
    img.bgra.assign(static_cast<size_t>(px) * px * 4, 0);
    for (int y = 0; y < px; ++y) {
        for (int x = 0; x < px; ++x) {
            double pr = 0, pg = 0, pb = 0, pa = 0;  // premultiplied sums
            for (int sy = 0; sy < ss; ++sy) {
                for (int sx = 0; sx < ss; ++sx) {
                    double fx = x + (sx + 0.5) / ss;
                    double fy = y + (sy + 0.5) / ss;
                    Rgba c = sample(fx, fy);
                    pr += c.r * c.a;
                    pg += c.g * c.a;
                    pb += c.b * c.a;
                    pa += c.a;
                }
            }
            const double n = ss * ss;
            uint8_t* p = &img.bgra[(static_cast<size_t>(y) * px + x) * 4];
            double a = pa / n;
            int ai = static_cast<int>(std::lround(a * 255.0));
            if (ai <= 0) {
                p[0] = p[1] = p[2] = p[3] = 0;
                continue;
            }
            // Straight (non-premultiplied) colour, as icons expect.
            p[0] = static_cast<uint8_t>(std::lround(clamp01(pb / pa) * 255.0));
            p[1] = static_cast<uint8_t>(std::lround(clamp01(pg / pa) * 255.0));
            p[2] = static_cast<uint8_t>(std::lround(clamp01(pr / pa) * 255.0));
            p[3] = static_cast<uint8_t>(ai);
        }
    }
    return img;
}

void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v & 0xff));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xff));
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

int maskRowBytes(int w) { return ((w + 31) / 32) * 4; }

uint32_t imageBytes(int s) {
    return 40u + 4u * s * s + static_cast<uint32_t>(maskRowBytes(s)) * s;
}

// Icon resource image: BITMAPINFOHEADER, BGRA pixels bottom-up, AND mask
// bottom-up (bit set = transparent).
void appendImage(std::vector<uint8_t>& out, const Image& img) {
    const int s = img.size;
    put32(out, 40);             // biSize
    put32(out, s);              // biWidth
    put32(out, 2 * s);          // biHeight (colour + mask)
    put16(out, 1);              // biPlanes
    put16(out, 32);             // biBitCount
    put32(out, 0);              // biCompression = BI_RGB
    put32(out, 0);              // biSizeImage
    put32(out, 0);              // biXPelsPerMeter
    put32(out, 0);              // biYPelsPerMeter
    put32(out, 0);              // biClrUsed
    put32(out, 0);              // biClrImportant
    for (int y = s - 1; y >= 0; --y) {
        const uint8_t* row = &img.bgra[static_cast<size_t>(y) * s * 4];
        out.insert(out.end(), row, row + s * 4);
    }
    const int rowBytes = maskRowBytes(s);
    for (int y = s - 1; y >= 0; --y) {
        std::vector<uint8_t> row(rowBytes, 0);
        for (int x = 0; x < s; ++x) {
            if (img.bgra[(static_cast<size_t>(y) * s + x) * 4 + 3] == 0)
                row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

// An icon file (type 1), or a cursor file (type 2), whose directory entries
// hold the hot spot where an icon's hold its planes and bit count.
std::vector<uint8_t> buildImageFile(int type, const std::vector<Image>& images, int hotX, int hotY) {
    std::vector<uint8_t> out;
    put16(out, 0);  // reserved
    put16(out, static_cast<uint32_t>(type));
    put16(out, static_cast<uint32_t>(images.size()));
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
    for (const Image& img : images) {
        const int s = img.size;
        out.push_back(static_cast<uint8_t>(s >= 256 ? 0 : s));  // width
        out.push_back(static_cast<uint8_t>(s >= 256 ? 0 : s));  // height
        out.push_back(0);                                      // colour count
        out.push_back(0);                                      // reserved
        put16(out, static_cast<uint32_t>(hotX));               // icon: planes
        put16(out, static_cast<uint32_t>(hotY));               // icon: bit count
        put32(out, imageBytes(s));
        put32(out, offset);
        offset += imageBytes(s);
    }
    for (const Image& img : images) appendImage(out, img);
    return out;
}

std::vector<uint8_t> buildIcon(const std::vector<int>& sizes) {
    std::vector<Image> images;
    for (int s : sizes) {
        const Disc disc(s);
        images.push_back(render(s, [&disc](double x, double y) { return disc.sample(x, y); }));
    }
    return buildImageFile(1, images, 1, 32);
}

std::vector<uint8_t> buildCursor() {
    const Pointer pointer;
    return buildImageFile(2, {render(32, [&pointer](double x, double y) { return pointer.sample(x, y); })}, 1, 1);
}

bool writeFile(const std::string& path, const std::vector<uint8_t>& data) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "cannot open %s for writing\n", path.c_str());
        return false;
    }
    bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
    ok = (std::fclose(f) == 0) && ok;
    if (!ok) std::fprintf(stderr, "error writing %s\n", path.c_str());
    else std::printf("wrote %s (%zu bytes)\n", path.c_str(), data.size());
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    std::string dir = argc > 1 ? argv[1] : "assets";
    bool ok = writeFile(dir + "/VYR.ico", buildIcon({64, 48, 32, 24, 16}));
    ok = writeFile(dir + "/player.ico", buildIcon({32, 16})) && ok;
    ok = writeFile(dir + "/board.cur", buildCursor()) && ok;
    return ok ? 0 : 1;
}
