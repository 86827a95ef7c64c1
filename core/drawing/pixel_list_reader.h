// Reads the sorted pixel list work file line by line.
#pragma once

#include <fstream>
#include <string>

namespace mipro {

class PixelListReader {
public:
    // path: UTF-8. Check isOpen() before reading.
    explicit PixelListReader(const std::string& path);

    bool isOpen() const { return in_.is_open(); }
    // The next line without its line break; false at the end of the file.
    bool next(std::string& line);

private:
    std::ifstream in_;
};

}  // namespace mipro
