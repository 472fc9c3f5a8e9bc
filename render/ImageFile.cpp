#include "render/ImageFile.h"

#include <png.h>
#include <turbojpeg.h>

#include <algorithm>

#include "core/AtomicFile.h"
#include "render/Renderer.h"

namespace vyr {

namespace {

void setError(std::string* error, std::string text) {
    if (error != nullptr)
        *error = std::move(text);
}

int turboFormat(PixelLayout layout) {
    switch (layout) {
        case PixelLayout::Rgb:
            return TJPF_RGB;
        case PixelLayout::Bgr:
            return TJPF_BGR;
        case PixelLayout::Rgbx:
            return TJPF_RGBX;
        case PixelLayout::Bgrx:
            return TJPF_BGRX;
        case PixelLayout::Grey:
            return TJPF_GRAY;
    }
    return TJPF_RGB;
}

}  // namespace

std::vector<unsigned char> encodeJpeg(const unsigned char* pixels, int width, int height, int pitch,
                                      PixelLayout layout, int quality, std::string* error) {
    if (pixels == nullptr || width <= 0 || height <= 0) {
        setError(error, "no picture to encode");
        return {};
    }
    tjhandle handle = tjInitCompress();
    if (handle == nullptr) {
        setError(error, "the JPEG encoder could not be started");
        return {};
    }
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    const bool grey = layout == PixelLayout::Grey;
    const int result = tjCompress2(handle, pixels, width, pitch, height, turboFormat(layout), &jpeg,
                                   &size, grey ? TJSAMP_GRAY : TJSAMP_420,
                                   std::clamp(quality, 1, 100), TJFLAG_ACCURATEDCT);
    std::vector<unsigned char> bytes;
    if (result == 0 && jpeg != nullptr)
        bytes.assign(jpeg, jpeg + size);
    else
        setError(error, std::string("JPEG encoding failed: ") + tjGetErrorStr2(handle));
    tjFree(jpeg);
    tjDestroy(handle);
    return bytes;
}

std::vector<unsigned char> encodeJpegToMemory(const unsigned char* pixels, int width, int height,
                                              int channels, int quality, std::string* error) {
    return encodeJpeg(pixels, width, height, 0,
                      channels == 3 ? PixelLayout::Rgb : PixelLayout::Grey, quality, error);
}

std::vector<unsigned char> encodePng(const unsigned char* rgb, int width, int height,
                                     std::string* error) {
    if (rgb == nullptr || width <= 0 || height <= 0) {
        setError(error, "no picture to encode");
        return {};
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgb, 0, nullptr)) {
        setError(error, std::string("PNG encoding failed: ") + image.message);
        return {};
    }
    std::vector<unsigned char> bytes(size);
    if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, rgb, 0, nullptr)) {
        setError(error, std::string("PNG encoding failed: ") + image.message);
        return {};
    }
    bytes.resize(size);
    return bytes;
}

bool writeImageFile(const std::string& path, const std::vector<unsigned char>& bytes,
                    std::string* error) {
    AtomicFile file(path);
    if (!file.isOpen()) {
        setError(error, "cannot write \"" + path + "\": " + file.error());
        return false;
    }
    file.stream().write(reinterpret_cast<const char*>(bytes.data()),
                        static_cast<std::streamsize>(bytes.size()));
    if (!file.commit()) {
        setError(error, "cannot write \"" + path + "\": " + file.error());
        return false;
    }
    return true;
}

bool saveRenderJpeg(const std::string& name, int quality, const Renderer& renderer,
                    std::string* error) {
    const std::vector<unsigned char> rgb = renderer.readFrameRgb();
    const std::vector<unsigned char> jpeg =
        encodeJpegToMemory(rgb.data(), renderer.width(), renderer.height(), 3, quality, error);
    if (jpeg.empty())
        return false;
    return writeImageFile(name, jpeg, error);
}

}  // namespace vyr
