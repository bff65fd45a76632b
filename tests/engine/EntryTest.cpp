#include "RunFixture.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdint>
#include <filesystem>

namespace quarlo {
namespace {

using EntryFunction = std::int32_t (*)(std::int32_t);

// The shared library is loaded by name from beside the test program, as the program loads
// it, so the test sees exactly the exported names.
class Entry : public testing::TestWithParam<std::int32_t> {
protected:
    void SetUp() override {
        const auto library = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "libQUARLO2014_DLL.so";
        m_handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(m_handle, nullptr) << dlerror();
    }
    void TearDown() override {
        if (m_handle != nullptr)
            dlclose(m_handle);
    }
    EntryFunction lookUp(const char* name) { return reinterpret_cast<EntryFunction>(dlsym(m_handle, name)); }

    void* m_handle = nullptr;
};

TEST_P(Entry, OtherRequestCodesTouchNoFile) {
    test::ScratchDir dir;
    test::CurrentDir here(dir.path());
    for (const char* name : {"IQUARLO", "_IQUARLO"}) {
        const EntryFunction entry = lookUp(name);
        ASSERT_NE(entry, nullptr) << name;
        EXPECT_EQ(entry(GetParam()), 1) << name;
    }
    EXPECT_TRUE(dir.empty());
}

INSTANTIATE_TEST_SUITE_P(Codes, Entry, testing::Values(0, 1, 3, -2));

TEST_F(Entry, RequestTwoWithoutNamesFileReturnsStatus) {
    test::ScratchDir dir;
    test::CurrentDir here(dir.path());
    EXPECT_EQ(lookUp("_IQUARLO")(2), 10);
    EXPECT_TRUE(dir.empty());
}

// The program's way in: names.dat in the current directory names the project and the
// outputs, the run writes them and returns 0.
TEST_F(Entry, RequestTwoRunsTheProjectNamedInNamesFile) {
    test::ScratchDir dir;
    test::copyExample(dir, "user-curves-si");
    dir.write("names.dat", "2014.3.2\r\n" + dir.file("p.qv3d") + "\r\n" + dir.file("p.qv3o") + "\r\n" +
                               dir.file("p.qv3p") + "\r\n" + dir.file("p.qv3r") + "\r\n");
    test::CurrentDir here(dir.path());
    EXPECT_EQ(lookUp("IQUARLO")(2), 0);
    EXPECT_NE(dir.read("p.qv3o").find("QUARLO for Windows, Version 2014.3.2    \r\n"), std::string::npos);
    EXPECT_NE(dir.read("p.qv3p"), "");
}

// Only the two entry names leave the library; its own functions are not there to be
// bound to a host's.
TEST_F(Entry, ExportsNothingButTheEntry) {
    EXPECT_EQ(lookUp("_ZN6quarlo11runAnalysisERKNS_8RunFilesERKNS_10RunOptionsE"), nullptr);
    EXPECT_EQ(lookUp("_ZN6quarlo16runFromNamesFileERKNS_10RunOptionsE"), nullptr);
}

}  // namespace
}  // namespace quarlo
