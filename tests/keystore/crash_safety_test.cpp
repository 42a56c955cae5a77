// SPDX-License-Identifier: GPL-3.0-or-later
// A key file survives a writer killed at any moment and a full disk: it always holds a whole key.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>
#include <vector>

#include "fileio/io_error.h"
#include "keystore/key_file.h"
#include "support/temp_dir.h"

namespace sorvane {
namespace {

namespace fs = std::filesystem;
using test_support::ReadBytes;
using test_support::TempDir;

// Key number n: long enough that a write takes a while, so that kills land inside writes.
std::string KeyNumber(int n) { return "key-" + std::to_string(n) + "-" + std::string(32 * 1024, 'x'); }

std::u16string Wide(const std::string& text) { return std::u16string(text.begin(), text.end()); }

// Whether the file holds exactly one whole key line, of any number.
bool HoldsAWholeKey(const std::string& content) {
    if (content.size() < 7 || content.compare(0, 4, "key-") != 0) return false;
    const std::size_t dash = content.find('-', 4);
    if (dash == std::string::npos) return false;
    const int n = std::stoi(content.substr(4, dash - 4));
    return content == KeyNumber(n) + "\r\n";
}

// Whether an entry is a temporary file that a killed writer of k.key may leave.
bool IsTemporaryOfTheKey(const fs::path& entry) { return entry.filename().string().rfind(".k.key.sorvane-", 0) == 0; }

// Starts a writer process that writes key numbers from first on, forever or count times; it exits 0
// when every write reported success.
pid_t StartWriter(const std::u16string& path, int first, int count = -1) {
    const pid_t child = ::fork();
    if (child != 0) return child;
    try {
        for (int i = 0; count < 0 || i < count; ++i) WriteKeyLine(path, Wide(KeyNumber(first + i)));
    } catch (...) {
        ::_exit(1);
    }
    ::_exit(0);
}

// Kills writers together after a random moment, again and again; the file must always hold a whole
// key and nothing but the writers' own temporary files may stay beside it.
void KillWritersAtRandomMoments(int writers, int rounds) {
    TempDir dir;
    const std::u16string path = dir.U16("k.key");
    WriteKeyLine(path, Wide(KeyNumber(0)));
    std::mt19937 rng(12);
    int kills_with_leftover = 0;
    for (int round = 0; round < rounds; ++round) {
        std::vector<pid_t> children;
        for (int w = 0; w < writers; ++w) children.push_back(StartWriter(path, (round * writers + w) * 100000 + 1));
        std::this_thread::sleep_for(std::chrono::microseconds(200 + rng() % 3000));
        for (const pid_t child : children) ::kill(child, SIGKILL);
        for (const pid_t child : children) {
            int status = 0;
            ::waitpid(child, &status, 0);
            ASSERT_TRUE(WIFSIGNALED(status)) << "a writer stopped by itself";
        }

        ASSERT_TRUE(HoldsAWholeKey(ReadBytes(dir / "k.key"))) << "round " << round;
        bool leftover = false;
        for (const auto& entry : fs::directory_iterator(dir.path())) {
            ASSERT_TRUE(entry.path() == dir / "k.key" || IsTemporaryOfTheKey(entry.path())) << entry.path();
            leftover = leftover || IsTemporaryOfTheKey(entry.path());
        }
        kills_with_leftover += leftover;
    }
    // The next write takes the leftover temporary files along.
    WriteKeyLine(path, u"final");
    EXPECT_EQ(ReadBytes(dir / "k.key"), "final\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);
    ::testing::Test::RecordProperty("kills_inside_a_write", kills_with_leftover);
}

TEST(CrashSafety, AWriterKilledAtRandomMomentsLeavesAWholeKey) { KillWritersAtRandomMoments(1, 300); }

TEST(CrashSafety, TwoWritersKilledTogetherAtRandomMomentsLeaveAWholeKey) { KillWritersAtRandomMoments(2, 200); }

TEST(CrashSafety, TwoWritersAtOnceBothSucceedAndLeaveOneOfTheirLastKeys) {
    TempDir dir;
    const std::u16string path = dir.U16("k.key");
    constexpr int kWrites = 200;
    const pid_t first = StartWriter(path, 1, kWrites);
    const pid_t second = StartWriter(path, 100001, kWrites);
    for (const pid_t child : {first, second}) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a writer reported a failed write";
    }
    const std::string content = ReadBytes(dir / "k.key");
    EXPECT_TRUE(content == KeyNumber(kWrites) + "\r\n" || content == KeyNumber(100000 + kWrites) + "\r\n")
        << content.substr(0, 20);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);
}

// A small file system of its own, unmounted at the end.
class SmallTmpfs {
public:
    explicit SmallTmpfs(const fs::path& where) : where_(where) {
        fs::create_directory(where_);
        mounted_ = ::mount("tmpfs", where_.c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallTmpfs() {
        if (mounted_) ::umount(where_.c_str());
    }
    bool mounted() const { return mounted_; }

private:
    fs::path where_;
    bool mounted_ = false;
};

TEST(CrashSafety, AFullDiskKeepsTheOldKeyAndNamesTheFile) {
    TempDir dir;
    SmallTmpfs disk(dir / "disk");
    if (!disk.mounted()) GTEST_SKIP() << "cannot mount a tmpfs here; the write-call seam test covers a full disk";
    const std::u16string path = dir.U16("disk/k.key");
    WriteKeyLine(path, u"old key");
    {
        // Take every free page.
        std::FILE* filler = std::fopen((dir / "disk" / "filler").c_str(), "wb");
        const std::string block(4096, 'f');
        while (std::fwrite(block.data(), 1, block.size(), filler) == block.size() && std::fflush(filler) == 0) {
        }
        std::fclose(filler);
    }
    try {
        WriteKeyLine(path, std::u16string(16 * 1024, u'n'));
        FAIL() << "the write went through on a full disk";
    } catch (const IoError& error) {
        EXPECT_NE(std::string(error.what()).find("k.key"), std::string::npos) << error.what();
        EXPECT_NE(std::string(error.what()).find("No space left"), std::string::npos) << error.what();
    }
    EXPECT_EQ(ReadBytes(dir / "disk" / "k.key"), "old key\r\n");
    for (const auto& entry : fs::directory_iterator(dir / "disk"))
        EXPECT_FALSE(IsTemporaryOfTheKey(entry.path())) << entry.path();
}

}  // namespace
}  // namespace sorvane
