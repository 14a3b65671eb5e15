// Collects the two models and their textures as files.
#include "assets.h"

#include <stdexcept>

#include "car_model.h"
#include "course.h"
#include "course_model.h"
#include "textures.h"
#include "view.h"
#include "xfile_binary.h"
#include "xfile_writer.h"

namespace {

void AddModel(std::vector<AssetFile>& files, const PackedModel& model, const std::string& file,
              const std::string& name, bool text)
{
    const std::string fault = ModelFault(MergeWrittenVertices(model.mesh));
    if (!fault.empty()) {
        throw std::runtime_error(file + ": " + fault);
    }
    if (text) {
        files.push_back({file, FormatXFile(model.mesh, name)});
        return;
    }
    files.push_back({file, FormatBinaryXFile(model.mesh, name)});
    if (model.atlas.width > 0) {
        files.push_back({model.atlas_file, FormatBmp(model.atlas)});
    }
}

bool Named(const PackedModel& model, const std::string& texture)
{
    for (const Material& m : model.mesh.materials) {
        if (m.texture == texture) {
            return true;
        }
    }
    return false;
}

}  // namespace

Mesh FinishedCourseMesh()
{
    Mesh mesh = BuildCourseModel(CourseTable).mesh;
    FinishMesh(mesh);
    return mesh;
}

Mesh FinishedCarMesh()
{
    Mesh mesh = BuildCarModel().mesh;
    FinishMesh(mesh);
    return mesh;
}

PackedModel PackedCourse()
{
    return PackSubsets(FinishedCourseMesh(), AllTextures(), kSceneAmbient + kCourseAmbient, "course.bmp");
}

PackedModel PackedCar() { return PackSubsets(FinishedCarMesh(), AllTextures(), kSceneAmbient + kCarAmbient, "car.bmp"); }

std::vector<AssetFile> GenerateAssets(bool text)
{
    const PackedModel course = PackedCourse();
    const PackedModel car = PackedCar();
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
