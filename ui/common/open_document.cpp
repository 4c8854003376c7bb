#include "ui/common/open_document.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QSocketNotifier>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <string>
#include <utility>

#include "ui/common/messages.h"

extern char** environ;

namespace kelvra {
namespace {

// Starts `program` (looked up on PATH) with one argument, in a session of its own, its
// standard streams on /dev/null: what a viewer prints is not ours to show, and a pipe it held
// open would keep whoever reads our output waiting after we end.
// Returns: its process id, or -1 when it could not be started.
pid_t spawnDetached(const char* program, const std::string& argument) {
  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
  posix_spawn_file_actions_init(&actions);
  posix_spawnattr_init(&attributes);
  for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    posix_spawn_file_actions_addopen(&actions, stream, "/dev/null",
                                     stream == STDIN_FILENO ? O_RDONLY : O_WRONLY, 0);
  }
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK);
  std::string name = program;
  std::string copy = argument;
  char* const arguments[] = {name.data(), copy.data(), nullptr};
  pid_t pid = -1;
  const int failed = posix_spawnp(&pid, program, &actions, &attributes, arguments, environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  return failed == 0 ? pid : -1;
}

// Waits, without blocking, for one child process to end, through a process file descriptor,
// then collects it (so no zombie stays) and reports whether it ended with status 0. Deletes
// itself then. Destroyed earlier (the program ends), it leaves the process running.
class ProcessWatch : public QObject {
 public:
  ProcessWatch(pid_t pid, int pidfd, QObject* parent)
      : QObject(parent), pid_(pid), pidfd_(pidfd), notifier_(pidfd, QSocketNotifier::Read, this) {
    connect(&notifier_, &QSocketNotifier::activated, this, [this] { ended(); });
  }
  ~ProcessWatch() override {
    notifier_.setEnabled(false);  // off the event loop before its descriptor goes
    ::close(pidfd_);
  }
  ProcessWatch(const ProcessWatch&) = delete;
  ProcessWatch& operator=(const ProcessWatch&) = delete;

  std::function<void(bool succeeded)> onEnd;  // empty once nobody waits for the answer

 private:
  void ended() {
    notifier_.setEnabled(false);
    int status = 0;
    pid_t collected = -1;
    do {
      collected = ::waitpid(pid_, &status, 0);
    } while (collected < 0 && errno == EINTR);
    const bool succeeded = collected == pid_ && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    deleteLater();
    if (onEnd) std::exchange(onEnd, {})(succeeded);
  }

  pid_t pid_;
  int pidfd_;
  QSocketNotifier notifier_;
};

}  // namespace

QString HelpNotOpenedMessage(const std::filesystem::path& file) {
  return QCoreApplication::translate(
             "kelvra::OpenDocument",
             "No program could open the Help File. Open it in a web browser:\n%1")
      .arg(QString::fromStdString(file.string()));
}

DocumentOpener::DocumentOpener(QObject* parent, std::chrono::milliseconds patience)
    : QObject(parent) {
  patience_.setSingleShot(true);
  patience_.setInterval(patience);
  connect(&patience_, &QTimer::timeout, this, [this] {
    // No answer yet: a viewer is taken to have opened; its end, later, is only collected.
    static_cast<ProcessWatch*>(current_)->onEnd = {};
    endAttempt();
  });
}

DocumentOpener::~DocumentOpener() {
  if (busy()) QGuiApplication::restoreOverrideCursor();
}

bool DocumentOpener::open(const std::filesystem::path& file) {
  if (busy()) return false;
  // xdg-open's status tells whether it found a viewer (3: none found, 4: the viewer failed);
  // starting it is not enough.
  const QString message = HelpNotOpenedMessage(file);
  const pid_t pid = spawnDetached("xdg-open", file.string());
  if (pid < 0) {
    ShowMessage(message);
    return true;
  }
  // glibc 2.36's <sys/pidfd.h> declares pidfd_open without C linkage; the system call is the same.
  const int pidfd = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
  // Without a handle on it (no file descriptor left) its answer cannot be awaited: as if a
  // viewer opened.
  if (pidfd < 0) return true;
  auto* watch = new ProcessWatch(pid, pidfd, this);
  watch->onEnd = [this, message](bool succeeded) {
    endAttempt();
    if (!succeeded) ShowMessage(message);
  };
  current_ = watch;
  QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
  patience_.start();
  return true;
}

void DocumentOpener::endAttempt() {
  patience_.stop();
  current_ = nullptr;
  QGuiApplication::restoreOverrideCursor();
}

}  // namespace kelvra
