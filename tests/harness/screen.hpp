// The screen test harness: runs a program in a pseudo-terminal as a user
// would and reads the screen back through a terminal emulator.
//
//   harness::Terminal t(ORDINA_BIN_DIR "/prog", {"arg"});  // 80 x 50, xterm-256color
//   ASSERT_TRUE(t.wait_screen_contains("prompt"));
//   t.type("2\n");
//   ASSERT_TRUE(t.wait_exit());
//   EXPECT_EQ(t.exit_status(), 0);
//   harness::Cell c = t.cell(5, 3);  // column 5, row 3; top-left is (1, 1)
//
// - The program starts in a new pseudo-terminal of the given size, in the
//   terminal's default cooked mode (echo, canonical input, ONLCR). TERM is set
//   to `term` ("" removes it); COLUMNS and LINES are removed so the program
//   takes its size from the terminal; every other variable is inherited. Each
//   entry of `env` is "NAME=value", or "NAME" alone to remove the variable.
//   Standard error goes to the terminal, or into a pipe with Stderr::pipe
//   (read it with stderr_output()).
// - Output is read only while the test waits (wait_for and the helpers built
//   on it, type, wait_exit, idle). Every wait answers whether the condition
//   came true; it gives up only when the program makes no progress (writes
//   nothing, reads nothing of what is typed) for its limit, 30 s unless told,
//   so that a slow or busy machine only makes it longer. A short limit asks
//   whether the condition comes true before the program goes quiet. None of
//   them sleeps for a fixed time: idle(ms) does, for a pause of the user's.
// - wait_quiet(ms) waits until nothing has arrived for `ms` milliseconds. It
//   is a last resort for a program that prints and then waits for input with
//   nothing on the screen to wait for; prefer wait_text/wait_screen_contains.
// - Cells: text is the UTF-8 of the cell; a blank cell, whether a space was
//   written there or nothing ever was, reads as " "; the right half of a
//   double-width glyph reads as "". fg and bg are palette indices 0-255, -1
//   for the terminal's default colour, -2 for a direct RGB colour. Bold does
//   not change the colour index (SGR 1;31 reads as fg 1, bold).
// - type() writes raw bytes as keys: "\x03" is the Ctrl-C key, which the
//   terminal turns into SIGINT only while the program leaves ISIG on; to send
//   a signal whatever the modes, use signal(). end_input() types the end-of-file character: at the
//   start of a line the program's read sees end of input; after typed text it only delivers that
//   text, so type it twice there.
// - type() gives up (throws) only when the program reads nothing of what is
//   typed, and writes nothing, for 30 s.
// - wait_exit() also collects what is still on its way; a background process
//   left holding the terminal makes it wait until that is quiet for its
//   limit (it still answers true once the program itself has ended).
// - exit_status(), term_signal() and modes() are for after wait_exit(); the
//   first two throw while the program is still running.
// - The destructor kills a program still running (its whole process group)
//   and reaps it.
#pragma once

#include <signal.h>
#include <sys/types.h>
#include <termios.h>

#include <functional>
#include <string>
#include <vector>

struct VTerm;
struct VTermScreen;

namespace harness {

// How long a program may make no progress before a wait gives up on it.
constexpr int no_progress_ms = 30000;

struct Cell {
    std::string text;
    int fg = -1;
    int bg = -1;
    bool bold = false;
    bool reverse = false;
};

struct Pos {
    int col = 0;
    int row = 0;
    bool operator==(const Pos &) const = default;
};

enum class Stderr { pty, pipe };

class Terminal {
  public:
    Terminal(const std::string &path, const std::vector<std::string> &args, int cols = 80,
             int rows = 50, const std::string &term = "xterm-256color",
             const std::vector<std::string> &env = {}, Stderr err = Stderr::pty);
    ~Terminal();
    Terminal(const Terminal &) = delete;
    Terminal &operator=(const Terminal &) = delete;

    // Keys.
    void type(const std::string &bytes);
    void end_input();
    void signal(int sig);
    // The window's new size: the program gets SIGWINCH, the screen keeps its
    // cells where they fit.
    void resize(int cols, int rows);
    // Bytes shown on the screen as if someone else wrote them there (another
    // program, the shell); the program sees nothing of it.
    void scribble(const std::string &bytes);
    // Whether the terminal answers the program's questions (where the cursor
    // is, what it is): some do not.
    void answering(bool on) { answering_ = on; }

    // Waiting: each limit is of time without progress.
    bool wait_for(const std::function<bool()> &cond, int limit_ms = no_progress_ms);
    bool wait_text(int col, int row, const std::string &text, int limit_ms = no_progress_ms);
    bool wait_screen_contains(const std::string &text, int limit_ms = no_progress_ms);
    bool wait_exit(int limit_ms = no_progress_ms);
    bool wait_quiet(int quiet_ms, int limit_ms = no_progress_ms);
    // Lets ms go by, reading what the program writes meanwhile.
    void idle(int ms);

    // The screen.
    int cols() const { return cols_; }
    int rows() const { return rows_; }
    Cell cell(int col, int row) const;
    std::string text_at(int col, int row, int count) const;
    std::string row_text(int row) const;
    // The number written after word on the row ("evento 12/40" gives 12), or -1.
    int number_after(int row, const std::string &word) const;
    std::string screen_text() const;
    Pos cursor() const;
    bool cursor_visible() const { return cursor_visible_; }
    bool alt_screen() const { return alt_screen_; }

    // What the program wrote, byte for byte.
    const std::string &output() const { return output_; }
    const std::string &stderr_output() const { return stderr_; }

    // The program's end and the terminal's modes.
    bool running() const { return !reaped_; }
    int exit_status() const;
    int term_signal() const;
    pid_t pid() const { return pid_; }
    // The terminal's foreground process group (a job a shell started in it,
    // or the shell itself), or -1.
    pid_t foreground() const;
    termios modes() const;
    const termios &initial_modes() const { return initial_modes_; }

  private:
    void pump(int timeout_ms);
    void read_master();
    void read_stderr();
    void flush_replies();
    void reap(int options);
    friend struct Callbacks;

    int cols_;
    int rows_;
    pid_t pid_ = -1;
    int master_ = -1;
    int pidfd_ = -1;
    int stderr_fd_ = -1;
    bool master_eof_ = false;
    bool reaped_ = false;
    int wait_status_ = 0;
    termios initial_modes_{};
    VTerm *vt_ = nullptr;
    VTermScreen *screen_ = nullptr;
    std::string output_;
    std::string stderr_;
    std::string replies_;
    long long last_output_ms_ = 0;
    long long last_progress_ms_ = 0; // the last output, or the last byte typed
    bool alt_screen_ = false;
    bool cursor_visible_ = true;
    bool answering_ = true;
};

// Whether two sets of terminal modes agree on the flags and on the control
// characters a program is likely to touch (VMIN, VTIME, VEOF, VINTR, VERASE).
bool same_modes(const termios &a, const termios &b);

} // namespace harness
