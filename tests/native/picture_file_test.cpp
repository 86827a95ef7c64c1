// The picture file is opened before it is checked: a FIFO at its name, there from the start or
// swapped in while the file is loaded again and again, is refused without blocking.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <future>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "picture/file_bytes.h"

namespace mipro::testing {
namespace {

constexpr std::uintmax_t kAnySize = 1 << 20;

class PictureFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() / ("mipro-picture-file-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string path(const char* name) const { return (dir_ / name).string(); }

    void writeFile(const std::string& at, const std::string& text) const { std::ofstream(at, std::ios::binary) << text; }

    void makeFifo(const std::string& at) const { ASSERT_EQ(mkfifo(at.c_str(), 0600), 0); }

    // Opens a FIFO for writing without waiting, which lets a reader blocked on it go on.
    static void release(const std::string& fifo) {
        const int fd = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) close(fd);
    }

    std::filesystem::path dir_;
};

TEST_F(PictureFile, RegularFileIsReadWhole) {
    writeFile(path("picture.bmp"), "BM and some bytes");
    const auto bytes = ReadFileBytes(path("picture.bmp"), kAnySize);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(std::string(bytes->begin(), bytes->end()), "BM and some bytes");
    EXPECT_FALSE(ReadFileBytes(path("picture.bmp"), 5));  // larger than the limit
}

TEST_F(PictureFile, FifoWithoutWriterIsRefusedAtOnce) {
    makeFifo(path("picture.bmp"));
    auto read = std::async(std::launch::async, [this] { return ReadFileBytes(path("picture.bmp"), kAnySize); });
    const bool finished = read.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
    if (!finished) release(path("picture.bmp"));
    ASSERT_TRUE(finished) << "the read waited for a writer";
    EXPECT_FALSE(read.get());
}

// A second thread keeps swapping a regular file and a FIFO at the picture's name while the file is
// read: whatever was there when it was opened, a read ends, with the file's bytes or nothing.
TEST_F(PictureFile, FifoSwappedInWhileTheFileIsReadNeverBlocks) {
    const std::string name = path("picture.bmp"), regular = path("regular"), fifo = path("fifo");
    writeFile(name, "BM picture");
    makeFifo(fifo);
    std::atomic<bool> stop{false};
    std::thread swapper([&] {
        // The two names trade places: the picture's name holds the FIFO, then the file again.
        while (!stop) {
            std::rename(name.c_str(), regular.c_str());
            std::rename(fifo.c_str(), name.c_str());
            std::rename(name.c_str(), fifo.c_str());
            std::rename(regular.c_str(), name.c_str());
        }
    });
    constexpr int kReads = 20000;
    auto reads = std::async(std::launch::async, [&] {
        int whole = 0;
        for (int i = 0; i < kReads; ++i) {
            const auto bytes = ReadFileBytes(name, kAnySize);
            if (bytes && std::string(bytes->begin(), bytes->end()) == "BM picture") ++whole;
            else if (bytes) return -1;  // something else read as the picture
        }
        return whole;
    });
    bool finished = false;
    for (int second = 0; second < 60 && !finished; ++second) {
        finished = reads.wait_for(std::chrono::seconds(1)) == std::future_status::ready;
    }
    stop = true;
    swapper.join();
    if (!finished) {
        release(name);
        release(fifo);
    }
    ASSERT_TRUE(finished) << "a read blocked on the FIFO";
    EXPECT_GT(reads.get(), 0);
}

}  // namespace
}  // namespace mipro::testing
