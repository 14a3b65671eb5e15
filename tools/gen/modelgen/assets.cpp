// Collects the two models and their textures as files.
#include "assets.h"

#include "car_model.h"
#include "course.h"
#include "course_model.h"
#include "textures.h"
#include "xfile_writer.h"

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

std::vector<AssetFile> GenerateAssets()
{
    std::vector<AssetFile> files;
    files.push_back({"crs.x", FormatXFile(FinishedCourseMesh(), "course")});
    files.push_back({"F1.x", FormatXFile(FinishedCarMesh(), "car")});
    for (const NamedImage& texture : AllTextures()) {
        files.push_back({texture.file, FormatBmp(texture.image)});
    }
    return files;
}
