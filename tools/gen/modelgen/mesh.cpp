// Material bookkeeping of the generator's mesh.
#include "mesh.h"

uint32_t AddMaterial(Mesh& mesh, const Material& material)
{
    mesh.materials.push_back(material);
    return static_cast<uint32_t>(mesh.materials.size() - 1);
}

void FinishMesh(Mesh& mesh)
{
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
