#include "ChildProcess.h"

#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

namespace {

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

long long microseconds(const timeval &time)
{
    return time.tv_sec * 1'000'000LL + time.tv_usec;
}

std::string contentOf(const std::string &path)
{
    std::ifstream file(path);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

} // namespace

double ChildOutcome::value(const std::string &key) const
{
    const auto found = values.find(key);
    if (found == values.end())
        throw std::runtime_error("no figure '" + key + "' was printed");
    return found->second;
}

ChildProcess::ChildProcess(std::string program, std::vector<std::string> arguments, std::string outputStem)
    : m_program(std::move(program)), m_arguments(std::move(arguments)), m_outputStem(std::move(outputStem))
{
}

void ChildProcess::start()
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, (m_outputStem + ".out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, (m_outputStem + ".err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);

    std::vector<char *> argv{m_program.data()};
    for (std::string &argument : m_arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    m_startNs = monotonicNs();
    const int error = posix_spawn(&m_pid, m_program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0)
        throw std::runtime_error("cannot start " + m_program);
}

ChildOutcome ChildProcess::wait()
{
    int status = 0;
    rusage usage{};
    if (wait4(m_pid, &status, 0, &usage) != m_pid)
        throw std::runtime_error("lost " + m_program);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(describeFailure(status));

    ChildOutcome outcome;
    outcome.startNs = m_startNs;
    outcome.maxRssKb = usage.ru_maxrss;
    outcome.cpuUs = microseconds(usage.ru_utime) + microseconds(usage.ru_stime);
    readValues(outcome);
    return outcome;
}

ChildOutcome ChildProcess::run(std::string program, std::vector<std::string> arguments, std::string outputStem)
{
    ChildProcess child(std::move(program), std::move(arguments), std::move(outputStem));
    child.start();
    return child.wait();
}

void ChildProcess::readValues(ChildOutcome &outcome) const
{
    std::istringstream lines(contentOf(m_outputStem + ".out"));
    std::string line;
    while (std::getline(lines, line)) {
        const auto equals = line.find('=');
        if (equals != std::string::npos)
            outcome.values[line.substr(0, equals)] = std::stod(line.substr(equals + 1));
    }
}

std::string ChildProcess::describeFailure(int status) const
{
    const std::string how = WIFEXITED(status) ? "exit status " + std::to_string(WEXITSTATUS(status))
                                              : "signal " + std::to_string(WTERMSIG(status));
    return m_program + " failed (" + how + "):\n" + contentOf(m_outputStem + ".err");
}
