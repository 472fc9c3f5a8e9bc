#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "FuzzTargets.h"
#include "scene/Scene.h"
#include "text/TextTestSupport.h"

int vyr::fuzz::fontText(const uint8_t* data, size_t size) {
    // The build reads fonts from files only.
    static const std::string path = std::filesystem::temp_directory_path() /
                                    ("vyr-fuzz-font-" + std::to_string(::getpid()) + ".ttf");
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    Scene scene("/nonexistent-fonts-folder");
    Text& text = scene.text();
    text.parameters.chooseFontPath(path);
    text.parameters.text = test::kPangram;
    text.parameters.bevelOn = 1;
    if (text.buildMesh().ok)
        writeEverything(scene);
    std::filesystem::remove(path);
    return 0;
}
