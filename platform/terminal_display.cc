#include "platform/terminal_display.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/text_encoding.h"

namespace pavodin {
namespace {

constexpr char kRestoreSequence[] = "\x1b[0m\x1b[0 q\x1b[?25h\x1b[?1049l";

// What a signal handler needs to put the terminal back: plain data only.
int g_restore_fd = -1;
termios g_restore_termios;
bool g_restore_armed = false;
int g_signal_pipe = -1;

void RestoreFromSignal() {
  if (!g_restore_armed) return;
  ::tcsetattr(g_restore_fd, TCSANOW, &g_restore_termios);
  [[maybe_unused]] ssize_t n = ::write(g_restore_fd, kRestoreSequence, sizeof kRestoreSequence - 1);
}

// Requests to end (terminal hung up, kill): ended through the message queue
// as a quit message, so the program unwinds and restores on its own path.
void OnEndSignal(int) {
  const char b = 'q';
  if (g_signal_pipe >= 0) {
    [[maybe_unused]] ssize_t n = ::write(g_signal_pipe, &b, 1);
  }
}

// Crashes: restore, then let the default action happen.
void OnFatalSignal(int sig) {
  RestoreFromSignal();
  ::signal(sig, SIG_DFL);
  ::raise(sig);
}

void AtExitRestore() { RestoreFromSignal(); }

void AppendSgr(const Rgb& fg, const Rgb& bg, std::string* out) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "\x1b[38;2;%u;%u;%u;48;2;%u;%u;%um", fg.r, fg.g, fg.b, bg.r, bg.g, bg.b);
  *out += buf;
}

}  // namespace

TerminalDisplay::TerminalDisplay(int in_fd, int out_fd, MessageSource* messages)
    : in_fd_(in_fd), out_fd_(out_fd), messages_(messages) {}

TerminalDisplay::~TerminalDisplay() { Close(); }

std::string TerminalDisplay::RenderCells(const ScreenModel& screen, const ColourMap& map, int row,
                                         int first, int end) {
  std::string out;
  if (end <= first) return out;
  char buf[32];
  std::snprintf(buf, sizeof buf, "\x1b[%d;%dH", row + 1, first + 1);
  out += buf;
  int col = first;
  while (col < end) {
    const uint8_t attr = screen.AttrAt(col, row);
    AppendSgr(ColourOf(attr & 15, map), ColourOf(attr >> 4, map), &out);
    while (col < end && screen.AttrAt(col, row) == attr) {
      const uint8_t c = screen.CharAt(col, row);
      const char32_t cp = Cp1252ToCodePoint(c);
      // Bytes without a printable character must not reach the terminal as controls.
      AppendUtf8((cp == 0x7F || (cp >= 0x80 && cp < 0xA0)) ? U' ' : cp, &out);
      ++col;
    }
  }
  out += "\x1b[0m";
  return out;
}

void TerminalDisplay::Emit(const std::string& s) {
  size_t done = 0;
  while (done < s.size()) {
    const ssize_t n = ::write(out_fd_, s.data() + done, s.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    done += static_cast<size_t>(n);
  }
}

void TerminalDisplay::Open(const ScreenModel* screen, const VideoSettings& settings) {
  screen_ = screen;
  colour_map_ = settings.colour_map;
  if (::tcgetattr(in_fd_, &saved_) == 0) {
    termios raw = saved_;
    raw.c_iflag &= static_cast<tcflag_t>(~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON));
    raw.c_lflag &= static_cast<tcflag_t>(~(ECHO | ECHONL | ICANON | ISIG | IEXTEN));
    raw.c_cflag |= CS8;
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    ::tcsetattr(in_fd_, TCSANOW, &raw);
    raw_ = true;
    g_restore_fd = in_fd_;
    g_restore_termios = saved_;
    g_restore_armed = true;
    std::atexit(AtExitRestore);
  }
  if (::pipe2(stop_pipe_, O_CLOEXEC) == 0) {
    g_signal_pipe = stop_pipe_[1];
    struct sigaction end_action{};
    end_action.sa_handler = OnEndSignal;
    ::sigaction(SIGTERM, &end_action, nullptr);
    ::sigaction(SIGHUP, &end_action, nullptr);
    ::sigaction(SIGINT, &end_action, nullptr);
    struct sigaction fatal{};
    fatal.sa_handler = OnFatalSignal;
    for (int sig : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL}) ::sigaction(sig, &fatal, nullptr);
    reader_ = std::thread([this] { ReadKeys(); });
  }
  // Whatever libraries write to standard error would land in the middle of
  // the grid: while the console is shown it goes nowhere.
  if (::isatty(2)) {
    const int null_fd = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (null_fd >= 0) {
      saved_stderr_ = ::fcntl(2, F_DUPFD_CLOEXEC, 3);
      ::dup2(null_fd, 2);
      ::close(null_fd);
    }
  }
  Emit("\x1b[?1049h\x1b[?25l\x1b[2J");
  DrawAll();
}

void TerminalDisplay::DrawAll() {
  if (!screen_) return;
  std::string out;
  for (int row = 0; row < ScreenRows; ++row)
    out += RenderCells(*screen_, colour_map_, row, 0, ScreenColumns);
  Emit(out);
}

void TerminalDisplay::ShowCells(int row, int first, int end) {
  if (screen_) Emit(RenderCells(*screen_, colour_map_, row, first, end));
}

void TerminalDisplay::SetTitle(std::string_view title) {
  std::string utf8 = Cp1252ToUtf8(title);
  for (char& c : utf8)
    if (static_cast<unsigned char>(c) < 32) c = ' ';
  Emit("\x1b]0;" + utf8 + "\x07");
}

void TerminalDisplay::ShowCaret(int column, int row) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "\x1b[%d;%dH\x1b[4 q\x1b[?25h", row + 1,
                (column < ScreenColumns ? column : ScreenColumns - 1) + 1);
  Emit(buf);
}

void TerminalDisplay::HideCaret() { Emit("\x1b[?25l"); }

void TerminalDisplay::Beep() { Emit("\x07"); }

void TerminalDisplay::ReadKeys() {
  TerminalKeyDecoder decoder;
  std::vector<Message> keys;
  for (;;) {
    pollfd fds[2] = {{in_fd_, POLLIN, 0}, {stop_pipe_[0], POLLIN, 0}};
    const int ready = ::poll(fds, 2, decoder.pending() ? 50 : -1);
    if (ready < 0) {
      if (errno == EINTR) continue;
      break;
    }
    keys.clear();
    if (ready == 0) {
      decoder.Timeout(&keys);
    }
    if (fds[1].revents & POLLIN) {
      char b = 0;
      [[maybe_unused]] ssize_t n = ::read(stop_pipe_[0], &b, 1);
      if (b == 'x') return;  // the display is closing
      messages_->Post(Message::Of(MessageKind::kQuit));
    }
    if (fds[0].revents & (POLLIN | POLLHUP | POLLERR)) {
      char buf[256];
      const ssize_t n = ::read(in_fd_, buf, sizeof buf);
      if (n <= 0) {
        // The terminal went away: end as when the window is closed.
        messages_->Post(Message::Of(MessageKind::kClose));
        return;
      }
      decoder.Feed(buf, static_cast<size_t>(n), &keys);
    }
    for (const Message& m : keys) messages_->Post(m);
  }
}

void TerminalDisplay::Restore() {
  if (saved_stderr_ >= 0) {
    ::dup2(saved_stderr_, 2);
    ::close(saved_stderr_);
    saved_stderr_ = -1;
  }
  if (raw_) {
    Emit(kRestoreSequence);
    ::tcsetattr(in_fd_, TCSANOW, &saved_);
    raw_ = false;
    g_restore_armed = false;
  }
}

void TerminalDisplay::Close() {
  if (reader_.joinable()) {
    const char b = 'x';
    [[maybe_unused]] ssize_t n = ::write(stop_pipe_[1], &b, 1);
    reader_.join();
  }
  g_signal_pipe = -1;
  for (int& fd : stop_pipe_) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
  Restore();
  screen_ = nullptr;
}

void TerminalDisplay::Detach(std::string_view title) {
  SetTitle(title);
  Close();
}

}  // namespace pavodin
