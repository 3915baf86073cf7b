// The tool started with posix_spawn; its three standard streams are files in
// the test's temporary directory, so nothing can block on a full pipe.
#include "tool_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include <gtest/gtest.h>

extern char** environ;

namespace hygra::tool_test {

std::string file_text(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string temporary_file(const std::string& text)
{
    std::string path = testing::TempDir() + "hygra_tool_XXXXXX";
    const int fd = mkstemp(path.data());
    if (fd < 0)
        throw std::runtime_error("cannot create a temporary file in " + testing::TempDir());
    close(fd);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

std::string epw_header()
{
    return "LOCATION,Testville,ST,XXX,Test data,999999,40.00,-105.00,-7.0,1600.0\n"
           "DESIGN CONDITIONS,0\nTYPICAL/EXTREME PERIODS,0\nGROUND TEMPERATURES,0\n"
           "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0\nCOMMENTS 1,written by the test\nCOMMENTS 2,\n"
           "DATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31\n";
}

std::string epw_hour(int month, int hour, const std::string& tdb, const std::string& tdew,
                     const std::string& rh, const std::string& p)
{
    // Radiation, wind, sky and the rest: 25 more fields.
    return "1999," + std::to_string(month) + ",1," + std::to_string(hour) +
           ",60,?9?9?9?9E0?9?9?9?9?9?9?9?9?9?9?9?9?9*9*9?9*9*9," + tdb + "," + tdew + "," + rh +
           "," + p + ",0,0,312,0,0,0,0,0,0,0,190,2.6,2,2,16.1,77777,9,999999999,17,0.089,0,88,0.16,0,1\n";
}

namespace {

// This process's environment; with a result code to fail, the stand-in is
// preloaded. The sanitizer's run-time library wants to be loaded first; the
// stand-in comes before it, which is harmless here.
std::vector<std::string> environment(const std::string& fail)
{
    std::vector<std::string> env;
    std::string asan;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string v = *e;
        if (!fail.empty() && v.rfind("ASAN_OPTIONS=", 0) == 0)
            asan = v.substr(13) + ":";
        else if (fail.empty() || v.rfind("LD_PRELOAD=", 0) != 0)
            env.push_back(v);
    }
    if (!fail.empty())
        env.insert(env.end(), {"HYGRA_TEST_FAIL=" + fail, std::string("LD_PRELOAD=") + HYGRA_FAILING_LIBRARY,
                               "ASAN_OPTIONS=" + asan + "verify_asan_link_order=0"});
    return env;
}

}  // namespace

process_result run_tool(const std::vector<std::string>& args, const std::string& input, const run_options& how)
{
    const bool piped = how.stop_signal != 0;
    const std::string in_path = temporary_file(piped ? "" : input);
    int fds[2] = {-1, -1};
    if (piped && pipe2(fds, O_CLOEXEC) != 0)  // the child keeps only the copy on its standard input
        ADD_FAILURE() << "no pipe";
    const std::string out_path = how.stdout_path.empty() ? temporary_file("") : how.stdout_path;
    const std::string err_path = temporary_file("");

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (piped)
        posix_spawn_file_actions_adddup2(&actions, fds[0], 0);
    else
        posix_spawn_file_actions_addopen(&actions, 0, in_path.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out_path.c_str(), O_WRONLY | O_TRUNC, 0);
    posix_spawn_file_actions_addopen(&actions, 2, err_path.c_str(), O_WRONLY | O_TRUNC, 0);

    std::vector<std::string> words{HYGRA_TOOL_PATH};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<std::string> env = environment(how.fail);
    std::vector<char*> argv, envp;
    for (std::string& w : words)
        argv.push_back(w.data());
    for (std::string& e : env)
        envp.push_back(e.data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);

    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, HYGRA_TOOL_PATH, &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    process_result result;
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << HYGRA_TOOL_PATH;
    } else {
        if (piped) {
            EXPECT_EQ(write(fds[1], input.data(), input.size()), static_cast<ssize_t>(input.size()));
            // Wait (at most a minute) until the tool has read everything, and
            // has written, if asked; it then waits for more.
            for (int i = 0; i < 6000; ++i) {
                int pending = 0;
                struct stat out {};
                ioctl(fds[0], FIONREAD, &pending);
                if (pending == 0 && (!how.wait_for_output || (stat(out_path.c_str(), &out) == 0 && out.st_size > 0)))
                    break;
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            kill(pid, how.stop_signal);
        }
        int wstatus = 0;
        waitpid(pid, &wstatus, 0);
        result.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
        result.signal = WIFSIGNALED(wstatus) ? WTERMSIG(wstatus) : 0;
        if (how.stdout_path.empty())
            result.out = file_text(out_path);
        result.err = file_text(err_path);
    }
    for (int fd : fds)
        if (fd >= 0)  // -1 where no pipe was made
            close(fd);
    for (const std::string& p : {in_path, err_path, how.stdout_path.empty() ? out_path : ""})
        std::remove(p.c_str());
    return result;
}

}  // namespace hygra::tool_test
