// The files a process under test writes instead of talking to a person or another program:
// the alerts it would have shown (LEXITON_ALERT_FILE) and the documents and addresses it would
// have opened (LEXITON_OPEN_FILE). Internal to lexiton_common.
#pragma once

#include <string>

namespace lexiton::detail {

// When the environment variable `variable` names a file, appends `line` and a line break to it
// and returns true; false when the variable is unset or empty. Safe from any thread.
bool appendToRecordFile(const char* variable, const std::string& line);

}  // namespace lexiton::detail
