// The temporary files that an atomic write leaves beside its target until the
// rename. Their names say whose they are, so that the next write into the same
// folder can remove those of a process that was killed before it renamed.
#pragma once

#include <string>

namespace tarno {

// "." + (the start of) name + ".tarno-tmp-" + process id + "-XXXXXX": a mkstemp
// pattern short enough for any name a folder can hold.
std::string TemporaryFilePattern(const std::string& folder, const std::string& name);

// Whether a bare file name has the form TemporaryFilePattern gives; its owner's
// process id then goes to *owner.
bool IsTemporaryFileName(const std::string& name, long* owner = nullptr);

// Removes the temporaries in folder ("" for the current one) whose process no
// longer runs, or that are older than any write takes. Others' live writes and
// files of other names are left alone; failures are ignored.
void RemoveStaleTemporaries(const std::string& folder);

}  // namespace tarno
