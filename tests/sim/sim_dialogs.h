// Message boxes and the file dialog answering from a script.
#pragma once

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "interfaces/dialogs.h"
#include "tests/sim/sim_log.h"

namespace mipro::sim {

struct ShownMessage {
    std::string text;
    int style;
    std::string title;
};

class SimDialogs : public Dialogs {
public:
    explicit SimDialogs(Log& log) : log_(log) {}

    int messageBox(const std::string& text, int style, const std::string& title) override {
        log_.add({EventKind::MessageBox, {}, style, text});
        shown.push_back({text, style, title});
        if (answers.empty()) {
            if ((style & 7) == MsgBox::OkOnly) return MsgBox::AnswerOk;
            throw std::logic_error("unscripted question: " + text);
        }
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<std::string> openFile(const OpenFileRequest& request) override {
        requests.push_back(request);
        if (files.empty()) return std::nullopt;
        std::optional<std::string> chosen = files.front();
        files.pop_front();
        return chosen;
    }

    std::deque<int> answers;                          // the user's answers to questions, in order
    std::deque<std::optional<std::string>> files;     // the dialog's results; nothing = cancelled
    std::vector<ShownMessage> shown;
    std::vector<OpenFileRequest> requests;

private:
    Log& log_;
};

}  // namespace mipro::sim
