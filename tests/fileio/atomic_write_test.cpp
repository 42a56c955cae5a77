// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileio/atomic_write.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "fileio/io_error.h"
#include "fileio/syscalls.h"
#include "support/bound_socket.h"
#include "support/temp_dir.h"

namespace sorvane {
namespace {

namespace fs = std::filesystem;
using test_support::BoundSocket;
using test_support::ReadBytes;
using test_support::TempDir;
using test_support::WriteBytes;

std::size_t EntryCount(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

// Writes a few bytes, then reports a full disk.
ssize_t WriteThenDiskFull(int fd, const void* data, std::size_t size) {
    if (size <= 3) {
        errno = ENOSPC;
        return -1;
    }
    return ::write(fd, data, 3);
}
int FailingFsync(int) {
    errno = EIO;
    return -1;
}
int FailingRename(int, const char*, int, const char*) {
    errno = EXDEV;
    return -1;
}

TEST(AtomicWrite, AFailedWriteKeepsTheOldContentAndLeavesNoTemporaryFile) {
    const WriteSyscalls real = CurrentWriteSyscalls();
    const struct {
        const char* what;
        WriteSyscalls calls;
        const char* reason;
    } cases[] = {
        {"disk full after some bytes", {&WriteThenDiskFull, real.fsync, real.renameat}, "No space left"},
        {"flush fails", {real.write, &FailingFsync, real.renameat}, "Input/output error"},
        {"rename fails", {real.write, real.fsync, &FailingRename}, "cross-device"},
    };
    TempDir dir;
    for (const auto& c : cases) {
        WriteBytes(dir / "k.key", "old key\r\n");
        {
            ScopedWriteSyscalls scope(c.calls);
            try {
                AtomicWriteFile(dir.U16("k.key"), "a much longer new key\r\n");
                ADD_FAILURE() << c.what << ": no error";
            } catch (const IoError& error) {
                EXPECT_NE(std::string(error.what()).find("k.key"), std::string::npos) << c.what;
                EXPECT_NE(std::string(error.what()).find(c.reason), std::string::npos) << error.what();
            }
        }
        EXPECT_EQ(ReadBytes(dir / "k.key"), "old key\r\n") << c.what;
        EXPECT_EQ(EntryCount(dir.path()), 1u) << c.what;
    }
}

// What another writer's clean-up would find in the folder while a write is under way.
fs::path watched_folder;
std::vector<std::string> seen_while_writing;
bool unlocked_at_rename = false;

ssize_t WriteAndLook(int fd, const void* data, std::size_t size) {
    for (const auto& entry : fs::directory_iterator(watched_folder))
        seen_while_writing.push_back(entry.path().filename());
    return ::write(fd, data, size);
}
int RenameAndLook(int from_folder, const char* from, int to_folder, const char* to) {
    const int other = ::openat(from_folder, from, O_RDONLY | O_CLOEXEC);
    unlocked_at_rename = other < 0 || ::flock(other, LOCK_EX | LOCK_NB) == 0;
    if (other >= 0) ::close(other);
    return ::renameat(from_folder, from, to_folder, to);
}

// Two writers of one file clean up each other's leftovers: a temporary file must never be there to
// take while it is not yet locked, or a writer loses its file and fails.
TEST(AtomicWrite, ATemporaryFileIsNamedOnlyOnceItIsLockedAndWhole) {
    TempDir dir;
    const int probe = ::open(dir.path().c_str(), O_WRONLY | O_TMPFILE, 0600);
    if (probe < 0) GTEST_SKIP() << "this file system has no unnamed files; the writer retries instead";
    ::close(probe);
    WriteBytes(dir / "k.key", "old key\r\n");
    watched_folder = dir.path();
    seen_while_writing.clear();
    {
        const WriteSyscalls real = CurrentWriteSyscalls();
        ScopedWriteSyscalls scope({&WriteAndLook, real.fsync, &RenameAndLook});
        AtomicWriteFile(dir.U16("k.key"), "new key\r\n");
    }
    EXPECT_EQ(seen_while_writing, std::vector<std::string>{"k.key"});
    EXPECT_FALSE(unlocked_at_rename);
    EXPECT_EQ(ReadBytes(dir / "k.key"), "new key\r\n");
    EXPECT_EQ(EntryCount(dir.path()), 1u);
}

// Entries of the temporary-file pattern planted or left in the folder before a write.
TEST(AtomicWrite, RemovesOnlyItsOwnDeadLeftoversAndNeverWritesIntoAPlantedName) {
    TempDir dir;
    const std::string prefix = ".k.key.sorvane-";
    WriteBytes(dir / (prefix + "dead000001"), "half-written key from a crash");
    WriteBytes(dir / (prefix + "busy000001"), "a live writer's file");
    const int busy = ::open((dir / (prefix + "busy000001")).c_str(), O_RDONLY);
    ASSERT_EQ(::flock(busy, LOCK_EX), 0);
    ASSERT_EQ(::mkfifo((dir / (prefix + "fifo000001")).c_str(), 0600), 0);
    WriteBytes(dir / "elsewhere", "not ours to touch");
    fs::create_symlink(dir / "elsewhere", dir / (prefix + "link000001"));
    WriteBytes(dir / (prefix + "tooshort"), "another pattern");

    AtomicWriteFile(dir.U16("k.key"), "key\r\n");

    EXPECT_EQ(ReadBytes(dir / "k.key"), "key\r\n");
    EXPECT_FALSE(fs::exists(dir / (prefix + "dead000001")));
    EXPECT_EQ(ReadBytes(dir / (prefix + "busy000001")), "a live writer's file");
    EXPECT_TRUE(fs::is_fifo(dir / (prefix + "fifo000001")));
    EXPECT_TRUE(fs::is_symlink(dir / (prefix + "link000001")));
    EXPECT_EQ(ReadBytes(dir / "elsewhere"), "not ours to touch");
    EXPECT_TRUE(fs::exists(dir / (prefix + "tooshort")));
    EXPECT_EQ(EntryCount(dir.path()), 6u);
    ::close(busy);
}

TEST(AtomicWrite, RefusesWhatIsNotARegularFileAndLeavesItAsItIs) {
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "fifo.key").c_str(), 0600), 0);
    fs::create_symlink(dir / "fifo.key", dir / "link-to-fifo.key");
    fs::create_symlink("/dev/null", dir / "null.key");
    const BoundSocket socket(dir / "s.key");
    ASSERT_TRUE(socket.bound());
    for (const char* name : {"fifo.key", "link-to-fifo.key", "null.key", "s.key"}) {
        try {
            AtomicWriteFile(dir.U16(name), "secret\r\n");
            ADD_FAILURE() << name << ": written";
        } catch (const IoError& error) {
            EXPECT_NE(std::string(error.what()).find(name), std::string::npos) << error.what();
            EXPECT_NE(std::string(error.what()).find(kNotARegularFile), std::string::npos) << error.what();
        }
    }
    EXPECT_TRUE(fs::is_fifo(dir / "fifo.key"));
    EXPECT_TRUE(fs::is_socket(dir / "s.key"));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(EntryCount(dir.path()), 4u);
}

TEST(AtomicWrite, AFileWithSeveralLinksIsUpdatedInPlace) {
    TempDir dir;
    WriteBytes(dir / "k.key", "a long old key that is cut\r\nsecond line\r\n");
    fs::create_hard_link(dir / "k.key", dir / "backup.key");
    struct stat before {};
    ASSERT_EQ(::stat((dir / "k.key").c_str(), &before), 0);

    AtomicWriteFile(dir.U16("k.key"), "new\r\n");

    struct stat after {};
    ASSERT_EQ(::stat((dir / "k.key").c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_nlink, 2u);
    EXPECT_EQ(ReadBytes(dir / "k.key"), "new\r\n");
    EXPECT_EQ(ReadBytes(dir / "backup.key"), "new\r\n");
    EXPECT_EQ(EntryCount(dir.path()), 2u);
}

TEST(AtomicWrite, AReplacedFileKeepsItsModeAndExtendedAttributes) {
    TempDir dir;
    WriteBytes(dir / "k.key", "old\r\n");
    ::chmod((dir / "k.key").c_str(), 0640);
    const char label[] = "kept";
    if (::setxattr((dir / "k.key").c_str(), "user.sorvane-test", label, sizeof label, 0) != 0)
        GTEST_SKIP() << "no user extended attributes here: " << std::strerror(errno);

    AtomicWriteFile(dir.U16("k.key"), "new\r\n");

    struct stat info {};
    ASSERT_EQ(::stat((dir / "k.key").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    char back[16] = {};
    EXPECT_EQ(::getxattr((dir / "k.key").c_str(), "user.sorvane-test", back, sizeof back),
              static_cast<ssize_t>(sizeof label));
    EXPECT_STREQ(back, label);
}

}  // namespace
}  // namespace sorvane
