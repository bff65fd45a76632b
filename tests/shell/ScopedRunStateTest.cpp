#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <string>

#include "EInOutError.h"
#include "ProjectFixture.h"
#include "ScopedCurrentDirectory.h"
#include "ScopedNumericLocale.h"

namespace quarlo {
namespace {

namespace fs = std::filesystem;

std::string numericLocale() {
    return std::setlocale(LC_NUMERIC, nullptr);
}

// The user's locale with a decimal comma, as a program started under it has it; the tests'
// environment provides one (LOCPATH) when the system has none.
class DecimalCommaLocale : public ::testing::Test {
protected:
    void SetUp() override {
        m_before = numericLocale();
        if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
            GTEST_SKIP() << "no de_DE.UTF-8 locale";
        }
    }
    void TearDown() override { std::setlocale(LC_NUMERIC, m_before.c_str()); }

private:
    std::string m_before;
};

TEST_F(DecimalCommaLocale, TheFullStopWhileInScopeAndTheCommaAfter) {
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    {
        const ScopedNumericLocale numbers("C");
        EXPECT_STREQ(std::localeconv()->decimal_point, ".");
        EXPECT_EQ(numericLocale(), "C");
    }
    EXPECT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(numericLocale(), "de_DE.UTF-8");
}

TEST_F(DecimalCommaLocale, RestoredWhenTheScopeIsLeftByAnException) {
    try {
        const ScopedNumericLocale numbers("C");
        throw EInOutError("the run failed");
    } catch (const EInOutError&) {
    }
    EXPECT_EQ(numericLocale(), "de_DE.UTF-8");
}

TEST_F(DecimalCommaLocale, ALocaleTheSystemDoesNotHaveChangesNothing) {
    {
        const ScopedNumericLocale numbers("xx_NO.SUCH");
        EXPECT_EQ(numericLocale(), "de_DE.UTF-8");
    }
    EXPECT_EQ(numericLocale(), "de_DE.UTF-8");
}

// Every test starts and ends in a folder that stays.
class CurrentDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override { fs::current_path(start.path()); }
    void TearDown() override { fs::current_path(fs::temp_directory_path()); }

    testing::TempDir start;
    testing::TempDir work;
};

TEST_F(CurrentDirectoryTest, TheFolderWhileInScopeAndTheOneBeforeAfter) {
    {
        const ScopedCurrentDirectory current(work.path(), "/");
        EXPECT_EQ(fs::current_path(), fs::canonical(work.path()));
    }
    EXPECT_EQ(fs::current_path(), fs::canonical(start.path()));
}

TEST_F(CurrentDirectoryTest, AFolderThatCannotBeEnteredChangesNothing) {
    try {
        const ScopedCurrentDirectory current(work.path() / "missing", "/");
        FAIL() << "a missing folder was made current";
    } catch (const EInOutError& error) {
        EXPECT_NE(std::string(error.what()).find("missing the current directory: "), std::string::npos)
            << error.what();
    }
    EXPECT_EQ(fs::current_path(), fs::canonical(start.path()));
}

// The folder before was removed while the scope lasted: the way back is the fallback, never
// the folder being left, which its owner removes next.
TEST_F(CurrentDirectoryTest, BackToTheFallbackWhenTheFolderBeforeIsGone) {
    const fs::path gone = start.path() / "gone";
    fs::create_directory(gone);
    fs::current_path(gone);
    {
        const ScopedCurrentDirectory current(work.path(), start.path());
        fs::remove(gone);
    }
    EXPECT_EQ(fs::current_path(), fs::canonical(start.path()));
}

}  // namespace
}  // namespace quarlo
