// Message boxes and the file-open dialog.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace mipro {

// Message box styles and answers. The values are those of the Win32 MessageBox flags and results,
// so a style is a sum of one button set and one icon: YesNo | Question.
namespace MsgBox {
constexpr int OkOnly = 0;
constexpr int YesNo = 4;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;
constexpr int AnswerOk = 1;
constexpr int AnswerYes = 6;
constexpr int AnswerNo = 7;
}  // namespace MsgBox

struct FileFilter {
    std::string displayText;
    std::string pattern;
};

struct OpenFileRequest {
    std::vector<FileFilter> filters;
    int filterIndex = 0;
    std::string initialDirectory;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows a modal message box titled `title` and returns the answer.
    virtual int messageBox(const std::string& text, int style, const std::string& title) = 0;
    // The chosen file's full path, or nothing when the dialog was cancelled or failed.
    virtual std::optional<std::string> openFile(const OpenFileRequest& request) = 0;
};

}  // namespace mipro
