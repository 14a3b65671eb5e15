// modelgen: writes crs.x, F1.x, their textures and text copies into a folder (normally assets/).
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "assets.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: modelgen OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    for (const AssetFile& file : GenerateAssets()) {
        const std::string path = folder + "/" + file.name;
        std::error_code ignored;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
        std::ofstream out(path, std::ios::binary);
        out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
        if (!out) {
            std::fprintf(stderr, "modelgen: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
