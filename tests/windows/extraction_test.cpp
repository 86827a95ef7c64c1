// The real mipro.exe under the real window system: a picture chosen through the real file dialog
// is extracted and sorted by the real command shell, with both the picture and the temporary
// folder under paths holding blanks, '&', '%' and Japanese letters.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "mipro_process.h"

namespace mipro::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr auto kStepTimeout = 30s;
constexpr int kFileNameCombo = 0x47C;  // the file dialog's file-name box (cmb13)
const wchar_t* const kDialogClass = L"#32770";
const wchar_t* const kDoneText = L"ピクセル情報は取り出し済みです。";

struct Pixel {
    int r, g, b;
};

// A picture as the test wants it: colour at (x, y).
struct TestPicture {
    int width, height;
    std::vector<Pixel> pixels;
    Pixel at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

TestPicture Pattern(int width, int height, bool withWhite) {
    TestPicture p{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Pixel c{(x * 7) % 5 * 60, (y * 3) % 4 * 80, (x + y) % 3 * 100};
            if (withWhite && (x + 2 * y) % 5 == 0) c = {255, 255, 255};
            p.pixels.push_back(c);
        }
    }
    return p;
}

// A 24-bit Windows bitmap, rows from the bottom, each padded to four bytes.
void WriteBitmap(const fs::path& path, const TestPicture& p) {
    const int rowBytes = (p.width * 3 + 3) / 4 * 4;
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(rowBytes * p.height);
    std::vector<std::uint8_t> out(54, 0);
    auto put32 = [&out](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    out[0] = 'B';
    out[1] = 'M';
    put32(2, 54 + dataBytes);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(p.width));
    put32(22, static_cast<std::uint32_t>(p.height));
    out[26] = 1;
    out[28] = 24;
    put32(34, dataBytes);
    for (int y = p.height - 1; y >= 0; --y) {
        for (int x = 0; x < p.width; ++x) {
            const Pixel c = p.at(x, y);
            out.insert(out.end(), {static_cast<std::uint8_t>(c.b), static_cast<std::uint8_t>(c.g),
                                   static_cast<std::uint8_t>(c.r)});
        }
        out.resize(out.size() + (rowBytes - p.width * 3), 0);
    }
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(out.data()), out.size());
}

std::string Digits(int v) {
    char text[4];
    std::snprintf(text, sizeof text, "%03d", v);
    return text;
}

// The pixel list in reading order, white left out, each line with its CR LF.
std::vector<std::string> ExpectedLines(const TestPicture& p) {
    std::vector<std::string> lines;
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            const Pixel c = p.at(x, y);
            if (c.r == 255 && c.g == 255 && c.b == 255) continue;
            lines.push_back(Digits(c.r) + Digits(c.g) + Digits(c.b) + Digits(y) + Digits(x) + "\r\n");
        }
    }
    return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& l : lines) all += l;
    return all;
}

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<fs::path> WorkFiles(const fs::path& dir) {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (entry.path().filename().wstring().rfind(L"MPR", 0) == 0) found.push_back(entry.path());
    }
    return found;
}

// Whether the screen shows the picture in the client area of `window`, from its corner.
bool ScreenShows(HWND window, const TestPicture& p) {
    POINT corner{0, 0};
    if (!IsWindowVisible(window) || !ClientToScreen(window, &corner)) return false;
    HDC screen = GetDC(nullptr);
    bool same = true;
    for (int y = 0; y < p.height && same; ++y) {
        for (int x = 0; x < p.width && same; ++x) {
            const Pixel c = p.at(x, y);
            same = GetPixel(screen, corner.x + x, corner.y + y) == RGB(c.r, c.g, c.b);
        }
    }
    ReleaseDC(nullptr, screen);
    return same;
}

class ExtractionTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t base[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, base);
        tempDir = fs::path(base) / L"mipro 一時 & 100% フォルダ";
        pictureDir = fs::path(base) / L"絵 & 50% の フォルダ";
        fs::remove_all(tempDir);
        fs::create_directories(tempDir);
        fs::create_directories(pictureDir);
        // mipro inherits these: its temporary folder is the awkward one.
        const std::wstring temp = tempDir.wstring() + L"\\";
        SetEnvironmentVariableW(L"TEMP", temp.c_str());
        SetEnvironmentVariableW(L"TMP", temp.c_str());
    }

    void TearDown() override {
        mipro.reset();
        std::error_code ec;
        fs::remove_all(tempDir, ec);
        fs::remove_all(pictureDir, ec);
    }

    void StartMipro() {
        mipro = std::make_unique<MiproProcess>();
        ASSERT_TRUE(mipro->started());
        ASSERT_TRUE(WaitFor([&] { return (main = mipro->findWindow(win32::kMainWindowClass)) != nullptr; },
                            kStepTimeout));
        next = FormControl(main, {Control::cmdNEXT});
        ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(next) && IsWindowEnabled(next); }, kStepTimeout));
    }

    // Step 2 through the real dialog: the path is typed into its file-name box and Open pressed.
    void ChooseInDialog(const fs::path& picture) {
        PostMessageW(next, BM_CLICK, 0, 0);
        HWND open = FormControl(main, {Control::cmdOPEN}, 2);
        ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(open) != 0; }, kStepTimeout));
        PostMessageW(open, BM_CLICK, 0, 0);
        HWND dialog = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (dialog = mipro->findWindow(kDialogClass)) != nullptr; }, kStepTimeout))
            << "the file dialog did not open";
        HWND name = GetDlgItem(dialog, kFileNameCombo);
        ASSERT_NE(name, nullptr);
        SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(picture.wstring().c_str()));
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(next) && mipro->findWindow(kDialogClass) == nullptr; },
                            kStepTimeout))
            << "the picture was not loaded";
    }

    struct StepThreeTimes {
        double untilSorting = 0;  // seconds from Next to the sorting status
        double untilDone = 0;     // seconds from Next to the done status
    };

    // Writes the picture, starts mipro and loads the picture in step 2.
    void LoadInMipro(const TestPicture& picture, const fs::path& file) {
        WriteBitmap(file, picture);
        ASSERT_NO_FATAL_FAILURE(StartMipro());
        ASSERT_NO_FATAL_FAILURE(ChooseInDialog(file));
    }

    // Presses Next into step 3 and waits for the end of the extraction, timing it.
    StepThreeTimes RunStepThree() {
        HWND status = FormControl(main, {Control::lblSTINFO, 3}, 3);
        const auto start = std::chrono::steady_clock::now();
        auto secondsSinceStart = [&start] {
            return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        };
        StepThreeTimes times;
        PostMessageW(next, BM_CLICK, 0, 0);
        const bool done = WaitFor(
            [&] {
                const std::wstring text = TextOf(status);
                if (times.untilSorting == 0 && text.find(L"並び替え") != std::wstring::npos) {
                    times.untilSorting = secondsSinceStart();
                }
                return text == kDoneText;
            },
            kStepTimeout);
        times.untilDone = secondsSinceStart();
        EXPECT_TRUE(done) << "step 3 did not finish; status: " << fs::path(TextOf(status)).string()
                          << (mipro->findWindow(kDialogClass) ? " (a message box is open)" : "");
        return times;
    }

    fs::path tempDir, pictureDir;
    std::unique_ptr<MiproProcess> mipro;
    HWND main = nullptr;
    HWND next = nullptr;
};

TEST_F(ExtractionTest, SortedWorkFileHoldsThePictureLineForLine) {
    const TestPicture picture = Pattern(40, 30, true);
    const fs::path file = pictureDir / L"テスト 絵 & 1%.bmp";
    ASSERT_NO_FATAL_FAILURE(LoadInMipro(picture, file));
    // An edit control of another process answers with its text only when asked by message.
    wchar_t shown[MAX_PATH] = {};
    SendMessageW(FormControl(main, {Control::txtIMGFILENAME}, 2), WM_GETTEXT, MAX_PATH, reinterpret_cast<LPARAM>(shown));
    EXPECT_EQ(std::wstring(shown), file.wstring());
    RunStepThree();
    // Step 3's box shows the picture, at full size in its corner, on the screen.
    HWND box = FormControl(main, {Control::picIMGCHK, 3}, 3);
    EXPECT_TRUE(WaitFor([&] { return ScreenShows(box, picture); }, 5s)) << "step 3's box does not show the picture";

    std::vector<std::string> lines = ExpectedLines(picture);
    const std::string readingOrder = Joined(lines);
    std::sort(lines.begin(), lines.end());
    const std::string sorted = Joined(lines);

    int unsortedFiles = 0, sortedFiles = 0, batches = 0;
    for (const fs::path& work : WorkFiles(tempDir)) {
        const std::string text = Contents(work);
        unsortedFiles += text == readingOrder;
        sortedFiles += text == sorted;
        if (work.extension() == L".BAT") {
            ++batches;
            EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3) << text;
        }
    }
    EXPECT_EQ(unsortedFiles, 1);
    EXPECT_EQ(sortedFiles, 1);
    EXPECT_EQ(batches, 1);

    // Closing the program takes its work files with it.
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(mipro->waitForEnd(10000));
    EXPECT_TRUE(WorkFiles(tempDir).empty());
}

// A logoff while the sort runs: the program agrees, stops the sort, ends, and leaves no work file
// behind, those the sort holds open included.
TEST_F(ExtractionTest, ALogoffDuringTheSortEndsTheProgramWithoutWorkFiles) {
    SetEnvironmentVariableW(L"MIPRO_SORT_FIXTURE_HOLD_MS", L"30000");
    ASSERT_NO_FATAL_FAILURE(LoadInMipro(Pattern(40, 30, false), pictureDir / L"logoff.bmp"));
    SetEnvironmentVariableW(L"MIPRO_SORT_FIXTURE_HOLD_MS", nullptr);
    HWND status = FormControl(main, {Control::lblSTINFO, 3}, 3);
    PostMessageW(next, BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return TextOf(status).find(L"並び替え") != std::wstring::npos; }, kStepTimeout));

    DWORD_PTR agreed = 0;
    ASSERT_NE(SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_BLOCK, 10000, &agreed), 0);
    EXPECT_EQ(agreed, static_cast<DWORD_PTR>(TRUE));
    SendMessageTimeoutW(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_BLOCK, 10000, nullptr);
    ASSERT_TRUE(mipro->waitForEnd(10000)) << "the program did not end";
    EXPECT_TRUE(WorkFiles(tempDir).empty());
}

// Not a test: the whole of step 3 for a 600 x 600 picture without white, 360 000 lines, timed.
// Run with --gtest_also_run_disabled_tests --gtest_filter=*Benchmark*.
TEST_F(ExtractionTest, DISABLED_BenchmarkStepThreeOfAFullPicture) {
    ASSERT_NO_FATAL_FAILURE(LoadInMipro(Pattern(600, 600, false), pictureDir / L"bench.bmp"));
    const StepThreeTimes times = RunStepThree();
    std::printf("step 3, 600 x 600, 360000 lines: reading %.3f s, whole step %.3f s\n", times.untilSorting,
                times.untilDone);
}

}  // namespace
}  // namespace mipro::testing
