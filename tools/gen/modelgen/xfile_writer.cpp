// Text .x output: header, vertices, faces, normals, texture coordinates, materials.
#include "xfile_writer.h"

#include <cstdio>
#include <cstring>
#include <unordered_map>

namespace {

// Rounded to six decimals, then trailing zeros dropped down to one decimal
// ("0.5", "1.0"): the same value in fewer characters for the loader to read.
// A value that rounds to zero is always "0.0", never "-0.0".
std::string Number(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", value);
    std::string number = std::strcmp(text, "-0.000000") == 0 ? "0.000000" : text;
    number.erase(number.find_last_not_of('0') + 1);
    if (number.back() == '.') {
        number += '0';
    }
    return number;
}

// Array separator: ',' between elements, ';' after the last one.
const char* Separator(size_t index, size_t count) { return index + 1 < count ? "," : ";"; }

void AppendFaces(std::string& out, const Mesh& mesh, const char* indent) {
    out += indent + std::to_string(mesh.faces.size()) + ";\n";
    for (size_t i = 0; i < mesh.faces.size(); ++i) {
        const Face& f = mesh.faces[i];
        out += indent + std::string("3;") + std::to_string(f.a) + "," + std::to_string(f.b) + "," +
               std::to_string(f.c) + ";" + Separator(i, mesh.faces.size()) + "\n";
    }
}

void AppendVectors(std::string& out, const Mesh& mesh, bool normals, const char* indent) {
    out += indent + std::to_string(mesh.vertices.size()) + ";\n";
    for (size_t i = 0; i < mesh.vertices.size(); ++i) {
        const Vec3 v = normals ? mesh.vertices[i].normal : mesh.vertices[i].pos;
        out += indent + Number(v.x) + ";" + Number(v.y) + ";" + Number(v.z) + ";" + Separator(i, mesh.vertices.size()) +
               "\n";
    }
}

void AppendTextureCoords(std::string& out, const Mesh& mesh) {
    out += " MeshTextureCoords {\n";
    out += "  " + std::to_string(mesh.vertices.size()) + ";\n";
    for (size_t i = 0; i < mesh.vertices.size(); ++i) {
        const Vertex& v = mesh.vertices[i];
        out += "  " + Number(v.u) + ";" + Number(v.v) + ";" + Separator(i, mesh.vertices.size()) + "\n";
    }
    out += " }\n";
}

std::string ColourLine(const Colour& c, const char* alpha) {
    return Number(c.r) + ";" + Number(c.g) + ";" + Number(c.b) + ";" + alpha + ";\n";
}

void AppendMaterial(std::string& out, const Material& m) {
    out += "  Material {\n";
    out += "   " + ColourLine(m.diffuse, "1.000000;");
    out += "   0.000000;\n";
    out += "   " + ColourLine({0, 0, 0}, "");
    out += "   " + ColourLine(m.emissive, "");
    if (!m.texture.empty()) {
        out += "   TextureFilename {\n    \"" + m.texture + "\";\n   }\n";
    }
    out += "  }\n";
}

void AppendMaterialList(std::string& out, const Mesh& mesh) {
    out += " MeshMaterialList {\n";
    out += "  " + std::to_string(mesh.materials.size()) + ";\n";
    out += "  " + std::to_string(mesh.faces.size()) + ";\n";
    for (size_t i = 0; i < mesh.faces.size(); ++i) {
        out += "  " + std::to_string(mesh.faces[i].material) + (i + 1 < mesh.faces.size() ? ",\n" : ";;\n");
    }
    for (const Material& m : mesh.materials) {
        AppendMaterial(out, m);
    }
    out += " }\n";
}

// Everything the file says about one vertex, as printed: two vertices with the
// same text are the same vertex to the loader.
std::string WrittenVertex(const Mesh& mesh, size_t i) {
    const Vertex& v = mesh.vertices[i];
    return Number(v.pos.x) + ";" + Number(v.pos.y) + ";" + Number(v.pos.z) + ";" + Number(v.normal.x) + ";" +
           Number(v.normal.y) + ";" + Number(v.normal.z) + ";" + Number(v.u) + ";" + Number(v.v);
}

}  // namespace

Mesh MergeWrittenVertices(const Mesh& mesh) {
    Mesh merged;
    merged.materials = mesh.materials;
    std::unordered_map<std::string, uint32_t> index_of;
    std::vector<uint32_t> merged_index(mesh.vertices.size());
    for (size_t i = 0; i < mesh.vertices.size(); ++i) {
        const auto added = index_of.emplace(WrittenVertex(mesh, i), static_cast<uint32_t>(merged.vertices.size()));
        if (added.second) {
            merged.vertices.push_back(mesh.vertices[i]);
        }
        merged_index[i] = added.first->second;
    }
    merged.faces = mesh.faces;
    for (Face& f : merged.faces) {
        f = {merged_index[f.a], merged_index[f.b], merged_index[f.c], f.material};
    }
    return merged;
}

std::string WrittenNumber(double value) { return Number(value); }

std::string FormatXFile(const Mesh& unmerged, const std::string& name) {
    const Mesh mesh = MergeWrittenVertices(unmerged);
    std::string out = "xof 0303txt 0032\n\nMesh " + name + " {\n";
    AppendVectors(out, mesh, false, " ");
    AppendFaces(out, mesh, " ");
    out += "\n MeshNormals {\n";
    AppendVectors(out, mesh, true, "  ");
    AppendFaces(out, mesh, "  ");
    out += " }\n\n";
    AppendTextureCoords(out, mesh);
    out += "\n";
    AppendMaterialList(out, mesh);
    out += "}\n";
    return out;
}
