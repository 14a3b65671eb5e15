// modelgen: writes crs.x, F1.x and their textures into a folder (normally assets/), or with --text
// the two models in the text form, for reading.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "assets.h"

int main(int argc, char** argv) {
    const bool text = argc == 3 && std::strcmp(argv[1], "--text") == 0;
    if (argc != 2 && !text) {
        std::fprintf(stderr, "usage: modelgen [--text] OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[argc - 1];
    std::vector<AssetFile> files;
    try {
        files = GenerateAssets(text);
    } catch (const std::runtime_error& e) {
        std::fprintf(stderr, "modelgen: refusing to write %s\n", e.what());
        return 1;
    }
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    for (const AssetFile& file : files) {
        const std::string path = folder + "/" + file.name;
        std::ofstream out(path, std::ios::binary);
        out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
        if (!out) {
            std::fprintf(stderr, "modelgen: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
