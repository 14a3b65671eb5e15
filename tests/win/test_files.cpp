// Test support: folders, .x meshes and .bmp textures written at run time.
#include "test_files.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iomanip>

XMaterial PlainMaterial(float r, float g, float b) {
    return XMaterial{r, g, b, 1.0f, 8.0f, {0.5f, 0.5f, 0.5f}, {0.0f, 0.0f, 0.0f}, nullptr};
}

namespace {

void WriteQuads(std::ofstream& out, size_t quads) {
    out << "  " << quads * 4 << ";\n";
    for (size_t v = 0; v < quads * 4; ++v) {
        const float x = 2.0f * static_cast<float>(v / 4) + ((v % 4) < 2 ? -1.0f : 1.0f);
        const float z = (v % 4 == 1 || v % 4 == 2) ? 1.0f : -1.0f;
        out << "  " << x << ";0.000000;" << z << ";" << ((v + 1 == quads * 4) ? ";" : ",") << "\n";
    }
    out << "  " << quads * 2 << ";\n";
    for (size_t q = 0; q < quads; ++q) {
        const size_t v = q * 4;
        const char* end = (q + 1 == quads) ? ";" : ",";
        out << "  3;" << v << "," << v + 1 << "," << v + 2 << ";,\n  3;" << v << "," << v + 2 << "," << v + 3
            << ";" << end << "\n";
    }
}

void WriteMaterial(std::ofstream& out, const XMaterial& m) {
    out << "   Material {\n    " << m.r << ";" << m.g << ";" << m.b << ";" << m.a << ";;\n    " << m.power
        << ";\n    " << m.specular[0] << ";" << m.specular[1] << ";" << m.specular[2] << ";;\n    " << m.emissive[0]
        << ";" << m.emissive[1] << ";" << m.emissive[2] << ";;\n";
    if (m.texture != nullptr) out << "    TextureFilename { \"" << m.texture << "\"; }\n";
    out << "   }\n";
}

void WriteMaterialList(std::ofstream& out, const std::vector<XMaterial>& materials) {
    out << "  MeshMaterialList {\n   " << materials.size() << ";\n   " << materials.size() * 2 << ";\n";
    for (size_t f = 0; f < materials.size() * 2; ++f) {
        out << "   " << f / 2 << ((f + 1 == materials.size() * 2) ? ";;\n" : ",\n");
    }
    for (const XMaterial& m : materials) WriteMaterial(out, m);
    out << "  }\n";
}

}  // namespace

void WriteXFile(const std::string& path, const std::vector<XMaterial>& materials) {
    std::ofstream out(path, std::ios::binary);
    // Every float with a decimal point: the text parser reads "1" as an integer.
    out << std::fixed << std::setprecision(6);
    out << "xof 0303txt 0032\n\nMesh {\n";
    WriteQuads(out, materials.empty() ? 1 : materials.size());
    if (!materials.empty()) WriteMaterialList(out, materials);
    out << "}\n";
}

void WriteBmp(const std::string& path, int width, int height, uint32_t rgb) {
    const int rowBytes = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(rowBytes * height);
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::vector<uint8_t> row(static_cast<size_t>(rowBytes), 0);
    for (int x = 0; x < width; ++x) {
        row[x * 3 + 0] = static_cast<uint8_t>(rgb);
        row[x * 3 + 1] = static_cast<uint8_t>(rgb >> 8);
        row[x * 3 + 2] = static_cast<uint8_t>(rgb >> 16);
    }
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info), sizeof(info));
    for (int y = 0; y < height; ++y) out.write(reinterpret_cast<const char*>(row.data()), rowBytes);
}

std::string EnterFreshFolder() {
    static int counter = 0;
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    char path[MAX_PATH] = {};
    std::snprintf(path, sizeof(path), "%svatrel-%lu-%d\\", base, static_cast<unsigned long>(GetCurrentProcessId()),
                  ++counter);
    CreateDirectoryA(path, nullptr);
    SetCurrentDirectoryA(path);
    return path;
}

void WriteDemoModels() {
    XMaterial road = PlainMaterial(0.6f, 0.6f, 0.6f);
    road.texture = "road.bmp";
    WriteXFile("crs.x", {road, PlainMaterial(0.1f, 0.7f, 0.1f)});
    WriteBmp("road.bmp", 8, 8, 0x808080);
    WriteXFile("F1.x", {PlainMaterial(0.9f, 0.1f, 0.1f)});
}
