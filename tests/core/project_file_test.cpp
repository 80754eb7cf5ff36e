#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/fault.h"
#include "core/project_file.h"

namespace ondarel {
namespace {

namespace fs = std::filesystem;

struct ExtensionCase {
    const char* path;
    bool accepted;
};

void PrintTo(const ExtensionCase& c, std::ostream* os) { *os << "path \"" << c.path << "\""; }

class ExtensionCheck : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(ExtensionCheck, LooksOnlyAtTheLastFourCharacters)
{
    EXPECT_EQ(extensionAccepted(GetParam().path, "dip"), GetParam().accepted) << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(Names, ExtensionCheck,
                         ::testing::Values(ExtensionCase{"/home/u/proj.dip", true}, ExtensionCase{"PROJ.DIP", true},
                                           ExtensionCase{"a.DiP", true}, ExtensionCase{"C:\\dados\\x.dip", true},
                                           ExtensionCase{".dip", true}, ExtensionCase{"/tmp/.dip", true},
                                           ExtensionCase{"proj.dip.bak", false}, ExtensionCase{"proj.dipx", false},
                                           ExtensionCase{"proj_dip", false}, ExtensionCase{"dip", false},
                                           ExtensionCase{"/x/ip", false}, ExtensionCase{"/tmp/proj.lin", false},
                                           ExtensionCase{"", false}, ExtensionCase{"/tmp/proj", false}));

class ProjectFiles : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("ondarel_pf_" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    std::string bytesOf(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void writeBytes(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }
};

TEST_F(ProjectFiles, SavesSixBytesPerValueAndReadsThemBack)
{
    const auto path = (dir / "a.dip").string();
    writeProjectFile(path, {1.5L, 300.0L});
    EXPECT_EQ(bytesOf(path), std::string("\x81\0\0\0\0\x40\x89\0\0\0\0\x16", 12));
    EXPECT_EQ(readProjectFile(path, 2), (std::vector<long double>{1.5L, 300.0L}));
    EXPECT_FALSE(fs::exists(path + ".tmp~"));
}

TEST_F(ProjectFiles, ExtraValuesAreIgnoredShortFilesAreRefused)
{
    const auto path = (dir / "b.dip").string();
    writeProjectFile(path, {1, 2, 3});
    EXPECT_EQ(readProjectFile(path, 2), (std::vector<long double>{1, 2}));
    writeBytes(path, std::string("\x81\0\0\0\0\x40\x89", 7));
    EXPECT_THROW(readProjectFile(path, 2), Fault);
    writeBytes(path, "");
    EXPECT_THROW(readProjectFile(path, 1), Fault);
    EXPECT_THROW(readProjectFile((dir / "missing.dip").string(), 1), Fault);
    EXPECT_THROW(readProjectFile(dir.string(), 1), Fault);  // a folder
}

TEST_F(ProjectFiles, AFailedSaveLeavesTheOldFileIntact)
{
    const auto path = (dir / "c.dip").string();
    writeProjectFile(path, {1.5L, 300.0L});
    const std::string before = bytesOf(path);
    // Overflow faults before anything is written.
    try {
        writeProjectFile(path, {1e300L, 1});
        FAIL();
    } catch (const Fault& f) {
        EXPECT_EQ(f.kind(), FaultKind::FloatingPoint);
    }
    EXPECT_EQ(bytesOf(path), before);
    // An unwritable folder raises the file fault.
    EXPECT_THROW(writeProjectFile((dir / "no" / "such" / "d.dip").string(), {1}), Fault);
    if (::geteuid() != 0) {
        fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_THROW(writeProjectFile(path, {2, 2}), Fault);
        fs::permissions(dir, fs::perms::owner_all);
        EXPECT_EQ(bytesOf(path), before);
    }
}

}  // namespace
}  // namespace ondarel
