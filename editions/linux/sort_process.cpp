#include "editions/linux/sort_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>
#include <vector>

extern char** environ;

namespace mipro::linux_x11 {

namespace {

const char* const kSortProgram = "sort";
const char* const kNullDevice = "/dev/null";
const std::string kByteOrderLocale = "LC_ALL=C";
const std::string kLocaleVariable = "LC_ALL=";
// How long a sort asked to end may take to do so, and how often it is looked at meanwhile.
constexpr auto kEndWait = std::chrono::seconds(2);
constexpr auto kEndPoll = std::chrono::milliseconds(10);

// The program's environment with LC_ALL set to C.
std::vector<std::string> SortEnvironment() {
    std::vector<std::string> variables;
    for (char** entry = environ; *entry; ++entry) {
        const std::string variable = *entry;
        if (variable.rfind(kLocaleVariable, 0) != 0) variables.push_back(variable);
    }
    variables.push_back(kByteOrderLocale);
    return variables;
}

// The null-terminated array exec takes; it points into `strings`.
std::vector<char*> ExecArray(std::vector<std::string>& strings) {
    std::vector<char*> array;
    for (std::string& s : strings) array.push_back(s.data());
    array.push_back(nullptr);
    return array;
}

// Standard input, output and error all on the null device.
class NullStandardFiles {
public:
    NullStandardFiles() {
        posix_spawn_file_actions_init(&actions_);
        posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, kNullDevice, O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions_, STDOUT_FILENO, kNullDevice, O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions_, STDERR_FILENO, kNullDevice, O_WRONLY, 0);
    }
    ~NullStandardFiles() { posix_spawn_file_actions_destroy(&actions_); }
    NullStandardFiles(const NullStandardFiles&) = delete;
    NullStandardFiles& operator=(const NullStandardFiles&) = delete;
    const posix_spawn_file_actions_t* get() const { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

// No signal blocked, and the signals that end a process doing their default, whatever the
// program has set for itself: the sort can always be asked to end.
class PlainSignals {
public:
    PlainSignals() {
        posix_spawnattr_init(&attributes_);
        sigset_t none, ending;
        sigemptyset(&none);
        sigemptyset(&ending);
        for (int number : {SIGTERM, SIGINT, SIGHUP, SIGPIPE}) sigaddset(&ending, number);
        posix_spawnattr_setsigmask(&attributes_, &none);
        posix_spawnattr_setsigdefault(&attributes_, &ending);
        posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    }
    ~PlainSignals() { posix_spawnattr_destroy(&attributes_); }
    PlainSignals(const PlainSignals&) = delete;
    PlainSignals& operator=(const PlainSignals&) = delete;
    const posix_spawnattr_t* get() const { return &attributes_; }

private:
    posix_spawnattr_t attributes_;
};

class SortChildPoll : public SortRun {
public:
    explicit SortChildPoll(std::shared_ptr<SortChild> sort) : sort_(std::move(sort)) {}
    bool hasEnded() override { return sort_->hasEnded(); }
    bool succeeded() override { return sort_->hasEnded() && sort_->succeeded(); }
    void stop() override { sort_->end(); }

private:
    std::shared_ptr<SortChild> sort_;
};

}  // namespace

bool SortChild::hasEnded() {
    if (ended_) return true;
    int status = 0;
    const pid_t reaped = waitpid(pid_, &status, WNOHANG);
    if (reaped == 0 || (reaped < 0 && errno == EINTR)) return false;
    ended_ = true;
    succeeded_ = reaped == pid_ && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return true;
}

bool SortChild::waitForEnd() {
    const auto giveUp = std::chrono::steady_clock::now() + kEndWait;
    while (!hasEnded()) {
        if (std::chrono::steady_clock::now() >= giveUp) return false;
        std::this_thread::sleep_for(kEndPoll);
    }
    return true;
}

// SIGKILL cannot be ignored, so the wait after it ends.
void SortChild::end() {
    if (ended_) return;
    kill(pid_, SIGTERM);
    if (!waitForEnd()) {
        kill(pid_, SIGKILL);
        while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    ended_ = true;
    succeeded_ = false;
}

std::shared_ptr<SortChild> StartSort(const std::string& pixFile, const std::string& sortFile) {
    std::vector<std::string> arguments = {kSortProgram, "-o", sortFile, "--", pixFile};
    std::vector<std::string> environment = SortEnvironment();
    const std::vector<char*> argv = ExecArray(arguments);
    const std::vector<char*> envp = ExecArray(environment);
    const NullStandardFiles files;
    const PlainSignals signals;

    pid_t pid = 0;
    if (posix_spawnp(&pid, kSortProgram, files.get(), signals.get(), argv.data(), envp.data()) != 0) return nullptr;
    return std::make_shared<SortChild>(pid);
}

std::unique_ptr<SortRun> SortChildRun(std::shared_ptr<SortChild> sort) {
    return std::make_unique<SortChildPoll>(std::move(sort));
}

}  // namespace mipro::linux_x11
