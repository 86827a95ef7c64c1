// The PNG and GIF decoders: every kind of picture gives the colours the earlier decoder gave, and
// pictures whose headers claim far more than they hold load in little memory or are refused.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "picture/image_decode.h"
#include "picture/image_load.h"
#include "stb_reference.h"

namespace mipro::testing {
namespace {

const std::filesystem::path kData = MIPRO_TEST_DATA_DIR;

std::vector<std::uint8_t> Bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Grey, palette, RGB and RGBA PNGs of every depth, interlaced or not, with an alpha channel, a
// transparent palette entry or colour; GIFs with transparency, interlaced; pictures past 600 x 600.
TEST(PictureDecoders, EveryPictureShowsWhatTheEarlierDecoderShowed) {
    int compared = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kData / "pictures")) {
        SCOPED_TRACE(entry.path().filename().string());
        const std::vector<std::uint8_t> bytes = Bytes(entry.path());
        const auto reference = ReferenceDecode(bytes, kClipSide, kClipSide);
        ASSERT_TRUE(reference);
        const auto decoded = DecodePicture(bytes, kClipSide, kClipSide);
        ASSERT_TRUE(decoded);
        EXPECT_EQ(decoded->width, reference->width);
        EXPECT_EQ(decoded->height, reference->height);
        ASSERT_EQ(decoded->canvas.width(), reference->canvas.width());
        ASSERT_EQ(decoded->canvas.height(), reference->canvas.height());
        int differing = 0;
        for (int y = 0; y < decoded->canvas.height(); ++y)
            for (int x = 0; x < decoded->canvas.width(); ++x)
                differing += decoded->canvas.point(x, y) != reference->canvas.point(x, y);
        EXPECT_EQ(differing, 0);
        ++compared;
    }
    EXPECT_GE(compared, 20);
}

// What loading one file did to the process: the growth of its peak resident set and of its peak
// address space, in bytes, measured in a child process of its own so earlier loads do not hide it.
struct LoadCost {
    bool loaded = false;
    int width = 0, height = 0;
    ColourValue topLeft = 0, farCorner = 0;  // (0, 0) and (599, 599) of the canvas
    long long residentGrowth = 0, addressGrowth = 0;
};

long long StatusBytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) return std::stoll(line.substr(std::string(field).size())) * 1024;
    }
    return -1;
}

LoadCost LoadInChild(const std::filesystem::path& path) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return {};
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        const std::vector<std::uint8_t> bytes = Bytes(path);
        LoadCost cost;
        const long long resident = StatusBytes("VmHWM:"), address = StatusBytes("VmPeak:");
        const auto decoded = DecodePicture(bytes, kClipSide, kClipSide);
        cost.residentGrowth = StatusBytes("VmHWM:") - resident;
        cost.addressGrowth = StatusBytes("VmPeak:") - address;
        if (decoded) {
            cost.loaded = true;
            cost.width = decoded->width;
            cost.height = decoded->height;
            cost.topLeft = decoded->canvas.point(0, 0);
            cost.farCorner = decoded->canvas.point(decoded->canvas.width() - 1, decoded->canvas.height() - 1);
        }
        const bool sent = write(pipeEnds[1], &cost, sizeof cost) == static_cast<ssize_t>(sizeof cost);
        _exit(sent ? 0 : 1);
    }
    close(pipeEnds[1]);
    LoadCost cost;
    const bool received = read(pipeEnds[0], &cost, sizeof cost) == static_cast<ssize_t>(sizeof cost);
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(received && WIFEXITED(status) && WEXITSTATUS(status) == 0) << path;
    return cost;
}

// The picture's memory beyond its file: the 600 x 600 canvas (1.4 MB), two rows and the inflater.
constexpr long long kMostGrowth = 16LL << 20;
constexpr ColourValue kWhite = 0xFFFFFF;

struct HostileCase {
    const char* file;
    bool loads;
    int width, height;
    ColourValue topLeft, farCorner;
};

TEST(PictureDecoders, HeadersClaimingHugeSizesCostLittleMemory) {
    const HostileCase cases[] = {
        // one pixel of colour 10 20 30 coded, the rest of the screen left white
        {"gif-35-bytes-claiming-16384-by-2929.gif", true, 16384, 2929, 10 | 20 << 8 | 30 << 16, kWhite},
        // four bytes of image data: the first row cannot be inflated
        {"png-61-bytes-claiming-16384-by-2929.png", false, 0, 0, 0, 0},
        // whole: red 0x12, green 0x34, blue 0x56 everywhere
        {"png-one-colour-16384-by-2929-16-bit.png", true, 16384, 2929, 0x563412, 0x563412},
    };
    for (const HostileCase& c : cases) {
        SCOPED_TRACE(c.file);
        const LoadCost cost = LoadInChild(kData / "loader-regressions" / c.file);
        EXPECT_EQ(cost.loaded, c.loads);
        if (c.loads) {
            EXPECT_EQ(cost.width, c.width);
            EXPECT_EQ(cost.height, c.height);
            EXPECT_EQ(cost.topLeft, c.topLeft);
            EXPECT_EQ(cost.farCorner, c.farCorner);
        }
        EXPECT_LT(cost.residentGrowth, kMostGrowth);
        EXPECT_LT(cost.addressGrowth, kMostGrowth);
    }
}

}  // namespace
}  // namespace mipro::testing
