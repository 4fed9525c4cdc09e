#pragma once
// Turning the exception being handled into what the messages show: a number and a description.

#include <QString>

namespace scanvo {

struct Failure {
    int number = 0;
    QString description;
};

// The failure being handled: an engine error with its own number and description, running out of
// memory as the engine's out-of-memory number with "内存不足", any other exception with
// fallbackNumber and its own text, and anything else with fallbackNumber and "未知错误". Call only
// inside a catch block.
Failure CaughtFailure(int fallbackNumber);

// "number,description", the form every failure message starts with.
QString NumberedDescription(const Failure& failure);

}  // namespace scanvo
