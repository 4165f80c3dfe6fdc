#include "Process.h"

#include "TempDir.h"

#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace vinta::test {
namespace {

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TProcessResult RunProcess(const std::vector<std::string>& argv, const std::vector<std::string>& env)
{
    const TTempDir dir;
    const std::string outPath = dir.Path() + "/out", errPath = dir.Path() + "/err";
    const pid_t pid = ::fork();
    if (pid == 0) {
        for (const auto& e : env) {
            const auto eq = e.find('=');
            if (eq + 1 == e.size())
                ::unsetenv(e.substr(0, eq).c_str());
            else
                ::setenv(e.substr(0, eq).c_str(), e.substr(eq + 1).c_str(), 1);
        }
        const int in = ::open("/dev/null", O_RDONLY);
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(in, 0);
        ::dup2(out, 1);
        ::dup2(err, 2);
        std::vector<char*> args;
        for (const auto& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    int wstatus = 0;
    ::waitpid(pid, &wstatus, 0);
    TProcessResult result;
    result.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    result.out = ReadAll(outPath);
    result.err = ReadAll(errPath);
    return result;
}

} // namespace vinta::test
