#pragma once
// The settings files: a .cfg file is a record's bytes and nothing else. One reader
// and one writer serve every settings class.

#include <cstddef>
#include <cstdint>
#include <string>

namespace configfile {

// Fills record (size bytes) from path when it is a regular file whose length is
// exactly size; otherwise false at once (a pipe is never waited on), record
// untouched, nothing shown.
bool Load(const std::string& path, uint8_t* record, std::size_t size);

// Writes record to path, replacing the file only when the whole record is written;
// on failure shows "Failed to create file." or "Failed to write file." in an error
// box and returns false.
bool Save(const std::string& path, const uint8_t* record, std::size_t size);

// <program folder>default.cfg: one file for every board.
std::string DefaultConfigPath();

// The .cfg save dialog in lastFolder proposing dialogName, the file name chosen last in
// the form's save dialog (Save Setting or the project file); it asks before replacing a
// file, so a settings save never overwrites a project file unasked. A chosen path moves
// lastFolder to its folder, before the file is touched, and becomes dialogName.
// Returns the path, or "" on Cancel (lastFolder and dialogName unchanged).
std::string AskSavePath(std::string& lastFolder, std::string& dialogName);
// The .cfg open dialog in lastFolder; otherwise as AskSavePath.
std::string AskLoadPath(std::string& lastFolder);

} // namespace configfile
