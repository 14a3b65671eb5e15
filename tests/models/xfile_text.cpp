// A reader for the generator's own .x layout, for checking loaded meshes against their files.
#include "xfile_text.h"

#include <cstdio>
#include <fstream>

namespace {

struct Lines {
    std::vector<std::string> text;
    size_t next = 0;
};

bool Take(Lines& lines, std::string& line)
{
    if (lines.next >= lines.text.size()) {
        return false;
    }
    line = lines.text[lines.next++];
    return true;
}

// Skips to the line that equals `marker` after leading blanks are removed.
bool SkipTo(Lines& lines, const std::string& marker)
{
    std::string line;
    while (Take(lines, line)) {
        if (line.find_first_not_of(' ') != std::string::npos && line.substr(line.find_first_not_of(' ')) == marker) {
            return true;
        }
    }
    return false;
}

bool TakeCount(Lines& lines, int& count)
{
    std::string line;
    return Take(lines, line) && std::sscanf(line.c_str(), " %d;", &count) == 1;
}

bool ReadMaterials(Lines& lines, XFileText& out)
{
    int face_count = 0;
    if (!TakeCount(lines, out.material_count) || !TakeCount(lines, face_count)) {
        return false;
    }
    std::string line;
    for (int i = 0; i < face_count; ++i) {
        int material = 0;
        if (!Take(lines, line) || std::sscanf(line.c_str(), " %d", &material) != 1) {
            return false;
        }
        out.face_material.push_back(material);
    }
    for (int m = 0; m < out.material_count; ++m) {
        if (!SkipTo(lines, "Material {")) {
            return false;
        }
        std::string texture;
        while (Take(lines, line) && line != "  }") {
            const size_t quote = line.find('"');
            if (quote != std::string::npos) {
                texture = line.substr(quote + 1, line.rfind('"') - quote - 1);
            }
        }
        out.textures.push_back(texture);
    }
    return true;
}

}  // namespace

bool ReadXFileText(const std::string& path, XFileText& out, std::string& error)
{
    std::ifstream in(path);
    Lines lines;
    for (std::string line; std::getline(in, line);) {
        lines.text.push_back(line);
    }
    if (lines.text.empty() || lines.text[0] != "xof 0303txt 0032") {
        error = path + ": no text .x header";
        return false;
    }
    lines.next = 3;  // header, blank line, "Mesh <name> {"
    int vertex_count = 0;
    if (!TakeCount(lines, vertex_count)) {
        error = path + ": no vertex count";
        return false;
    }
    std::string line;
    for (int i = 0; i < vertex_count; ++i) {
        float x, y, z;
        if (!Take(lines, line) || std::sscanf(line.c_str(), " %f;%f;%f;", &x, &y, &z) != 3) {
            error = path + ": bad vertex line " + std::to_string(lines.next);
            return false;
        }
        out.positions.insert(out.positions.end(), {x, y, z});
    }
    if (!SkipTo(lines, "MeshMaterialList {") || !ReadMaterials(lines, out)) {
        error = path + ": bad material list near line " + std::to_string(lines.next);
        return false;
    }
    return true;
}
