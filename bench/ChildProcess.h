#pragma once

#include <map>
#include <string>
#include <sys/types.h>
#include <vector>

// What one measured run of a program left behind.
struct ChildOutcome
{
    // The monotonic clock, in nanoseconds, just before the program was started.
    long long startNs = 0;
    long maxRssKb = 0;
    long long cpuUs = 0;
    // The "key=value" lines the program printed.
    std::map<std::string, double> values;

    double value(const std::string &key) const;
};

// One run of a measured program, with its output kept in files of a work
// folder, and its memory and CPU taken from the kernel when it ends.
class ChildProcess
{
public:
    ChildProcess(std::string program, std::vector<std::string> arguments, std::string outputStem);

    void start();
    // Waits for the end; throws std::runtime_error unless it ended well.
    ChildOutcome wait();

    // Starts, then waits.
    static ChildOutcome run(std::string program, std::vector<std::string> arguments, std::string outputStem);

private:
    void readValues(ChildOutcome &outcome) const;
    std::string describeFailure(int status) const;

    std::string m_program;
    std::vector<std::string> m_arguments;
    std::string m_outputStem;
    pid_t m_pid = -1;
    long long m_startNs = 0;
};
