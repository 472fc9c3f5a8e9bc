// Draws the 17 grey-level lens-flare textures and writes them as SGI images into the folder
// given as the only argument: OpenGL.bw (a small emblem, never drawn by the flare), Shine0..9.bw
// (glows with rays of light, each set of rays different) and Flare1..6.bw (glows, discs and
// rings). Shines are written run-length encoded, the emblem verbatim, the flares alternately,
// so both storage kinds ship. Everything is computed from fixed formulas: the same program
// writes the same bytes.

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "render/SgiImage.h"

namespace {

constexpr int kSize = 128;
constexpr float kPi = 3.14159265f;

// A picture from a brightness function of the centred coordinates u, v in [-1, 1], averaged
// over 4 x 4 samples per pixel so thin rays and rings stay smooth.
std::vector<unsigned char> drawPicture(const std::function<float(float, float)>& brightness) {
    std::vector<unsigned char> pixels(kSize * kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            float sum = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) {
                    const float u = ((x + (sx + 0.5f) / 4) / kSize) * 2 - 1;
                    const float v = ((y + (sy + 0.5f) / 4) / kSize) * 2 - 1;
                    sum += std::clamp(brightness(u, v), 0.0f, 1.0f);
                }
            pixels[y * kSize + x] = static_cast<unsigned char>(std::lround(sum / 16 * 255));
        }
    return pixels;
}

// Falls smoothly from 1 at radius 0 to 0 at radius 1 and stays 0 beyond, so a sprite's
// square edge never shows.
float fade(float r) {
    if (r >= 1)
        return 0;
    const float t = 1 - r * r;
    return t * t;
}

// A bright band of the given width (half at its edges) around radius r0.
float band(float r, float r0, float width) {
    const float d = (r - r0) / width;
    return std::exp(-d * d * 2.77f);
}

// Integer hash to [0, 1): repeatable pseudo-random numbers for the rays.
float hash(unsigned n) {
    n = (n ^ 61u) ^ (n >> 16);
    n *= 9u;
    n ^= n >> 4;
    n *= 0x27d4eb2du;
    n ^= n >> 15;
    return static_cast<float>(n & 0xFFFFFF) / 16777216.0f;
}

// A hot core, a soft glow and 'rays' radial streaks of hashed angles, lengths and strengths.
float shine(float u, float v, int seed) {
    const float r = std::sqrt(u * u + v * v);
    const float angle = std::atan2(v, u);
    const int rays = 24 + 4 * (seed % 4);
    float streaks = 0;
    for (int k = 0; k < rays; ++k) {
        const unsigned key = static_cast<unsigned>(seed * 131 + k);
        const float direction = 2 * kPi * (k + hash(key) * 0.8f) / rays;
        const float length = 0.45f + 0.5f * hash(key + 7777);
        const float strength = 0.35f + 0.65f * hash(key + 3333);
        // Thin, fading with distance; near the centre, where the streaks crowd together,
        // they give way to the core.
        const float width = 0.006f + 0.02f * (1 - std::min(r / length, 1.0f));
        const float d = std::abs(std::remainder(angle - direction, 2 * kPi)) * r;
        streaks += strength * std::exp(-(d * d) / (width * width)) * fade(r / length) *
                   (1 - std::exp(-r * r * 80.0f));
    }
    const float core = std::exp(-r * r * 120.0f);
    const float glow = 0.35f * std::exp(-r * 4.0f);
    return (core + glow + 0.8f * streaks) * fade(r);
}

// Distance from (u, v) to the segment a-b.
float segmentDistance(float u, float v, float ax, float ay, float bx, float by) {
    const float px = u - ax, py = v - ay, dx = bx - ax, dy = by - ay;
    const float t = std::clamp((px * dx + py * dy) / (dx * dx + dy * dy), 0.0f, 1.0f);
    const float ex = px - t * dx, ey = py - t * dy;
    return std::sqrt(ex * ex + ey * ey);
}

// A ring holding an extruded-looking letter V with a drop shadow, on a light ground.
float emblem(float u, float v) {
    const float r = std::sqrt(u * u + v * v);
    auto stroke = [](float d, float halfWidth) {
        return std::clamp((halfWidth - d) * kSize / 2 + 0.5f, 0.0f, 1.0f);
    };
    auto letterV = [&](float du, float dv) {
        const float d = std::min(segmentDistance(u - du, v - dv, -0.42f, 0.45f, 0.0f, -0.45f),
                                 segmentDistance(u - du, v - dv, 0.42f, 0.45f, 0.0f, -0.45f));
        return stroke(d, 0.1f);
    };
    float level = 0.85f - 0.25f * stroke(std::abs(r - 0.86f), 0.07f);
    level = level * (1 - 0.6f * letterV(0.05f, -0.05f));  // shadow
    level = std::max(level * (1 - letterV(0, 0)), letterV(0, 0) * (0.35f + 0.3f * (v + 0.5f)));
    return level * stroke(r, 0.97f);
}

bool writeFile(const std::string& path, const std::vector<unsigned char>& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), std::strerror(errno));
        return false;
    }
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    if (std::fclose(f) != 0 || !ok) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), std::strerror(errno));
        return false;
    }
    return true;
}

bool save(const std::string& folder, const std::string& name,
          const std::function<float(float, float)>& brightness, bool runLength) {
    const std::vector<unsigned char> pixels = drawPicture(brightness);
    return writeFile(folder + "/" + name, vyr::encodeSgi(pixels.data(), kSize, kSize, runLength));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = save(folder, "OpenGL.bw", emblem, false);
    for (int i = 0; i < 10; ++i)
        ok = ok && save(
                       folder, "Shine" + std::to_string(i) + ".bw",
                       [i](float u, float v) { return shine(u, v, i); }, true);

    const std::function<float(float, float)> flares[6] = {
        // Flare1: a soft glow.
        [](float u, float v) { return fade(std::sqrt(u * u + v * v)); },
        // Flare2: a ring fading inward.
        [](float u, float v) {
            const float r = std::sqrt(u * u + v * v);
            return (band(r, 0.8f, 0.12f) + 0.25f * r * r) * fade(r * 0.95f);
        },
        // Flare3: a disc with a soft edge and a brighter rim.
        [](float u, float v) {
            const float r = std::sqrt(u * u + v * v);
            const float disc = std::clamp((0.85f - r) * 12.0f, 0.0f, 1.0f);
            return 0.55f * disc + 0.45f * band(r, 0.8f, 0.06f) * disc;
        },
        // Flare4: a thin bright ring.
        [](float u, float v) { return band(std::sqrt(u * u + v * v), 0.75f, 0.05f); },
        // Flare5: a hexagonal iris with a soft edge.
        [](float u, float v) {
            float edge = 0;
            for (int k = 0; k < 3; ++k) {
                const float a = kPi / 3 * k;
                edge = std::max(edge, std::abs(u * std::cos(a) + v * std::sin(a)));
            }
            return 0.7f * std::clamp((0.8f - edge) * 10.0f, 0.0f, 1.0f);
        },
        // Flare6: a small, hard-centred glow.
        [](float u, float v) {
            const float r = std::sqrt(u * u + v * v);
            return std::exp(-r * r * 12.0f) * fade(r);
        },
    };
    for (int i = 0; i < 6; ++i)
        ok = ok && save(folder, "Flare" + std::to_string(i + 1) + ".bw", flares[i], i % 2 == 1);
    return ok ? 0 : 1;
}
