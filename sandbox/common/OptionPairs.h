#pragma once

#include <functional>
#include <string>

// Takes one option's name and value; false for an unknown name or a bad value.
using OptionApply = std::function<bool(const std::string& name, const std::string& value)>;

// Reads a command line of "--name value" pairs, each through apply. False with a reason for
// a missing value or a pair apply refuses.
bool parseOptionPairs(int argc, char** argv, const OptionApply& apply, std::string& error);
