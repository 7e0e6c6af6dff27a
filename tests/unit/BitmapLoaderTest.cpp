// Loading through a file name: names with accents and spaces, files that are
// missing, not files, too big or unreadable.

#include "imagefile/BitmapLoader.h"
#include "imagefile/BitmapLimits.h"
#include "imagefile/BitmapReasons.h"
#include "imagefile/FileBytes.h"

#include "../support/BitmapFileBuilder.h"
#include "../support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// 3 x 2 pixels at 24 bits: rows of 9 bytes padded to 12, bottom row first.
std::vector<unsigned char> SmallRgbFile() {
    return BitmapFile(3, 2, 24, 0, {},
                      {0,   0,   255, 0, 255, 0, 255, 0,   0,   0, 0, 0,   // red green blue
                       255, 255, 255, 0, 0,   0, 128, 128, 128, 0, 0, 0}); // white black grey
}

const std::vector<Colour> SMALL_RGB_PIXELS = {Rgb(255, 255, 255), Rgb(0, 0, 0),
                                              Rgb(128, 128, 128), Rgb(255, 0, 0),
                                              Rgb(0, 255, 0),     Rgb(0, 0, 255)};

TEST(BitmapLoader, LoadsANameWithAccentsAndSpaces) {
    TempFolder folder;
    fs::create_directory(folder.path() / u8"Imágenes de año");
    const std::string path = folder.write("Imágenes de año/pequeño dibujo ñ.bmp", SmallRgbFile());
    std::string reason;
    const std::optional<DecodedImage> image = ReadBitmapImage(path, &reason);
    ASSERT_TRUE(image) << reason;
    EXPECT_EQ(image->width, 3);
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(image->pixels, SMALL_RGB_PIXELS);
}

TEST(BitmapLoader, RefusesAMissingFileWithoutCreatingIt) {
    TempFolder folder;
    std::string reason;
    EXPECT_FALSE(ReadBitmapImage(folder.file("missing.bmp"), &reason));
    EXPECT_EQ(reason, REASON_NO_SUCH_FILE);
    EXPECT_FALSE(fs::exists(folder.path() / "missing.bmp"));
    EXPECT_FALSE(ReadBitmapImage("", &reason));
}

TEST(BitmapLoader, RefusesAFolder) {
    TempFolder folder;
    fs::create_directory(folder.path() / "pictures.bmp");
    std::string reason;
    EXPECT_FALSE(ReadBitmapImage(folder.file("pictures.bmp"), &reason));
    EXPECT_EQ(reason, REASON_NOT_A_FILE);
}

TEST(BitmapLoader, RefusesAFileAboveTheSizeLimitWithoutReadingIt) {
    TempFolder folder;
    const std::string path = folder.write("huge.bmp", SmallRgbFile());
    // A sparse file: its length costs no disk and no reading.
    fs::resize_file(folder.path() / "huge.bmp", MAX_BITMAP_FILE_BYTES + 1);
    std::string reason;
    EXPECT_FALSE(ReadBitmapImage(path, &reason));
    EXPECT_EQ(reason, REASON_FILE_TOO_BIG);
    // Exactly at the limit it is read, and then refused only for its content.
    fs::resize_file(folder.path() / "huge.bmp", MAX_BITMAP_FILE_BYTES);
    const auto bytes = ReadFileBytes(path, MAX_BITMAP_FILE_BYTES, &reason);
    ASSERT_TRUE(bytes) << reason;
    EXPECT_EQ(bytes->size(), MAX_BITMAP_FILE_BYTES);
}

TEST(BitmapLoader, RefusesAFileItsUserMayNotRead) {
    TempFolder folder;
    const std::string path = folder.write("private.bmp", SmallRgbFile());
    ASSERT_EQ(chmod(path.c_str(), 0), 0);
    // Tests run as root, who may read anything: try as an unprivileged user.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (setuid(65534) != 0) _exit(2);
        std::string reason;
        const bool refused = !ReadBitmapImage(path, &reason) && reason == REASON_CANNOT_OPEN;
        _exit(refused ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(BitmapLoader, GivesTheSamePixelsFromAFileAndFromItsBytes) {
    TempFolder folder;
    const std::vector<unsigned char> bytes = SmallRgbFile();
    std::string reason;
    const auto fromFile = ReadBitmapImage(folder.write("a.bmp", bytes), &reason);
    const auto fromBytes = ReadBitmapBytes(bytes, &reason);
    ASSERT_TRUE(fromFile && fromBytes) << reason;
    EXPECT_EQ(fromFile->pixels, fromBytes->pixels);
}

} // namespace
