#include "support/Process.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "support/TempDir.h"

ProcessResult RunCommand(const std::string& command)
{
    TempDir dir;
    const std::string errPath = (dir.Path() / "stderr").string();
    const int status = std::system((command + " 2>'" + errPath + "'").c_str());
    ProcessResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.err = ReadFile(errPath);
    return result;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}
