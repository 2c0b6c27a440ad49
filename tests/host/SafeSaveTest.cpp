#include "platform/host/SafeSave.h"

#include "support/Files.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

namespace host {
namespace {

namespace fs = std::filesystem;
using support::ReadFile;

int temporaries(const std::string& folder) {
    int n = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        n += entry.path().filename().string().find(".vntab-save-") != std::string::npos;
    return n;
}

mode_t mode_of(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

TEST(SafeSave, KeepsTheReplacedFilesPermissionsAndGivesANewOneTheUmasks) {
    support::TempFolder folder("safe-save-mode");
    const std::string kept = folder / "kept.frm", fresh = folder / "fresh.frm";
    SaveFileSafely(kept, "one");
    ASSERT_EQ(::chmod(kept.c_str(), 0640), 0);
    SaveFileSafely(kept, "two");
    EXPECT_EQ(ReadFile(kept), "two");
    EXPECT_EQ(mode_of(kept), 0640u);
    const mode_t old_mask = ::umask(027);
    SaveFileSafely(fresh, "new");
    ::umask(old_mask);
    EXPECT_EQ(mode_of(fresh), 0640u);
    EXPECT_EQ(temporaries(folder / ""), 0);
}

TEST(SafeSave, ASymbolicLinkStaysAndTheFileItNamesIsReplaced) {
    support::TempFolder folder("safe-save-link");
    fs::create_directories(folder / "real");
    SaveFileSafely(folder / "real/form.frm", "old");
    fs::create_symlink("real/form.frm", folder / "link.frm");
    SaveFileSafely(folder / "link.frm", "new");
    EXPECT_TRUE(fs::is_symlink(folder / "link.frm"));
    EXPECT_EQ(ReadFile(folder / "real/form.frm"), "new");
    EXPECT_EQ(temporaries(folder / "real"), 0);
}

TEST(SafeSave, AFailureNamesTheFileAndTheReasonAndLeavesNoTemporary) {
    support::TempFolder folder("safe-save-fail");
    try {
        SaveFileSafely(folder / "missing/form.frm", "text");
        FAIL() << "a folder that does not exist took a save";
    } catch (const SaveError& e) {
        EXPECT_EQ(std::string(e.what()), "cannot save " + (folder / "missing/form.frm") +
                                             ": creating a temporary file in " + (folder / "missing") +
                                             ": No such file or directory");
    }
    // The rename fails over a folder: the temporary written so far goes again.
    fs::create_directories(folder / "taken.frm");
    try {
        SaveFileSafely(folder / "taken.frm", "text");
        FAIL() << "a folder was replaced by a file";
    } catch (const SaveError& e) {
        EXPECT_NE(std::string(e.what()).find(": replacing the file: Is a directory"), std::string::npos)
            << e.what();
    }
    EXPECT_EQ(temporaries(folder / ""), 0);
    EXPECT_TRUE(fs::is_directory(folder / "taken.frm"));
}

// A child saves two versions of a file in turn, as fast as it can, and is killed at a random moment,
// a hundred times. The file is always one version or the other, byte for byte; a kill in the middle
// of a save leaves that save's temporary, which is an ordinary file the owner removes.
TEST(SafeSave, AProcessKilledWhileSavingLeavesTheOldFileOrTheNewNeverAMix) {
    support::TempFolder folder("safe-save-kill");
    const std::string path = folder / "form.frm";
    std::string first(3 << 20, 'a'), second((2 << 20) + 1234, 'b');
    for (size_t i = 0; i < first.size(); i += 4096)
        first[i] = '\n';
    for (size_t i = 0; i < second.size(); i += 1000)
        second[i] = '\n';
    std::mt19937 rng(20240518);
    int mid_save = 0, saw_second = 0;
    for (int round = 0; round < 100; ++round) {
        SaveFileSafely(path, first);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) {
                SaveFileSafely(path, second);
                SaveFileSafely(path, first);
            }
        }
        std::this_thread::sleep_for(
            std::chrono::microseconds(std::uniform_int_distribution<int>(0, 30000)(rng)));
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));
        const std::string now = ReadFile(path);
        ASSERT_TRUE(now == first || now == second)
            << "round " << round << ": " << now.size() << " bytes, a mix";
        saw_second += now == second;
        const int left = temporaries(folder / "");
        EXPECT_LE(left, 1) << "round " << round;
        mid_save += left;
        for (const auto& entry : fs::directory_iterator(folder / ""))
            if (entry.path() != fs::path(path)) {
                EXPECT_TRUE(fs::remove(entry.path()));
            }
    }
    RecordProperty("KillsInTheMiddleOfASave", mid_save);
    RecordProperty("KillsAfterTheSecondVersionWasSaved", saw_second);
    std::printf("100 kills: %d in the middle of a save, %d found the second version\n", mid_save, saw_second);
    EXPECT_GT(mid_save, 0) << "no kill landed in the middle of a save";
}

} // namespace
} // namespace host
