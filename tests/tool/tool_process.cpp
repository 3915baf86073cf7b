// The tool started with posix_spawn; its three standard streams are files in
// the test's temporary directory, so nothing can block on a full pipe.
#include "tool_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <gtest/gtest.h>

extern char** environ;

namespace hygra::tool_test {

namespace {

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// An empty file of a unique name.
std::string new_file()
{
    std::string path = testing::TempDir() + "hygra_tool_XXXXXX";
    const int fd = mkstemp(path.data());
    if (fd < 0)
        throw std::runtime_error("cannot create a temporary file in " + testing::TempDir());
    close(fd);
    return path;
}

}  // namespace

std::string temporary_file(const std::string& text)
{
    const std::string path = new_file();
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

namespace {

// The environment of this process with `extra` ("NAME=VALUE") set on top.
std::vector<std::string> environment_with(const std::vector<std::string>& extra)
{
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e)
        env.emplace_back(*e);
    for (const std::string& x : extra) {
        const std::string name = x.substr(0, x.find('=') + 1);
        bool replaced = false;
        for (std::string& e : env) {
            if (e.compare(0, name.size(), name) == 0) {
                e = x;
                replaced = true;
            }
        }
        if (!replaced)
            env.push_back(x);
    }
    return env;
}

process_result run(const std::vector<std::string>& args, const std::string& input,
                   std::vector<std::string> env, const std::string& stdout_path = "");

}  // namespace

process_result run_tool_writing_to(const std::string& path, const std::vector<std::string>& args,
                                   const std::string& input)
{
    return run(args, input, environment_with({}), path);
}

process_result run_tool(const std::vector<std::string>& args, const std::string& input)
{
    return run(args, input, environment_with({}));
}

process_result run_tool_failing(const std::string& fail, const std::vector<std::string>& args,
                                const std::string& input)
{
    std::vector<std::string> extra{"HYGRA_TEST_FAIL=" + fail,
                                   std::string("LD_PRELOAD=") + HYGRA_FAILING_LIBRARY};
#ifdef __SANITIZE_ADDRESS__
    // The sanitizer's run-time library wants to be loaded first; the stand-in
    // comes before it here, which is harmless for this test.
    const char* asan = std::getenv("ASAN_OPTIONS");
    extra.push_back(std::string("ASAN_OPTIONS=") + (asan != nullptr ? std::string(asan) + ":" : "") +
                    "verify_asan_link_order=0");
#endif
    return run(args, input, environment_with(extra));
}

namespace {

process_result run(const std::vector<std::string>& args, const std::string& input,
                   std::vector<std::string> env, const std::string& stdout_path)
{
    const std::string in_path = temporary_file(input);
    const std::string out_path = stdout_path.empty() ? new_file() : stdout_path;
    const std::string err_path = new_file();

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in_path.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out_path.c_str(), O_WRONLY | O_TRUNC, 0);
    posix_spawn_file_actions_addopen(&actions, 2, err_path.c_str(), O_WRONLY | O_TRUNC, 0);

    std::vector<std::string> words{HYGRA_TOOL_PATH};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);

    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, HYGRA_TOOL_PATH, &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    process_result result;
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << HYGRA_TOOL_PATH;
    } else {
        int wstatus = 0;
        waitpid(pid, &wstatus, 0);
        result.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
        if (stdout_path.empty())
            result.out = read_file(out_path);
        result.err = read_file(err_path);
    }
    for (const std::string& p : {in_path, err_path})
        std::remove(p.c_str());
    if (stdout_path.empty())
        std::remove(out_path.c_str());
    return result;
}

}  // namespace

}  // namespace hygra::tool_test
