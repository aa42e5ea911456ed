#pragma once

#include <exception>

// The root of the class library's exceptions. They are thrown by value and caught by
// reference; the platform layer raises them where the library would.
class CException : public std::exception {
public:
    const char* what() const noexcept override { return "class library exception"; }
};
