#include <gtest/gtest.h>

#include <cerrno>

#include "fileio/atomic_write.h"
#include "fileio/io_error.h"
#include "fileio/syscalls.h"
#include "keystore/key_file.h"
#include "support/temp_dir.h"

namespace sorvane {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

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
int FailingRename(const char*, const char*) {
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
        {"disk full after some bytes", {&WriteThenDiskFull, real.fsync, real.rename}, "No space left"},
        {"flush fails", {real.write, &FailingFsync, real.rename}, "Input/output error"},
        {"rename fails", {real.write, real.fsync, &FailingRename}, "cross-device"},
    };
    TempDir dir;
    for (const auto& c : cases) {
        WriteBytes(dir / "k.key", "old key\r\n");
        {
            ScopedWriteSyscalls scope(c.calls);
            try {
                WriteKeyLine(dir.U16("k.key"), u"a much longer new key");
                ADD_FAILURE() << c.what << ": no error";
            } catch (const IoError& error) {
                EXPECT_NE(std::string(error.what()).find("k.key"), std::string::npos) << c.what;
                EXPECT_NE(std::string(error.what()).find(c.reason), std::string::npos) << error.what();
            }
        }
        EXPECT_EQ(ReadBytes(dir / "k.key"), "old key\r\n") << c.what;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << c.what;
    }
}

TEST(AtomicWrite, ALeftoverTemporaryFileIsReusedByTheNextWrite) {
    TempDir dir;
    const std::u16string target = dir.U16("k.key");
    WriteBytes(Utf16ToUtf8(TemporaryPathFor(target)), "half-written garbage from a crash");
    WriteKeyLine(target, u"key");
    EXPECT_EQ(ReadBytes(dir / "k.key"), "key\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(AtomicWrite, TemporaryNameStaysShortForLongNames) {
    const std::u16string folder = u"/some/folder/";
    EXPECT_EQ(TemporaryPathFor(folder + u"k.key"), folder + u".k.key.sorvane-tmp");
    const std::u16string long_name(250, u'n');
    const std::u16string temporary = TemporaryPathFor(folder + long_name);
    EXPECT_LT(temporary.size() - folder.size(), 64u);
    EXPECT_NE(temporary, TemporaryPathFor(folder + long_name + u"x"));
}

}  // namespace
}  // namespace sorvane
