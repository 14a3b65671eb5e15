// The generator's .x layout read as words, with ';' and ',' as blanks.
#include "xfile_text.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

bool ReadXFileText(const std::string& path, XFileText& out)
{
    std::ifstream in(path);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::replace_if(text.begin(), text.end(), [](char c) { return c == ';' || c == ','; }, ' ');
    std::istringstream words(text);
    std::string word;
    size_t count = 0, materials = 0;
    words >> word >> word >> word >> word >> word >> word >> count;  // xof 0303txt 0032 Mesh <name> { count
    out.positions.resize(count);
    for (Point& p : out.positions) words >> p.x >> p.y >> p.z;
    words >> count;
    out.faces.resize(count);
    for (auto& f : out.faces) words >> word >> f[0] >> f[1] >> f[2];  // "3", then the corners
    while (words >> word && word != "MeshMaterialList") {
    }
    words >> word >> materials >> count;
    out.face_material.resize(count);
    for (uint32_t& m : out.face_material) words >> m;
    const bool complete = !words.fail() && !out.positions.empty() && count == out.faces.size();
    while (words >> word) {
        if (word == "Material") out.textures.emplace_back();
        if (word.front() == '"' && !out.textures.empty()) out.textures.back() = word.substr(1, word.size() - 2);
    }
    return complete && out.textures.size() == materials;
}
