// A Windows tool for the tests of the command runner: it does what its
// arguments say, in order. Arguments it does not know (markers by which a
// test finds the process) are passed over. A copy under another name (a
// javac.exe) first does what the lines of NAME.args beside it say.
//   out=TEXT, err=TEXT  TEXT on standard output or error (\r, \n and \xHH as written)
//   line                the command line exactly as the tool received it
//   list=PATTERN        the names in the working folder that match, one a line
//   fill=N              N times "x" on standard output
//   sleep=MS            waits
//   wait=NAME           waits until NAME exists; after five seconds says so and ends with 1
//   child=MARKER        starts a copy of itself that sleeps two minutes
//   make=NAME           an empty file NAME in the working folder
//   exit=N              ends with exit code N
//   crash               ends with the code of an access violation
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

// No expansion by the C runtime: "list=*.txt" is an instruction.
extern "C" {
int _dowildcard = 0;
}

namespace {

void write(HANDLE handle, const std::string &bytes)
{
    DWORD written = 0;
    WriteFile(handle, bytes.data(), DWORD(bytes.size()), &written, nullptr);
}

std::string narrow(const std::wstring &text)
{
    const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(size, '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), int(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

std::string unescaped(const std::wstring &text)
{
    std::string bytes = narrow(text);
    std::string result;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\\' && i + 1 < bytes.size() && (bytes[i + 1] == 'r' || bytes[i + 1] == 'n')) {
            result += bytes[++i] == 'r' ? '\r' : '\n';
        } else if (bytes[i] == '\\' && i + 3 < bytes.size() && bytes[i + 1] == 'x') {
            result += char(std::strtol(bytes.substr(i + 2, 2).c_str(), nullptr, 16));
            i += 3;
        } else {
            result += bytes[i];
        }
    }
    return result;
}

void list(const std::wstring &pattern)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        write(GetStdHandle(STD_OUTPUT_HANDLE), narrow(found.cFileName) + "\r\n");
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

void fill(long long count)
{
    const std::string block(64 * 1024, 'x');
    for (; count > 0; count -= static_cast<long long>(block.size()))
        write(GetStdHandle(STD_OUTPUT_HANDLE), block.substr(0, size_t(std::min<long long>(count, block.size()))));
}

void startChild(const std::wstring &marker)
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring line = L"\"" + std::wstring(self) + L"\" sleep=120000 " + marker;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

bool appears(const std::wstring &name)
{
    for (int tries = 0; tries < 500; ++tries) {
        if (GetFileAttributesW(name.c_str()) != INVALID_FILE_ATTRIBUTES)
            return true;
        Sleep(10);
    }
    return false;
}

bool startsWith(const std::wstring &text, const wchar_t *prefix, std::wstring *rest)
{
    const std::wstring p(prefix);
    if (text.compare(0, p.size(), p) != 0)
        return false;
    *rest = text.substr(p.size());
    return true;
}

// The lines of NAME.args beside the program, then the command line's arguments.
std::vector<std::wstring> instructions(int argc, wchar_t **argv)
{
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self, length);
    path = path.substr(0, path.rfind(L'.')) + L".args";
    std::vector<std::wstring> result;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        char buffer[4096];
        DWORD got = 0;
        std::string bytes;
        while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
            bytes.append(buffer, got);
        CloseHandle(file);
        size_t start = 0;
        while (start < bytes.size()) {
            size_t end = bytes.find_first_of("\r\n", start);
            if (end == std::string::npos)
                end = bytes.size();
            if (end > start)
                result.emplace_back(bytes.begin() + start, bytes.begin() + end);
            start = end + 1;
        }
    }
    result.insert(result.end(), argv + 1, argv + argc);
    return result;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    for (const std::wstring &argument : instructions(argc, argv)) {
        std::wstring value;
        if (startsWith(argument, L"out=", &value))
            write(GetStdHandle(STD_OUTPUT_HANDLE), unescaped(value));
        else if (startsWith(argument, L"err=", &value))
            write(GetStdHandle(STD_ERROR_HANDLE), unescaped(value));
        else if (argument == L"line")
            write(GetStdHandle(STD_OUTPUT_HANDLE), narrow(GetCommandLineW()) + "\n");
        else if (startsWith(argument, L"list=", &value))
            list(value);
        else if (startsWith(argument, L"fill=", &value))
            fill(std::wcstoll(value.c_str(), nullptr, 10));
        else if (startsWith(argument, L"sleep=", &value))
            Sleep(DWORD(_wtol(value.c_str())));
        else if (startsWith(argument, L"wait=", &value)) {
            if (!appears(value)) {
                write(GetStdHandle(STD_OUTPUT_HANDLE), "gave up waiting\n");
                return 1;
            }
        } else if (startsWith(argument, L"child=", &value))
            startChild(value);
        else if (startsWith(argument, L"make=", &value))
            CloseHandle(CreateFileW(value.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
        else if (startsWith(argument, L"exit=", &value))
            return _wtoi(value.c_str());
        else if (argument == L"crash")
            ExitProcess(EXCEPTION_ACCESS_VIOLATION);
    }
    return 0;
}
