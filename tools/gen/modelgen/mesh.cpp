// Material bookkeeping of the generator's mesh, and what a mesh must be to be written.
#include "mesh.h"

uint32_t AddMaterial(Mesh& mesh, const Material& material) {
    mesh.materials.push_back(material);
    return static_cast<uint32_t>(mesh.materials.size() - 1);
}

void FinishMesh(Mesh& mesh) {
    std::vector<Material> kept;
    std::vector<Face> faces;
    for (uint32_t m = 0; m < mesh.materials.size(); ++m) {
        for (const Face& f : mesh.faces) {
            if (f.material == m) {
                faces.push_back(f);
                faces.back().material = static_cast<uint32_t>(kept.size());
            }
        }
        if (faces.size() > 0 && faces.back().material == kept.size()) {
            kept.push_back(mesh.materials[m]);
        }
    }
    mesh.faces = faces;
    mesh.materials = kept;
}

std::string ModelFault(const Mesh& mesh) {
    for (size_t i = 0; i < mesh.faces.size(); ++i) {
        const Face& f = mesh.faces[i];
        for (uint32_t corner : {f.a, f.b, f.c}) {
            if (corner > kMostVertices - 1) {
                return "subset " + std::to_string(f.material) + " uses vertex " + std::to_string(corner) +
                       ", past the last of the " + std::to_string(kMostVertices) + " that 16-bit indices address";
            }
        }
        const Vec3 a = mesh.vertices[f.a].pos;
        const Vec3 front = Cross(mesh.vertices[f.b].pos - a, mesh.vertices[f.c].pos - a);
        for (uint32_t corner : {f.a, f.b, f.c}) {
            if (!(Dot(front, mesh.vertices[corner].normal) > 0)) {
                return "face " + std::to_string(i) + " winds against the normal of its vertex " +
                       std::to_string(corner);
            }
        }
    }
    return "";
}
