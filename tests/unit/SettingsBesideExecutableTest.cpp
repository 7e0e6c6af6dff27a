// The settings file lives beside the running executable, whatever the
// working directory and whatever characters the executable's folder has.

#include "ui/ExecutableFolder.h"

#include "SettingsTestSupport.h"

#include <array>
#include <cstdio>

#include <sys/wait.h>
#include <unistd.h>

namespace {

struct RunResult {
    int exitCode = -1;
    std::string output;
};

// Runs program with arguments in workingFolder, with its standard output caught.
RunResult RunProgram(const std::filesystem::path& program,
                     const std::vector<std::string>& arguments,
                     const std::filesystem::path& workingFolder) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipeEnds[1], 1);
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        if (::chdir(workingFolder.c_str()) != 0) ::_exit(126);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& a : arguments)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(pipeEnds[1]);
    RunResult result;
    std::array<char, 256> buffer{};
    for (ssize_t got; (got = ::read(pipeEnds[0], buffer.data(), buffer.size())) != 0;) {
        if (got > 0)
            result.output.append(buffer.data(), std::size_t(got));
        else if (errno != EINTR)
            break;
    }
    ::close(pipeEnds[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

TEST(SettingsBesideExecutable, FolderWithAccentsAndSpacesNotTheWorkingDirectory) {
    TempFolder root;
    const std::filesystem::path home =
        root.path() / u8"Programas de José Peña" / u8"edición  final";
    std::filesystem::create_directories(home);
    const std::filesystem::path program = home / "velmora probe";
    std::filesystem::copy_file(SETTINGS_PROBE, program);
    TempFolder working;

    ASSERT_EQ(RunProgram(program, {"save", "2", "4"}, working.path()).exitCode, 0);
    const std::u8string settings = (home / "Configuracion.ini").u8string();
    EXPECT_EQ(ReadBytes(std::string(settings.begin(), settings.end())),
              "[Multiple]\r\nancho= 2\r\nalto= 4\r\n");
    EXPECT_TRUE(Listing(working.path()).empty()) << "the working directory got a settings file";

    const RunResult read = RunProgram(program, {"get"}, working.path());
    EXPECT_EQ(read.exitCode, 0);
    EXPECT_EQ(read.output, "2 4\n");
    const RunResult fromRoot = RunProgram(program, {"get"}, "/");
    EXPECT_EQ(fromRoot.output, "2 4\n");
}

TEST(SettingsBesideExecutable, ExecutableFolderIsAbsoluteAndHoldsThisProgram) {
    const std::string folder = ExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.front(), '/');
    EXPECT_NE(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(folder) / "unit_settings"));
}

} // namespace
