#include <cstdlib>

#include "FuzzTargets.h"
#include "render/SgiImage.h"

int vyr::fuzz::sgiImage(const uint8_t* data, size_t size) {
    const std::span<const unsigned char> bytes(data, size);
    std::string error;
    SgiTexture texture;
    if (readTexture(bytes, texture, &error)) {
        if (texture.pixels.size() != size_t(texture.width) * size_t(texture.height))
            std::abort();
    } else if (error.empty() || !texture.pixels.empty()) {
        std::abort();
    }
    // Every row of every channel, also of images with more than one.
    if (auto image = imageOpen(bytes, &error)) {
        std::vector<unsigned char> row(image->xsize);
        for (int z = 0; z < image->zsize; ++z) {
            for (int y = 0; y < image->ysize; ++y)
                imageGetRow(*image, row.data(), y, z, &error);
        }
        imageClose(image);
    }
    return 0;
}
