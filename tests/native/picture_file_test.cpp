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

// A second thread keeps exchanging a regular file and a FIFO at the picture's name (one atomic
// exchange each time, so the name always holds one of them) while the file is read again and
// again: whatever was there when it was opened, each read ends, with the file's bytes or nothing.
TEST_F(PictureFile, FifoSwappedInWhileTheFileIsReadNeverBlocks) {
    const std::string name = path("picture.bmp"), fifo = path("fifo");
    writeFile(name, "BM picture");
    makeFifo(fifo);
    std::atomic<bool> stop{false};
    std::thread swapper([&] {
        while (!stop) renameat2(AT_FDCWD, name.c_str(), AT_FDCWD, fifo.c_str(), RENAME_EXCHANGE);
    });
    constexpr auto kReading = std::chrono::seconds(3);
    auto reads = std::async(std::launch::async, [&] {
        int whole = 0;
        for (const auto end = std::chrono::steady_clock::now() + kReading; std::chrono::steady_clock::now() < end;) {
            const auto bytes = ReadFileBytes(name, kAnySize);
            if (bytes && std::string(bytes->begin(), bytes->end()) == "BM picture") ++whole;
            else if (bytes) return -1;  // something else read as the picture
        }
        return whole;
    });
    bool finished = false;
    for (int second = 0; second < 30 && !finished; ++second) {
        finished = reads.wait_for(std::chrono::seconds(1)) == std::future_status::ready;
    }
    stop = true;
    swapper.join();
    if (!finished) {
        release(name);
        release(fifo);
        reads.wait();
    }
    ASSERT_TRUE(finished) << "a read blocked on the FIFO";
    EXPECT_GT(reads.get(), 0);
}

}  // namespace
}  // namespace mipro::testing
