#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace vntab_cli {

// What is wrong with a command's arguments, said so that the user can correct it: the argument
// and what it accepts ("--dpi takes a whole number from 24 to 960, not 96.5").
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The arguments of one command, read left to right.
class Arguments {
public:
    explicit Arguments(const std::vector<std::string>& args) : m_args(args) {}

    bool done() const { return m_at >= m_args.size(); }
    // The next argument.
    const std::string& take() { return m_args[m_at++]; }
    // The value of `option`, the argument after it; `what` says what it is ("the PNG file to write").
    const std::string& value_of(const std::string& option, const std::string& what);
    // A whole number from low to high as the value of `option`.
    int whole_number_of(const std::string& option, int low, int high, const std::string& what);
    // The form the command works on: the first argument that is not an option. A second one, or an
    // option the command does not know, is refused.
    void form(const std::string& argument, std::string& form);

private:
    const std::vector<std::string>& m_args;
    size_t m_at = 0;
};

// Says what is wrong and the command's usage line on stderr; returns 2, the status of bad usage.
int ComplainAboutUsage(const UsageError& error, const std::string& usage);

} // namespace vntab_cli
