// Collects the two models and their textures as files.
#include "assets.h"

#include <stdexcept>

#include "car_model.h"
#include "course.h"
#include "course_model.h"
#include "textures.h"
#include "xfile_binary.h"
#include "xfile_writer.h"

namespace {

void AddModel(std::vector<AssetFile>& files, const Mesh& mesh, const std::string& file, const std::string& name,
              bool text) {
    const std::string fault = ModelFault(MergeWrittenVertices(mesh));
    if (!fault.empty()) {
        throw std::runtime_error(file + ": " + fault);
    }
    files.push_back({file, text ? FormatXFile(mesh, name) : FormatBinaryXFile(mesh, name)});
}

bool Named(const Mesh& mesh, const std::string& texture) {
    for (const Material& m : mesh.materials) {
        if (m.texture == texture) {
            return true;
        }
    }
    return false;
}

Mesh Finished(Mesh mesh) {
    FinishMesh(mesh);
    return mesh;
}

}  // namespace

std::vector<AssetFile> GenerateAssets(bool text) {
    const Mesh course = Finished(BuildCourseModel(CourseTable).mesh);
    const Mesh car = Finished(BuildCarModel().mesh);
    std::vector<AssetFile> files;
    AddModel(files, course, "crs.x", "course", text);
    AddModel(files, car, "F1.x", "car", text);
    if (text) {
        return files;
    }
    for (const NamedImage& texture : AllTextures()) {
        if (Named(course, texture.file) || Named(car, texture.file)) {
            files.push_back({texture.file, FormatBmp(texture.image)});
        }
    }
    return files;
}
