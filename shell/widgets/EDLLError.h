#pragma once

#include <stdexcept>
#include <string>

namespace quarlo {

// Why a shared library could not be used. The run command shows its own message for all of
// them; Detail() says what the system reported, for the line under that message.
class EDLLError : public std::runtime_error {
public:
    EDLLError(const std::string& message, std::string detail)
        : std::runtime_error(message), m_detail(std::move(detail))
    {
    }
    const std::string& Detail() const { return m_detail; }

private:
    std::string m_detail;
};

// The library file is there but the system could not load it (not a library, a missing
// dependency or symbol, a failing initializer).
class EInitError : public EDLLError {
public:
    explicit EInitError(std::string detail) : EDLLError("Library failed to properly initialize", std::move(detail)) {}
};

class EFileNotFoundError : public EDLLError {
public:
    explicit EFileNotFoundError(std::string detail) : EDLLError("Library could not be located", std::move(detail)) {}
};

// An entry was looked up while no library is loaded.
class EDLLNotOpenError : public EDLLError {
public:
    EDLLNotOpenError() : EDLLError("Library is not open", {}) {}
};

}  // namespace quarlo
