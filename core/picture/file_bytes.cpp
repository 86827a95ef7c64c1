#include "picture/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "base/utf8_path.h"

namespace mipro {

namespace {

constexpr unsigned kReadChunk = 1u << 20;

// A file opened for reading by descriptor, closed when it goes. On POSIX systems the open does not
// wait (a FIFO without a writer would block it for ever), and the descriptor is not inherited.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const std::string& utf8Path) {
#ifdef _WIN32
        fd_ = _wopen(Utf8Path(utf8Path).c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
#else
        fd_ = open(Utf8Path(utf8Path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
#endif
    }
    ~ReadOnlyFile() {
#ifdef _WIN32
        if (fd_ >= 0) _close(fd_);
#else
        if (fd_ >= 0) close(fd_);
#endif
    }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    // The size of what was opened when it is a regular file.
    std::optional<std::uintmax_t> regularFileSize() const {
        if (fd_ < 0) return std::nullopt;
#ifdef _WIN32
        struct _stat64 info {};
        if (_fstat64(fd_, &info) != 0 || (info.st_mode & _S_IFMT) != _S_IFREG) return std::nullopt;
#else
        struct stat info {};
        if (fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
#endif
        return static_cast<std::uintmax_t>(info.st_size);
    }

    // Up to `count` bytes at `into`: how many were read, 0 at the end, negative on failure.
    long long read(std::uint8_t* into, unsigned count) const {
#ifdef _WIN32
        return _read(fd_, into, count);
#else
        return ::read(fd_, into, count);
#endif
    }

private:
    int fd_ = -1;
};

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& utf8Path, std::uintmax_t maxBytes) {
    const ReadOnlyFile file(utf8Path);
    const std::optional<std::uintmax_t> size = file.regularFileSize();
    if (!size || *size > maxBytes) return std::nullopt;

    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(*size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t left = bytes.size() - done;
        const long long got = file.read(bytes.data() + done, static_cast<unsigned>(left < kReadChunk ? left : kReadChunk));
        if (got <= 0) return std::nullopt;  // a failure, or the file shrank while it was read
        done += static_cast<std::size_t>(got);
    }
    return bytes;
}

}  // namespace mipro
