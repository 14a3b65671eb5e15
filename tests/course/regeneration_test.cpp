// The generators, rerun, write exactly the committed files: the sine table's and
// the course table's sources, the course map, and every model and texture in assets/.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void ExpectSame(const fs::path& fresh, const fs::path& committed) {
    const std::string bytes = ReadAll(fresh);
    EXPECT_TRUE(bytes == ReadAll(committed))
        << committed << " differs from " << fresh << "; if meant, rerun its generator into the source tree";
}

TEST(Regeneration, GeneratorsWriteTheCommittedFilesByteForByte) {
    const fs::path out = SCRATCH_DIR, source = SOURCE_DIR;
    fs::remove_all(out);
    fs::create_directories(out / "assets");
    for (const std::string& command : {"'" SINTABLEGEN "' >'" + (out / "sin_table.cpp").string() + "'",
                                       "'" COURSEGEN "' '" + (out / "course_table.cpp").string() + "' '" +
                                           (out / "course-map.svg").string() + "' >/dev/null",
                                       "'" MODELGEN "' '" + (out / "assets").string() + "'"}) {
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    for (const char* file : {"sim/sin_table.cpp", "sim/course_table.cpp", "docs/course-map.svg"}) {
        ExpectSame(out / fs::path(file).filename(), source / file);
    }
    std::set<fs::path> written, committed;
    for (const fs::directory_entry& file : fs::recursive_directory_iterator(out / "assets")) {
        if (!file.is_regular_file()) continue;
        written.insert(file.path().lexically_relative(out / "assets"));
        ExpectSame(file.path(), source / "assets" / file.path().lexically_relative(out / "assets"));
    }
    for (const fs::directory_entry& file : fs::recursive_directory_iterator(source / "assets")) {
        const fs::path kind = file.path().extension();
        if (kind == ".x" || kind == ".bmp") committed.insert(file.path().lexically_relative(source / "assets"));
    }
    EXPECT_EQ(written, committed) << "assets/ holds a model or texture the generator no longer writes, or lacks one";
}

}  // namespace
