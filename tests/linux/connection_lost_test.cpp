// A display that goes away under the program: the tidy-up runs and the program ends. The test's
// own child process plays the program; the server closes its connection as at the end of a
// session (XKillClient from a second connection), so no other client is touched.
#include "editions/linux/session_end.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "linux_test_support.h"

namespace mipro::testing {

namespace {

using linux_x11::CleanUpWhenXConnectionLost;

constexpr int kConnectionLostExitCode = 1;
constexpr int kNoDisplayExitCode = 77;
constexpr useconds_t kRequestPauseMicroseconds = 10000;

// The child: a program on the display whose connection the server then closes.
[[noreturn]] void RunProgramThatLosesItsDisplay(std::string& marker) {
    Display* program = XOpenDisplay(nullptr);
    Display* session = XOpenDisplay(nullptr);
    if (!program || !session) _exit(kNoDisplayExitCode);
    const Window own = XCreateSimpleWindow(program, DefaultRootWindow(program), 0, 0, 1, 1, 0, 0, 0);
    XSync(program, False);
    CleanUpWhenXConnectionLost([&marker] { std::ofstream(marker) << "tidied"; });
    XKillClient(session, own);
    XSync(session, False);
    // The program goes on using its display; the next request finds the connection gone.
    for (;;) {
        XNoOp(program);
        XSync(program, False);
        usleep(kRequestPauseMicroseconds);
    }
}

TEST(ConnectionLost, ALostConnectionTidiesUpAndEndsTheProgram) {
    TempDir dir;
    std::string marker = dir.path() + "tidied";
    const pid_t program = fork();
    if (program == 0) RunProgramThatLosesItsDisplay(marker);

    int status = 0;
    ASSERT_EQ(waitpid(program, &status, 0), program);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == kNoDisplayExitCode) GTEST_SKIP() << "no X display (set DISPLAY, e.g. to an Xvfb)";
    EXPECT_EQ(WEXITSTATUS(status), kConnectionLostExitCode);
    EXPECT_TRUE(std::filesystem::exists(marker)) << "the tidy-up did not run";
}

}  // namespace

}  // namespace mipro::testing
