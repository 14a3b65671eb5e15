#include "test_files.h"

#include <windows.h>

#include <fstream>

void WriteXFile(const std::string& path, const std::vector<XMaterial>& materials) {
    const size_t quads = materials.size();
    std::ofstream out(path, std::ios::binary);
    // Every float with a decimal point: the text parser reads "1" as an integer.
    out.setf(std::ios::fixed);
    out << "xof 0303txt 0032\nMesh {\n" << quads * 4 << ";\n";
    for (size_t v = 0; v < quads * 4; ++v) {
        out << 2.0f * float(v / 4) + (v % 4 < 2 ? -1.0f : 1.0f) << ";0.0;" << (v % 4 == 1 || v % 4 == 2 ? 1.0f : -1.0f)
            << ";" << (v + 1 == quads * 4 ? ";\n" : ",\n");
    }
    out << quads * 2 << ";\n";
    for (size_t q = 0; q < quads; ++q) {
        out << "3;" << 4 * q << "," << 4 * q + 1 << "," << 4 * q + 2 << ";,3;" << 4 * q << "," << 4 * q + 2 << ","
            << 4 * q + 3 << (q + 1 == quads ? ";;\n" : ";,\n");
    }
    out << "MeshMaterialList {\n" << quads << ";\n" << quads * 2 << ";\n";
    for (size_t f = 0; f < quads * 2; ++f) out << f / 2 << (f + 1 == quads * 2 ? ";;\n" : ",\n");
    for (const XMaterial& m : materials) {
        out << "Material {\n" << m.r << ";" << m.g << ";" << m.b << ";1.0;;\n8.0;\n0.5;0.5;0.5;;\n0.0;0.0;0.0;;\n";
        if (m.texture != nullptr) out << "TextureFilename { \"" << m.texture << "\"; }\n";
        out << "}\n";
    }
    out << "}\n}\n";
}

void WriteBmp(const std::string& path, int width, const std::vector<uint32_t>& pixels) {
    const BITMAPINFOHEADER info = {sizeof(info), width, -int(pixels.size()) / width, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof(info);
    const BITMAPFILEHEADER file = {0x4D42, offset + DWORD(pixels.size() * 4), 0, 0, offset};  // "BM"
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info), sizeof(info));
    out.write(reinterpret_cast<const char*>(pixels.data()), std::streamsize(pixels.size() * 4));
}

void EnterFolderOfDemoModels() {
    static int counter = 0;
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    const std::string path =
        std::string(base) + "vatrel-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter) + "\\";
    CreateDirectoryA(path.c_str(), nullptr);
    SetCurrentDirectoryA(path.c_str());
    WriteXFile("crs.x", {{0.6f, 0.6f, 0.6f, "road.bmp"}, {0.1f, 0.7f, 0.1f, nullptr}});
    WriteBmp("road.bmp", 8, std::vector<uint32_t>(8 * 8, 0x808080));
    WriteXFile("F1.x", {{0.9f, 0.1f, 0.1f, nullptr}});
}
