#pragma once

#include <string>
#include <string_view>

namespace quorlane {

// A file name as the platform's own calls take it: UTF-16 on Windows, bytes elsewhere. Not
// std::filesystem::path, which on Windows brings the whole of std::locale into the program.
#ifdef _WIN32
using NativeChar = wchar_t;
inline constexpr std::wstring_view kPathSeparators = L"\\/";  // the first is the usual one
#else
using NativeChar = char;
inline constexpr std::string_view kPathSeparators = "/";
#endif
using NativePath = std::basic_string<NativeChar>;

// The running executable's full path; empty when the platform does not say.
NativePath ExecutablePath();

// "Quorlane.ini" in the directory of the running executable; empty when the platform does not say
// where that is.
NativePath SettingsFilePath();

enum class FileState { Missing, Unreadable, Readable };

// Whether a regular file (after following links) is there and can be opened for reading. Anything
// else (a directory, a FIFO, a device, a link loop) is unreadable; nothing that could block is
// opened.
FileState ProbeFile(const NativePath& file);

#ifndef _WIN32
// Opens a regular file (after following links) for reading, without blocking; anything else, or
// a failure, gives -1.
int OpenRegularFile(const NativePath& file);
#endif

// Where a symbolic link at the path leads (relative to the link's directory when the link says
// so); empty when the path is no link. The Debian package's Quorlane.ini beside the program is a
// link to the file under /etc that the administrator edits.
NativePath LinkTarget(const NativePath& file);

// The path as UTF-8 text, for messages: converted from UTF-16 on Windows, the bytes as they are
// elsewhere.
std::string PathText(const NativePath& file);

}  // namespace quorlane
