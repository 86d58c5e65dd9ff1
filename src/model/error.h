#pragma once

namespace vornak {

// A failure inside the model or the format code. The code is the tool's exit
// code scheme: the operation that owns the resources catches it, cleans up and
// turns it into its own result (true/false, 0/1, or the code itself).
struct CodeError {
    int code;
};

[[noreturn]] inline void raiseCode(int code) { throw CodeError{code}; }

} // namespace vornak
