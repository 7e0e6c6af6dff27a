// Saving over files: the old file is replaced whole or kept as it was.

#include "imagefile/BitmapWriter.h"

#include "../support/TempFolder.h"
#include "ChildProcess.h"
#include "WriterTesting.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <system_error>

namespace fs = std::filesystem;

namespace {

using SafeSave = WriterTest;

std::vector<unsigned char> OldContent(std::size_t size) {
    std::vector<unsigned char> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = (unsigned char)(i * 31 + 7);
    return bytes;
}

std::string Reason(int error) {
    return "Failed: " + std::system_category().message(error);
}

// The 500 x 500 picture (750054 bytes), made the target.
void LargePicture() {
    MakePicture(500, 500, [](int x, int y) { return Rgb(x & 255, y & 255, 9); });
}

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

// Puts a folder's permissions back when a test ends, so it can be removed.
struct FolderMode {
    FolderMode(const fs::path& folder, mode_t mode) : m_folder(folder) {
        ::chmod(folder.c_str(), mode);
    }
    ~FolderMode() { ::chmod(m_folder.c_str(), 0755); }
    fs::path m_folder;
};

TEST_F(SafeSave, ALongerOldFileEndsAtTheNewLength) {
    TempFolder folder;
    const std::string path = folder.write("image.bmp", OldContent(5000));
    MakePicture(1, 1, [](int, int) { return Colour(0); });
    ASSERT_EQ(Describe(WriteBitmapFile(path)), "Written");
    EXPECT_EQ(ReadBytes(path).size(), 58u);
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"image.bmp"});
}

TEST_F(SafeSave, AShorterOldFileGrows) {
    TempFolder folder;
    const std::string path = folder.write("image.bmp", OldContent(10));
    MakePicture(3, 2, [](int, int) { return Colour(0); });
    ASSERT_EQ(Describe(WriteBitmapFile(path)), "Written");
    EXPECT_EQ(ReadBytes(path).size(), 78u);
}

TEST_F(SafeSave, ASymbolicLinkKeepsPointingAtTheNewContent) {
    TempFolder folder;
    fs::create_directory(folder.path() / "real");
    const std::string real = folder.write("real/picture.bmp", OldContent(100));
    fs::create_symlink("real/picture.bmp", folder.path() / "link.bmp");
    fs::create_symlink("link.bmp", folder.path() / "link-to-link.bmp");
    MakePicture(1, 1, [](int, int) { return Colour(0x00FF00FF); });

    ASSERT_EQ(Describe(WriteBitmapFile(folder.file("link-to-link.bmp"))), "Written");
    EXPECT_TRUE(fs::is_symlink(folder.path() / "link.bmp"));
    EXPECT_TRUE(fs::is_symlink(folder.path() / "link-to-link.bmp"));
    EXPECT_EQ(ReadBytes(real).size(), 58u);
    EXPECT_EQ(ReadBytes(folder.file("link.bmp")), ReadBytes(real));
    EXPECT_EQ(FolderEntries(folder.path() / "real"), std::vector<std::string>{"picture.bmp"});
}

TEST_F(SafeSave, ALinkToNothingCreatesTheFileItNames) {
    TempFolder folder;
    fs::create_symlink("made.bmp", folder.path() / "link.bmp");
    MakePicture(1, 1, [](int, int) { return Colour(0); });
    ASSERT_EQ(Describe(WriteBitmapFile(folder.file("link.bmp"))), "Written");
    EXPECT_TRUE(fs::is_symlink(folder.path() / "link.bmp"));
    EXPECT_EQ(ReadBytes(folder.file("made.bmp")).size(), 58u);
}

TEST_F(SafeSave, AnExistingFileKeepsItsPermissions) {
    TempFolder folder;
    const std::string path = folder.write("private.bmp", OldContent(100));
    ::chmod(path.c_str(), 0640);
    MakePicture(1, 1, [](int, int) { return Colour(0); });
    ASSERT_EQ(Describe(WriteBitmapFile(path)), "Written");
    EXPECT_EQ(ModeOf(path), mode_t(0640));
}

TEST_F(SafeSave, ANewFileGetsTheUsualPermissions) {
    TempFolder folder;
    const mode_t mask = ::umask(022);
    MakePicture(1, 1, [](int, int) { return Colour(0); });
    const std::string path = folder.file("new.bmp");
    ASSERT_EQ(Describe(WriteBitmapFile(path)), "Written");
    ::umask(mask);
    EXPECT_EQ(ModeOf(path), mode_t(0644));
}

TEST_F(SafeSave, AcceptsUtf8Names) {
    TempFolder folder;
    MakePicture(1, 1, [](int, int) { return Colour(0); });
    const std::string name = "im\xC3\xA1gen a\xC3\xB1o.bmp"; // "imagen" with accents, a space
    ASSERT_EQ(Describe(WriteBitmapFile(folder.file(name))), "Written");
    EXPECT_EQ(ReadBytes(folder.file(name)).size(), 58u);
}

TEST_F(SafeSave, AFolderOrAMissingFolderIsRefusedWithAReason) {
    TempFolder folder;
    fs::create_directory(folder.path() / "pictures.bmp");
    MakePicture(1, 1, [](int, int) { return Colour(0); });
    EXPECT_EQ(Describe(WriteBitmapFile(folder.file("pictures.bmp"))), Reason(EISDIR));
    EXPECT_EQ(Describe(WriteBitmapFile(folder.file("missing/image.bmp"))), Reason(ENOENT));
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"pictures.bmp"});
    EXPECT_TRUE(fs::is_empty(folder.path() / "pictures.bmp"));
}

// --- Faults, in a child process ----------------------------------------------

TEST_F(SafeSave, AWriteStoppedHalfWayLeavesTheOldFile) {
    TempFolder folder;
    const std::vector<unsigned char> old = OldContent(3000);
    const std::string path = folder.write("image.bmp", old);
    const std::string report = RunInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64 * 1024, 64 * 1024}; // far below the new file's 750054 bytes
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return std::string("no limit");
        LargePicture();
        return Describe(WriteBitmapFile(path));
    });
    EXPECT_EQ(report, Reason(EFBIG));
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"image.bmp"});
}

TEST_F(SafeSave, AFolderThatMayNotBeWrittenLeavesTheOldFile) {
    TempFolder folder;
    const std::vector<unsigned char> old = OldContent(3000);
    const std::string path = folder.write("image.bmp", old);
    ::chmod(path.c_str(), 0644);
    const FolderMode readOnly(folder.path(), 0755);
    const std::string report = RunInChild([&] {
        if (!DropRootPrivileges()) return std::string("still root");
        LargePicture();
        return Describe(WriteBitmapFile(path)) + " | " +
               Describe(WriteBitmapFile(folder.file("new.bmp")));
    });
    EXPECT_EQ(report, Reason(EACCES) + " | " + Reason(EACCES));
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"image.bmp"});
}

TEST_F(SafeSave, APathUnderARegularFileLeavesThatFile) {
    TempFolder folder;
    const std::vector<unsigned char> old = OldContent(3000);
    const std::string plain = folder.write("plain.bmp", old);
    const std::string report = RunInChild([&] {
        LargePicture();
        return Describe(WriteBitmapFile(plain + "/image.bmp"));
    });
    EXPECT_EQ(report, Reason(ENOTDIR));
    EXPECT_EQ(ReadBytes(plain), old);
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"plain.bmp"});
}

TEST_F(SafeSave, AReadOnlyFileIsLeftAloneThoughItsFolderIsWritable) {
    TempFolder folder;
    const std::vector<unsigned char> old = OldContent(3000);
    const std::string path = folder.write("image.bmp", old);
    ::chmod(path.c_str(), 0444);
    const FolderMode everyone(folder.path(), 0777);
    const std::string report = RunInChild([&] {
        if (!DropRootPrivileges()) return std::string("still root");
        LargePicture();
        return Describe(WriteBitmapFile(path));
    });
    EXPECT_EQ(report, Reason(EACCES));
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"image.bmp"});
}

TEST_F(SafeSave, AWritableFileInAClosedFolderIsRewrittenInPlace) {
    TempFolder folder;
    const std::string path = folder.write("image.bmp", OldContent(800000));
    ::chmod(path.c_str(), 0666);
    const FolderMode closed(folder.path(), 0755);
    const std::string report = RunInChild([&] {
        if (!DropRootPrivileges()) return std::string("still root");
        MakePicture(3, 2, [](int, int) { return Colour(0x00FF00FF); });
        return Describe(WriteBitmapFile(path));
    });
    EXPECT_EQ(report, "Written");
    const std::vector<unsigned char> bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 78u);
    EXPECT_EQ(ReadLE(bytes, 18, 4), 3u);
    EXPECT_EQ(bytes[54], 0xFF);
    EXPECT_EQ(bytes[55], 0x00);
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"image.bmp"});
}

TEST_F(SafeSave, AnInPlaceWriteStoppedHalfWayPutsTheOldContentBack) {
    TempFolder folder;
    const std::vector<unsigned char> old = OldContent(20000);
    const std::string path = folder.write("image.bmp", old);
    ::chmod(path.c_str(), 0666);
    const FolderMode closed(folder.path(), 0755);
    const std::string report = RunInChild([&] {
        if (!DropRootPrivileges()) return std::string("still root");
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64 * 1024, 64 * 1024};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return std::string("no limit");
        LargePicture();
        return Describe(WriteBitmapFile(path));
    });
    EXPECT_EQ(report, Reason(EFBIG));
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"image.bmp"});
}

} // namespace
