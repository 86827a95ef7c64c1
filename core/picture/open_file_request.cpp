#include "picture/open_file_request.h"

namespace mipro {

namespace {

constexpr int kNoFilterChosen = 0;
constexpr int kBitmapFilter = 1;
constexpr int kGifFilter = 2;
constexpr int kJpegFilter = 3;
constexpr std::size_t kExtensionLetters = 3;

std::string LastLettersLowered(const std::string& name) {
    std::string tail = name.size() > kExtensionLetters ? name.substr(name.size() - kExtensionLetters) : name;
    for (char& c : tail) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return tail;
}

int FilterIndexFor(const std::string& imgFileName) {
    if (imgFileName.empty()) return kNoFilterChosen;
    const std::string tail = LastLettersLowered(imgFileName);
    if (tail == "gif") return kGifFilter;
    if (tail == "jpg") return kJpegFilter;
    return kBitmapFilter;
}

}  // namespace

OpenFileRequest BuildOpenFileRequest(const std::string& imgFileName, const std::string& firstBrowseFolder) {
    OpenFileRequest request;
    request.filters = {
        {"Windowsﾋﾞｯﾄﾏｯﾌﾟ(*.bmp)", "*.BMP"},
        {"GIF(*.gif)", "*.GIF"},
        {"JPEG(*.jpg)", "*.JPG"},
        {"すべてのﾌｧｲﾙ(*.*)", "*.*"},
    };
    request.filterIndex = FilterIndexFor(imgFileName);
    request.initialDirectory = imgFileName.empty() ? firstBrowseFolder : imgFileName;
    return request;
}

}  // namespace mipro
