// The root of every error the system raises: a message text, as the class library's Exception has.
#pragma once

#include <stdexcept>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : FMessage(std::move(message)) {}
    ~Exception() override = default;

    const std::string& Message() const { return FMessage; }
    void SetMessage(std::string message) { FMessage = std::move(message); }
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int context) { FHelpContext = context; }
    const char* what() const noexcept override { return FMessage.c_str(); }

private:
    std::string FMessage;
    int FHelpContext = 0;
};
