// How long the desktop program takes from its start to the first painted Form4, on Qt's
// offscreen platform. The program starts itself again and again as a new process, which sets up
// the application and shows the trading form as the desktop program does, and reports the
// moment the form's first painting is done; the time counts from just before the process is
// started.
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <QApplication>
#include <QEvent>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/game_random.h"
#include "qt/application_setup.h"
#include "qt/desktop_game.h"

namespace {

constexpr int starts = 15;
constexpr const char* paintOnce = "--paint-once";

long long monotonicNanoseconds() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// Watches every event the application delivers. Once Form4 has had a paint event and the event
// that caused it (with the painting of its boxes and buttons) has been handled, the first paint
// is done: the moment is printed and the application ends.
class FirstPaintWatch : public QApplication {
  public:
    using QApplication::QApplication;
    QWidget* form = nullptr;

    bool notify(QObject* receiver, QEvent* event) override {
        if (receiver == form && event->type() == QEvent::Paint) {
            painted_ = true;
        }
        ++depth_;
        const bool handled = QApplication::notify(receiver, event);
        --depth_;
        if (depth_ == 0 && painted_ && !reported_) {
            reported_ = true;
            std::printf("%lld\n", monotonicNanoseconds());
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }
        return handled;
    }

  private:
    int depth_ = 0;
    bool painted_ = false;
    bool reported_ = false;
};

int showFormUntilPainted(int argc, char** argv) {
    FirstPaintWatch application(argc, argv);
    vekselgrad::desktop::setUpApplication(application);
    vekselgrad::GameRandom random;
    vekselgrad::desktop::DesktopGame game(std::filesystem::temp_directory_path(), random,
                                          vekselgrad::desktop::userDecimalSeparator());
    application.form = &game.window().tradingForm();
    game.show();
    return QApplication::exec();
}

// Starts the program once more and returns the milliseconds until it reported its first paint.
double oneStart() {
    int out[2];
    if (::pipe(out) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    const long long start = monotonicNanoseconds();
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::close(out[0]);
        ::close(out[1]);
        ::execl("/proc/self/exe", "vekselgrad_first_paint", paintOnce, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(out[1]);
    std::string reported;
    char buffer[64];
    ssize_t got = 0;
    while ((got = ::read(out[0], buffer, sizeof buffer)) > 0) {
        reported.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(out[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || reported.empty()) {
        std::fprintf(stderr, "the desktop program did not paint Form4\n");
        std::exit(1);
    }
    return static_cast<double>(std::stoll(reported) - start) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], paintOnce) == 0) {
        return showFormUntilPainted(argc, argv);
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Qt wants a private run-time folder of the user; without one it warns at every start.
    char runtime[] = "/tmp/vekselgrad-runtime-XXXXXX";
    const bool ownRuntime = std::getenv("XDG_RUNTIME_DIR") == nullptr && ::mkdtemp(runtime);
    if (ownRuntime) {
        ::setenv("XDG_RUNTIME_DIR", runtime, 1);
    }
    std::vector<double> times;
    for (int i = 0; i < starts; ++i) {
        times.push_back(oneStart());
    }
    if (ownRuntime) {
        std::filesystem::remove_all(runtime);
    }
    std::sort(times.begin(), times.end());
    std::printf(
        "desktop program, start to first painted Form4 (offscreen): median %.1f ms, fastest "
        "%.1f ms over %d starts (target under 150 ms)\n",
        times[times.size() / 2], times.front(), starts);
    return 0;
}
