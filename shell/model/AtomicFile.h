#pragma once

#include <functional>
#include <string>

namespace quarlo {

// Replaces the file `path` by `contents` so that at every moment the file is either the old
// one or the complete new one: the contents go to a new file beside the target, are flushed
// to disk, and only then renamed over the target. An existing target keeps its permission
// bits; a symbolic link is followed and stays in place; a read-only file is refused. Any
// failure removes the new file, leaves the target as it was and raises EInOutError
// with the reason.
void writeFileAtomically(const std::string& path, const std::string& contents);

// The same replacement for contents that a writer of its own puts into a file by name (a
// library that opens and writes the file itself): `fill` gets the name of the new file
// beside the target, already created and empty, and must write it completely or throw. What
// it throws passes on after the new file is removed; the target stays as it was.
void writeFileAtomically(const std::string& path, const std::function<void(const std::string& newFile)>& fill);

}  // namespace quarlo
