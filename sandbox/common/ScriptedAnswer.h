#pragma once

#include "ScriptTable.h"

#include <httplib.h>

// Whether answerScript knows the mode.
bool isScriptMode(const std::string& mode);

// Answers a request the way its script says, including the ways a real service fails.
void answerScript(const Script& script, ScriptTable& scripts, const httplib::Request& req,
                  httplib::Response& res);
