// Binary .x output: the text writer's mesh as tokens.
#include "xfile_binary.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "xfile_writer.h"

namespace {

// The kinds of token, each written as a little-endian 16-bit number before its data.
constexpr uint16_t kName = 1, kString = 2, kIntegerList = 6, kFloatList = 7, kOpenBrace = 10, kCloseBrace = 11,
                   kSemicolon = 20;

void Put16(std::string& out, uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void Put32(std::string& out, uint32_t value) {
    Put16(out, static_cast<uint16_t>(value & 0xFFFF));
    Put16(out, static_cast<uint16_t>(value >> 16));
}

void PutText(std::string& out, uint16_t token, const std::string& text) {
    Put16(out, token);
    Put32(out, static_cast<uint32_t>(text.size()));
    out += text;
}

// A data object's template name, its own name when it has one, and "{".
void Open(std::string& out, const std::string& type, const std::string& name = "") {
    PutText(out, kName, type);
    if (!name.empty()) {
        PutText(out, kName, name);
    }
    Put16(out, kOpenBrace);
}

void Close(std::string& out) { Put16(out, kCloseBrace); }

void PutIntegers(std::string& out, const std::vector<uint32_t>& values) {
    Put16(out, kIntegerList);
    Put32(out, static_cast<uint32_t>(values.size()));
    for (uint32_t v : values) {
        Put32(out, v);
    }
}

// Each value as the text file's reader gets it from WrittenNumber's digits.
void PutFloats(std::string& out, const std::vector<double>& values) {
    Put16(out, kFloatList);
    Put32(out, static_cast<uint32_t>(values.size()));
    for (double v : values) {
        const float f = std::strtof(WrittenNumber(v).c_str(), nullptr);
        uint32_t bits = 0;
        std::memcpy(&bits, &f, sizeof bits);
        Put32(out, bits);
    }
}

// The face count, then per face its corner count and corners.
void PutFaces(std::string& out, const Mesh& mesh) {
    std::vector<uint32_t> values = {static_cast<uint32_t>(mesh.faces.size())};
    for (const Face& f : mesh.faces) {
        values.insert(values.end(), {3, f.a, f.b, f.c});
    }
    PutIntegers(out, values);
}

void PutVectors(std::string& out, const Mesh& mesh, bool normals) {
    PutIntegers(out, {static_cast<uint32_t>(mesh.vertices.size())});
    std::vector<double> values;
    for (const Vertex& v : mesh.vertices) {
        const Vec3 p = normals ? v.normal : v.pos;
        values.insert(values.end(), {p.x, p.y, p.z});
    }
    PutFloats(out, values);
}

void PutTextureCoords(std::string& out, const Mesh& mesh) {
    Open(out, "MeshTextureCoords");
    PutIntegers(out, {static_cast<uint32_t>(mesh.vertices.size())});
    std::vector<double> values;
    for (const Vertex& v : mesh.vertices) {
        values.insert(values.end(), {v.u, v.v});
    }
    PutFloats(out, values);
    Close(out);
}

void PutMaterial(std::string& out, const Material& m) {
    Open(out, "Material");
    PutFloats(out, {m.diffuse.r, m.diffuse.g, m.diffuse.b, 1.0, 0.0, 0.0, 0.0, 0.0, m.emissive.r, m.emissive.g,
                    m.emissive.b});
    if (!m.texture.empty()) {
        Open(out, "TextureFilename");
        PutText(out, kString, m.texture);
        Put16(out, kSemicolon);
        Close(out);
    }
    Close(out);
}

void PutMaterialList(std::string& out, const Mesh& mesh) {
    Open(out, "MeshMaterialList");
    std::vector<uint32_t> values = {static_cast<uint32_t>(mesh.materials.size()),
                                    static_cast<uint32_t>(mesh.faces.size())};
    for (const Face& f : mesh.faces) {
        values.push_back(f.material);
    }
    PutIntegers(out, values);
    for (const Material& m : mesh.materials) {
        PutMaterial(out, m);
    }
    Close(out);
}

}  // namespace

std::string FormatBinaryXFile(const Mesh& unmerged, const std::string& name) {
    const Mesh mesh = MergeWrittenVertices(unmerged);
    std::string out = "xof 0303bin 0032";
    Open(out, "Mesh", name);
    PutVectors(out, mesh, false);
    PutFaces(out, mesh);
    Open(out, "MeshNormals");
    PutVectors(out, mesh, true);
    PutFaces(out, mesh);
    Close(out);
    PutTextureCoords(out, mesh);
    PutMaterialList(out, mesh);
    Close(out);
    return out;
}
