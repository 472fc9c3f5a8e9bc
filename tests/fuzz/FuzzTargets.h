#pragma once

#include <cstddef>
#include <cstdint>

namespace vyr {
class Scene;
}

namespace vyr::fuzz {

// Entry points of the fuzz targets. Each takes one input and aborts when it breaks a rule
// the program keeps for any input: no crash, a clear message for what it refuses, nothing
// changed by a refused file, no value that is not a finite number in any output.

/// The bytes as a scene file loaded into a running scene.
int sceneFile(const uint8_t* data, size_t size);
/// The bytes as a font file; the pangram built with the bevel on and written in every format.
int fontText(const uint8_t* data, size_t size);
/// The bytes as vyr-cli's arguments, separated by zero bytes.
int cliArguments(const uint8_t* data, size_t size);
/// The bytes as a text and its layout (the first byte: layout, direction, alignment; then a
/// feature list up to a newline; then the text), built with DejaVu Sans and written in every
/// format; its scene file, extension block included, loads back to the same bytes.
int textLayout(const uint8_t* data, size_t size);
/// The bytes as an SGI texture, read whole and row by row.
int sgiImage(const uint8_t* data, size_t size);

/// Runs every writer on the scene's last build and checks what they wrote.
void writeEverything(const Scene& scene);

}  // namespace vyr::fuzz
