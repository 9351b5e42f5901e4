// Files as the program reads them: Windows-style relative paths, text mode.
#pragma once

#include "platform/types.h"

#include <cstdio>
#include <string>

// Maps a program path ("data\\232.txt", GBK bytes) to a path on this system:
// backslashes become '/', it is taken relative to the current directory, and
// where a component does not exist exactly a case-insensitive match in its
// directory is used. Returns the UTF-8 path (which may not exist).
std::string ResolveProgramPath(const std::string& gbkPath);
bool ProgramFileExists(const std::string& gbkPath);
// The file at the program path as one absolute UTF-8 path (links, "." and
// ".." resolved), when it is a file, or a name not yet there, inside the
// folder `gbkFolder`; empty otherwise. Every spelling of one file gives the
// same path.
std::string FileInsideFolder(const std::string& gbkPath, const std::string& gbkFolder);
// Reads a whole file (resolved as above); false when it cannot be read.
bool ReadProgramFile(const std::string& gbkPath, std::string* bytes);

// A text file read line by line like fgets in text mode: CR LF reads as LF.
class CStdioFile {
public:
    enum { modeRead = 0x0000, typeText = 0x4000 };
    CStdioFile() = default;
    ~CStdioFile() { Close(); }
    CStdioFile(const CStdioFile&) = delete;
    CStdioFile& operator=(const CStdioFile&) = delete;

    BOOL Open(const std::string& gbkPath, UINT flags = modeRead | typeText);
    void Close();
    bool IsOpen() const { return m_pFile != nullptr; }
    // Reads at most limit - 1 bytes, stopping after a '\n' (kept), and ends
    // the buffer with NUL. Returns nullptr at end of file with nothing read.
    char* ReadString(char* buffer, UINT limit);
    // The byte offset of the next read (-1: none), and a move back to one.
    long long Position() const;
    bool Seek(long long position);

private:
    std::FILE* m_pFile = nullptr;
};
