// Stand-ins for the JDK's and the DoJa SDK's Windows tools, for tests on a
// machine without them. One program, copied under each tool's name, does
// what that tool does in the shape the build looks at:
//   javac -d DIR ... SOURCES   a class file in DIR for each source that
//                              declares its class; otherwise a message in
//                              javac's "file:line: text" form and exit 1
//   preverify ... -d DIR IN    the class files of folder IN copied to DIR
//   jar cMf|uMf ARCHIVE NAMES  an archive listing the names (not a ZIP)
//   java ...                   prints its command line
// The wildcards of the build's command lines (src\*.java, *) are expanded
// here, against the working folder: on Windows no shell does it.
#include <windows.h>

#include <string>
#include <vector>

// No expansion by the C runtime: each tool does its own.
extern "C" {
int _dowildcard = 0;
}

namespace {

using Strings = std::vector<std::wstring>;

void say(const std::wstring &text)
{
    const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(size, '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), int(text.size()), bytes.data(), size, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), DWORD(bytes.size()), &written, nullptr);
}

std::wstring folderOf(const std::wstring &path)
{
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

std::wstring baseName(const std::wstring &path)
{
    std::wstring name = path.substr(folderOf(path).size());
    const size_t dot = name.rfind(L'.');
    return dot == std::wstring::npos ? name : name.substr(0, dot);
}

// The pattern's matches, in the folder the pattern names; the pattern
// itself when nothing matches.
Strings expand(const std::wstring &pattern)
{
    if (pattern.find_first_of(L"*?") == std::wstring::npos)
        return {pattern};
    Strings names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name != L"." && name != L"..")
                names.push_back(folderOf(pattern) + name);
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    return names.empty() ? Strings{pattern} : names;
}

std::string readFile(const std::wstring &path, bool *ok)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    *ok = file != INVALID_HANDLE_VALUE;
    std::string bytes;
    if (!*ok)
        return bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

bool writeFile(const std::wstring &path, const std::string &bytes, bool append)
{
    HANDLE file = CreateFileW(path.c_str(), append ? FILE_APPEND_DATA : GENERIC_WRITE, 0, nullptr,
                              append ? OPEN_ALWAYS : CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr) && written == bytes.size();
    CloseHandle(file);
    return ok;
}

// The value after an option, and the other arguments.
std::wstring option(const Strings &arguments, const wchar_t *name, Strings *rest)
{
    std::wstring value;
    Strings others;
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == name && i + 1 < arguments.size())
            value = arguments[++i];
        else
            others.push_back(arguments[i]);
    }
    *rest = others;
    return value;
}

const std::string kClassHeader("\xCA\xFE\xBA\xBE\x00\x03\x00\x2D", 8);  // the 1.1 class-file format

int javac(const Strings &arguments)
{
    Strings rest;
    const std::wstring out = option(arguments, L"-d", &rest);
    option(Strings(rest), L"-classpath", &rest);
    option(Strings(rest), L"-bootclasspath", &rest);
    int errors = 0;
    for (const std::wstring &pattern : rest) {
        for (const std::wstring &source : expand(pattern)) {
            bool read = false;
            const std::string text = readFile(source, &read);
            const std::wstring name = baseName(source);
            const std::string declaration = "class " + std::string(name.begin(), name.end());
            if (read && text.find(declaration) != std::string::npos
                && writeFile(out + L"\\" + name + L".class", kClassHeader, false))
                continue;
            say(source + L":1: " + (read ? L"class " + name + L" is not declared here" : L"cannot read") + L"\r\n");
            ++errors;
        }
    }
    if (errors > 0)
        say(std::to_wstring(errors) + (errors == 1 ? L" error\r\n" : L" errors\r\n"));
    return errors > 0 ? 1 : 0;
}

int preverify(const Strings &arguments)
{
    Strings rest;
    const std::wstring out = option(arguments, L"-d", &rest);
    option(Strings(rest), L"-classpath", &rest);
    CreateDirectoryW(out.c_str(), nullptr);
    for (const std::wstring &folder : rest) {
        for (const std::wstring &file : expand(folder + L"\\*")) {
            bool read = false;
            const std::string bytes = readFile(file, &read);
            if (!read || bytes.compare(0, 4, kClassHeader, 0, 4) != 0) {
                say(L"Error: " + file + L" is not a class file\r\n");
                return 1;
            }
            if (!writeFile(out + L"\\" + file.substr(folderOf(file).size()), bytes, false))
                return 1;
        }
    }
    return 0;
}

int jar(const Strings &arguments)
{
    if (arguments.size() < 2 || (arguments[0] != L"cMf" && arguments[0] != L"uMf")) {
        say(L"usage: jar cMf|uMf ARCHIVE NAMES\r\n");
        return 1;
    }
    const bool update = arguments[0] == L"uMf";
    std::string listing = update ? "" : "fake jar\r\n";
    for (size_t i = 2; i < arguments.size(); ++i) {
        for (const std::wstring &name : expand(arguments[i]))
            listing += std::string(name.begin(), name.end()) + "\r\n";
    }
    if (writeFile(arguments[1], listing, update))
        return 0;
    say(arguments[1] + L": cannot write the archive\r\n");
    return 1;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring tool = baseName(self);
    for (wchar_t &c : tool)
        c = wchar_t(towlower(c));
    const Strings arguments(argv + 1, argv + argc);
    if (tool == L"javac")
        return javac(arguments);
    if (tool == L"preverify")
        return preverify(arguments);
    if (tool == L"jar")
        return jar(arguments);
    say(L"fake " + tool + L": " + GetCommandLineW() + L"\r\n");
    return 0;
}
