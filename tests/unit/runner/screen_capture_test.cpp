#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "runner/BitmapFile.h"
#include "runner/Jpeg.h"
#include "runner/ScreenCapture.h"
#include "test_images.h"

namespace kv {
namespace {

LocalTime At(int year, int month, int day, int hour, int minute, int second, int ms) {
    LocalTime t;
    t.year = year, t.month = month, t.day = day;
    t.hour = hour, t.minute = minute, t.second = second, t.millisecond = ms;
    return t;
}

TEST(DateTimeStr, PadsEveryPartToItsWidth) {
    struct Case {
        LocalTime time;
        const char* text;
    } cases[] = {
        {At(2024, 3, 5, 14, 7, 9, 45), "2024.03.05.140709.045"},
        {At(2024, 12, 1, 9, 5, 3, 7), "2024.12.01.090503.007"},
        {At(1999, 1, 1, 0, 0, 0, 0), "1999.01.01.000000.000"},
        {At(2038, 12, 31, 23, 59, 59, 999), "2038.12.31.235959.999"},
    };
    for (const Case& c : cases) EXPECT_EQ(DateTimeStr(c.time), c.text);
}

TEST(CaptureFilePath, JoinsFolderAndNameWithABackslashAsTheyStand) {
    EXPECT_EQ(CaptureFilePath("D:\\Captures", "Screenshot_2024.12.01.090503.007.bmp"),
              "D:\\Captures\\Screenshot_2024.12.01.090503.007.bmp");
    // The editor's default folder ends in "\"; Windows accepts the doubled separator.
    EXPECT_EQ(CaptureFilePath("C:\\Tools\\", "a.jpg"), "C:\\Tools\\\\a.jpg");
}

TEST(ScreenShot, CopiesTheRectangleAskedFor) {
    FakeScreen screen;
    Bitmap bitmap;
    ASSERT_TRUE(ScreenShot(screen, -1280, -200, 3, 2, bitmap));
    ASSERT_EQ(screen.captures.size(), 1u);
    EXPECT_EQ(screen.captures[0].left, -1280);
    EXPECT_EQ(screen.captures[0].top, -200);
    EXPECT_EQ(bitmap.width, 3);
    EXPECT_EQ(bitmap.height, 2);

    EXPECT_FALSE(ScreenShot(screen, 0, 0, 0, 10, bitmap));
    EXPECT_FALSE(ScreenShot(screen, 0, 0, 10, 0, bitmap));
    EXPECT_EQ(screen.captures.size(), 1u) << "an empty rectangle reads nothing";
    screen.readable = false;
    EXPECT_FALSE(ScreenShot(screen, 0, 0, 10, 10, bitmap));
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool FileExists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

// A fresh folder for the files of one test, removed with what it holds.
class CaptureFiles : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/kv_capture_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
        screen_.virtualScreen = Rect{0, 0, 40, 30};
        screen_.bitsPerPixel = 24;
        screen_.pixelAt = [](int x, int y) { return TestColour(x, y, 24); };
        screen_.now = At(2024, 12, 1, 9, 5, 3, 7);
    }
    void TearDown() override {
        for (const std::string& path : created_) std::remove(path.c_str());
        rmdir(root_.c_str());
    }
    // The folder as a payload names it: on Linux the "\" that the player adds
    // is an ordinary character, so the file lands beside it in root_.
    std::string Folder() const { return root_ + "/Captures"; }
    std::string Written(const char* name) {
        created_.push_back(Folder() + "\\" + name);
        return created_.back();
    }

    FakeScreen screen_;
    std::string root_;
    std::vector<std::string> created_;
};

TEST_F(CaptureFiles, BitmapWritesTheScreenAsABmpFileNamedAfterTheTime) {
    PlayScreenCapture(screen_, Folder() + "|Bitmap");
    const std::string path = Written("Screenshot_2024.12.01.090503.007.bmp");
    ASSERT_TRUE(FileExists(path));
    Bitmap expected;
    screen_.CaptureScreen(screen_.virtualScreen, expected);
    EXPECT_EQ(ReadFileBytes(path), BitmapToBmpFile(expected));
}

TEST_F(CaptureFiles, JpegWritesAJpegFile) {
    PlayScreenCapture(screen_, Folder() + "|JPEG");
    const std::string path = Written("Screenshot_2024.12.01.090503.007.jpg");
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    Bitmap expected;
    screen_.CaptureScreen(screen_.virtualScreen, expected);
    EXPECT_EQ(bytes, BitmapToJpeg(expected));
}

TEST_F(CaptureFiles, AnExistingFileOfTheSameNameIsReplaced) {
    const std::string path = Written("Screenshot_2024.12.01.090503.007.bmp");
    {
        std::ofstream old(path, std::ios::binary);
        old << std::string(100000, 'x');
    }
    PlayScreenCapture(screen_, Folder() + "|Bitmap");
    Bitmap expected;
    screen_.CaptureScreen(screen_.virtualScreen, expected);
    EXPECT_EQ(ReadFileBytes(path), BitmapToBmpFile(expected));
}

TEST_F(CaptureFiles, AnyOtherFormatCapturesButWritesNothing) {
    for (const char* format : {"Jpeg", "bitmap", "BMP", "PNG"}) {
        screen_.captures.clear();
        PlayScreenCapture(screen_, Folder() + "|" + format);
        EXPECT_EQ(screen_.captures.size(), 1u) << format;
        EXPECT_FALSE(FileExists(Folder() + "\\Screenshot_2024.12.01.090503.007.bmp")) << format;
        EXPECT_FALSE(FileExists(Folder() + "\\Screenshot_2024.12.01.090503.007.jpg")) << format;
    }
}

TEST_F(CaptureFiles, CapturesTheVirtualScreenFromItsRealTopLeftCorner) {
    // A monitor left of and above the primary one.
    screen_.virtualScreen = Rect{-64, -20, 160, 80};
    PlayScreenCapture(screen_, Folder() + "|Nothing");
    ASSERT_EQ(screen_.captures.size(), 1u);
    const Rect& area = screen_.captures[0];
    EXPECT_EQ(area.left, -64);
    EXPECT_EQ(area.top, -20);
    EXPECT_EQ(area.width, 160);
    EXPECT_EQ(area.height, 80);
}

TEST_F(CaptureFiles, AMissingFolderCannotBeCreated) {
    const std::string folder = root_ + "/missing/Captures";
    const std::string path = folder + "\\Screenshot_2024.12.01.090503.007.jpg";
    try {
        PlayScreenCapture(screen_, folder + "|JPEG");
        FAIL() << "no error";
    } catch (const CaptureError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + path + "\". No such file or directory");
    }
    EXPECT_FALSE(FileExists(path));
}

TEST_F(CaptureFiles, APayloadWithoutAFormatIsAListIndexError) {
    // A blank folder field vanishes when the payload is split.
    for (const std::string& payload : {std::string("|JPEG"), std::string(" |Bitmap"), Folder(), std::string()}) {
        try {
            PlayScreenCapture(screen_, payload);
            FAIL() << "no error for " << payload;
        } catch (const CaptureError& e) {
            EXPECT_STREQ(e.what(), "List index out of bounds (1)") << payload;
        }
    }
}

TEST_F(CaptureFiles, AScreenThatCannotBeReadIsReportedAndNothingWritten) {
    screen_.readable = false;
    EXPECT_THROW(PlayScreenCapture(screen_, Folder() + "|Bitmap"), CaptureError);
    EXPECT_FALSE(FileExists(Folder() + "\\Screenshot_2024.12.01.090503.007.bmp"));
}

}  // namespace
}  // namespace kv
