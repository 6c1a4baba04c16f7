#pragma once
// The error code of a failed library load. dlopen reports only a text (dlerror) and
// leaves errno as it was, so the code is found from the library file itself.

#include <string>

// path: what was given to dlopen (a plain name went through the system's search);
// message: dlerror's text. Returns ENOENT when no library file was found, else the
// error of opening or reading the file, or ENOEXEC for a file that is no library this
// program can load (or an errno that the message names, for a library it needs).
int LibraryLoadErrorCode(const std::string& path, const std::string& message);
