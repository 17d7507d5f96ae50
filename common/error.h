#pragma once
// The one error type of the core. Its message is the Spanish text shown to the user:
// it names the file or value concerned and the problem.
#include <stdexcept>
#include <string>

namespace ph {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& mensaje) : std::runtime_error(mensaje) {}
};

}  // namespace ph
