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

process_result run_tool(const std::vector<std::string>& args, const std::string& input)
{
    const std::string in_path = temporary_file(input);
    const std::string out_path = new_file();
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

    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, HYGRA_TOOL_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    process_result result;
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << HYGRA_TOOL_PATH;
    } else {
        int wstatus = 0;
        waitpid(pid, &wstatus, 0);
        result.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
        result.out = read_file(out_path);
        result.err = read_file(err_path);
    }
    for (const std::string& p : {in_path, out_path, err_path})
        std::remove(p.c_str());
    return result;
}

}  // namespace hygra::tool_test
