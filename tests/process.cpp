#include "process.hpp"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

// forkpty()'s header differs between the systems that have it.
#if defined(__APPLE__) || defined(__NetBSD__) || defined(__OpenBSD__)
#include <util.h>
#elif defined(__FreeBSD__)
#include <libutil.h>
#else
#include <pty.h>
#endif

namespace {

std::string read_all(int fd)
{
    std::string text;
    char buffer[65536];
    for (ssize_t count; (count = read(fd, buffer, sizeof buffer)) != 0;) {
        if (count > 0)
            text.append(buffer, static_cast<std::size_t>(count));
        else if (errno != EINTR)
            break; // a terminal whose other side has closed says EIO
    }
    close(fd);
    return text;
}

int wait_for(int pid)
{
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Replaces the child process with the program, or the launcher with the
// program, followed by `arguments`, all run by `prefix` if it is given.
[[noreturn]] void exec_program(std::vector<std::string> arguments,
                               const std::vector<std::string>& prefix = {})
{
    const char* launcher = std::getenv("MEAL_LAUNCHER");
    const char* program = std::getenv("MEAL_RECOMMENDER");
    arguments.insert(arguments.begin(), program != nullptr ? program : MEAL_RECOMMENDER);
    if (launcher != nullptr)
        arguments.insert(arguments.begin(), launcher);
    arguments.insert(arguments.begin(), prefix.begin(), prefix.end());
    std::vector<char*> argv(arguments.size() + 1, nullptr);
    std::transform(arguments.begin(), arguments.end(), argv.begin(),
                   [](std::string& word) { return word.data(); });
    // The program gets the default SIGPIPE, as from a shell.
    signal(SIGPIPE, SIG_DFL);
    execvp(argv[0], argv.data());
    _exit(127);
}

} // namespace

void write_all(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t count = write(fd, bytes.data(), bytes.size());
        if (count < 0 && errno != EINTR)
            return; // the program has ended without reading the rest
        bytes.remove_prefix(count < 0 ? 0 : static_cast<std::size_t>(count));
    }
}

Running start_program(const std::vector<std::string>& arguments, const char* output_path,
                      Input input, const std::vector<std::string>& prefix)
{
    // The program may end before it has read all that it is given: that must
    // not end the tests as well.
    signal(SIGPIPE, SIG_IGN);
    int in[2], out[2], err[2];
    if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0)
        throw std::runtime_error("pipe failed");
    // The flag belongs to the pipe's end itself, which the program shares.
    if (input == Input::nonblocking_pipe)
        fcntl(in[0], F_SETFL, O_NONBLOCK);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(input == Input::directory ? open("/", O_RDONLY) : in[0], STDIN_FILENO);
        dup2(output_path != nullptr ? open(output_path, O_WRONLY) : out[1], STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]})
            close(fd);
        if (input == Input::closed)
            close(STDIN_FILENO);
        exec_program(arguments, prefix);
    }
    close(in[0]);
    close(out[1]);
    close(err[1]);
    if (output_path != nullptr) {
        close(out[0]);
        out[0] = -1;
    }
    if (pid < 0)
        throw std::runtime_error("fork failed");
    return {pid, in[1], out[0], err[0]};
}

Finished finish_program(Running& program)
{
    close(program.input);
    Finished result{program.output < 0 ? "" : read_all(program.output), read_all(program.errors),
                    wait_for(program.pid)};
    return result;
}

Finished run_program(std::string_view input, const std::vector<std::string>& arguments,
                     const char* output_path, const std::vector<std::string>& prefix)
{
    for (int attempt = 1;; ++attempt) {
        Running program = start_program(arguments, output_path, Input::pipe, prefix);
        // The inputs are small enough for the pipe to hold them whole.
        write_all(program.input, input);
        Finished run = finish_program(program);
        // Now and then, as Wine's own process exits after the program has
        // done its work, glibc's loader fails an assertion in Wine. That is
        // the launcher's fault, not the program's: such a run is made again.
        const bool launcher_failed = std::getenv("MEAL_LAUNCHER") != nullptr &&
                                     run.errors.starts_with("Inconsistency detected by ld.so");
        if (!launcher_failed || attempt == 2)
            return run;
    }
}

Finished run_in_terminal(std::string_view input, std::vector<std::string> settings)
{
    termios raw{};
    cfmakeraw(&raw);
    int terminal = -1;
    const pid_t pid = forkpty(&terminal, nullptr, &raw, nullptr);
    if (pid < 0)
        throw std::runtime_error("forkpty failed");
    if (pid == 0) {
        for (std::string& setting : settings) {
            if (setting.find('=') == std::string::npos)
                unsetenv(setting.c_str());
            else
                putenv(setting.data());
        }
        exec_program({});
    }
    write_all(terminal, input);
    std::string output = read_all(terminal);
    return {output, "", wait_for(pid)};
}
