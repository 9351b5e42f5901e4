#include "platform/file.h"

#include "platform/text_codec.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <cstdlib>
#include <vector>

namespace {

bool Exists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

// The entry of `dir` whose name equals `name` ignoring ASCII case; empty
// when there is none.
std::string FindCaseInsensitive(const std::string& dir, const std::string& name) {
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!d) return std::string();
    std::string found;
    while (dirent* e = ::readdir(d)) {
        if (::strcasecmp(e->d_name, name.c_str()) == 0) {
            found = e->d_name;
            break;
        }
    }
    ::closedir(d);
    return found;
}

} // namespace

std::string ResolveProgramPath(const std::string& gbkPath) {
    std::string path = GbkToUtf8(gbkPath);
    for (char& c : path)
        if (c == '\\') c = '/';
    if (path.empty() || Exists(path)) return path;

    // Walk the components, fixing each one's case where it does not exist.
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    const bool absolute = path[0] == '/';
    while (start <= path.size()) {
        auto slash = path.find('/', start);
        if (slash == std::string::npos) slash = path.size();
        if (slash > start) parts.push_back(path.substr(start, slash - start));
        start = slash + 1;
    }
    std::string resolved = absolute ? "/" : "";
    for (size_t i = 0; i < parts.size(); ++i) {
        const std::string& part = parts[i];
        std::string candidate = resolved + part;
        if (part != "." && part != ".." && !Exists(candidate)) {
            std::string match = FindCaseInsensitive(resolved, part);
            if (match.empty()) return path; // give up: the caller reports it
            candidate = resolved + match;
        }
        resolved = candidate;
        if (i + 1 < parts.size()) resolved += '/';
    }
    return resolved;
}

bool ProgramFileExists(const std::string& gbkPath) {
    struct stat st;
    return ::stat(ResolveProgramPath(gbkPath).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string FileInsideFolder(const std::string& gbkPath, const std::string& gbkFolder) {
    const auto real = [](const std::string& path) {
        char* r = ::realpath(path.c_str(), nullptr);
        std::string s = r ? r : "";
        std::free(r);
        return s;
    };
    const std::string folder = real(ResolveProgramPath(gbkFolder));
    const std::string path = ResolveProgramPath(gbkPath);
    std::string file = real(path);
    struct stat st;
    if (file.empty()) {
        // A file not there (yet): its folder resolved, then its name.
        const auto slash = path.find_last_of('/');
        const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
        const std::string dir = real(slash == std::string::npos ? "." : path.substr(0, slash + 1));
        if (dir.empty() || name.empty() || name == "." || name == "..") return std::string();
        file = dir == "/" ? dir + name : dir + '/' + name;
    } else if (::stat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return std::string();
    }
    if (folder.empty()) return std::string();
    const std::string prefix = folder == "/" ? folder : folder + '/';
    return file.compare(0, prefix.size(), prefix) == 0 ? file : std::string();
}

bool ReadProgramFile(const std::string& gbkPath, std::string* bytes) {
    std::FILE* f = std::fopen(ResolveProgramPath(gbkPath).c_str(), "rb");
    if (!f) return false;
    bytes->clear();
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes->append(buffer, n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

BOOL CStdioFile::Open(const std::string& gbkPath, UINT) {
    Close();
    std::string path = ResolveProgramPath(gbkPath);
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return FALSE;
    m_pFile = std::fopen(path.c_str(), "rb");
    return m_pFile != nullptr;
}

void CStdioFile::Close() {
    if (m_pFile) std::fclose(m_pFile);
    m_pFile = nullptr;
}

long long CStdioFile::Position() const {
    return m_pFile ? static_cast<long long>(::ftello(m_pFile)) : -1;
}

bool CStdioFile::Seek(long long position) {
    return m_pFile && position >= 0 &&
           ::fseeko(m_pFile, static_cast<off_t>(position), SEEK_SET) == 0;
}

char* CStdioFile::ReadString(char* buffer, UINT limit) {
    if (!m_pFile || !buffer || limit == 0) return nullptr;
    if (limit == 1) {
        buffer[0] = 0;
        return buffer;
    }
    UINT n = 0;
    while (n + 1 < limit) {
        int c = std::getc(m_pFile);
        if (c == EOF) break;
        if (c == '\r') {
            // Text mode: CR LF reads as LF; a lone CR stays.
            int next = std::getc(m_pFile);
            if (next == '\n') c = '\n';
            else if (next != EOF) std::ungetc(next, m_pFile);
        }
        buffer[n++] = char(c);
        if (c == '\n') break;
    }
    buffer[n] = 0;
    return n == 0 ? nullptr : buffer;
}
