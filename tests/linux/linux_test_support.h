// Helpers of the Linux edition's tests: an environment variable set for one test, and a
// directory of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <unistd.h>

namespace mipro::testing {

// Sets (or, given nothing, unsets) an environment variable and gives it back as it was.
class ScopedEnv {
public:
    ScopedEnv(std::string name, const std::optional<std::string>& value) : name_(std::move(name)) {
        if (const char* old = std::getenv(name_.c_str())) old_ = old;
        if (value) {
            setenv(name_.c_str(), value->c_str(), 1);
        } else {
            unsetenv(name_.c_str());
        }
    }
    ~ScopedEnv() {
        if (old_) {
            setenv(name_.c_str(), old_->c_str(), 1);
        } else {
            unsetenv(name_.c_str());
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

// A new directory under the system's temporary folder, named after the test and `leaf`, removed
// with everything in it afterwards. path() ends in '/'.
class TempDir {
public:
    explicit TempDir(const std::string& leaf = "files") {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        static int made = 0;
        std::string test = info ? info->name() : "test";
        std::replace(test.begin(), test.end(), '/', '-');  // parameterised tests are named "Name/Case"
        root_ = std::filesystem::temp_directory_path() /
                ("mipro-linux-" + std::to_string(getpid()) + "-" + test + "-" + std::to_string(++made));
        std::filesystem::remove_all(root_);
        dir_ = root_ / leaf;
        std::filesystem::create_directories(dir_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string path() const { return dir_.string() + "/"; }

private:
    std::filesystem::path root_;
    std::filesystem::path dir_;
};

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteWholeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

}  // namespace mipro::testing
