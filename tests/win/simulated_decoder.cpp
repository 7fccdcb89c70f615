// The Wine tests' handle on decoder-sim. Wine starts a Unix program through
// CreateProcessA but hands back no process handle, so the simulator is told
// to quit, and limited in its lifetime should a test die first.
#include "simulated_decoder.h"

#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <vector>

namespace {

std::string windows_path(const std::string &unix_path)
{
    std::string path = "Z:" + unix_path;
    for (char &c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path;
}

// Files of this process alone: a simulator left by a test that died cannot
// answer for this one.
std::string process_files(const std::string &link)
{
    return link + "." + std::to_string(GetCurrentProcessId());
}

std::string simulator_path(void)
{
    const char *path = getenv("RACETIMER_DECODER_SIM");
    return path && *path ? path : DECODER_SIM_PATH;
}

}  // namespace

double now_ms(void)
{
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

std::string mapped_port_path(const char *port)
{
    char path[MAX_PATH] = "";
    DWORD size = sizeof path - 1;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Wine\\Ports", 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS) {
        return "";
    }
    DWORD type = 0;
    LONG result = RegQueryValueExA(key, port, 0, &type, reinterpret_cast<BYTE *>(path), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS && type == REG_SZ ? std::string(path) : std::string();
}

SimulatedDecoder::SimulatedDecoder(const char *port, const std::string &options)
{
    link_ = mapped_port_path(port);
    if (link_.empty()) {
        failure_ = std::string(port) + " is not mapped in this prefix: run tools/wine/map-com-port";
        return;
    }
    files_ = process_files(link_);
    DeleteFileA(windows_path(files_ + ".status").c_str());
    std::string command_line = "\"" + simulator_path() + "\" --detach --lifetime 150 --link \"" +
                               link_ + "\" --control \"" + files_ + ".ctl\" --status \"" + files_ +
                               ".status\" --log \"" + link_ + ".log\" " + options;
    STARTUPINFOA startup;
    PROCESS_INFORMATION process;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    ZeroMemory(&process, sizeof process);
    std::vector<char> writable(command_line.begin(), command_line.end());
    writable.push_back('\0');
    if (!CreateProcessA(NULL, writable.data(), NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
        failure_ = "cannot start " + simulator_path();
        return;
    }
    if (process.hProcess) {
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    if (!wait_for("running", 1, 5000)) {
        failure_ = "no simulator running on " + link_ + " (see " + link_ + ".log)";
    }
}

SimulatedDecoder::~SimulatedDecoder()
{
    if (files_.empty()) {
        return;
    }
    command("quit");
    double end = now_ms() + 3000;
    while (value("running") == "1" && now_ms() < end) {
        Sleep(5);
    }
    DeleteFileA(windows_path(files_ + ".status").c_str());
    DeleteFileA(windows_path(files_ + ".scenario").c_str());
}

void SimulatedDecoder::command(const std::string &line)
{
    HANDLE control = CreateFileA(windows_path(files_ + ".ctl").c_str(), GENERIC_WRITE, 0, NULL,
                                 OPEN_EXISTING, 0, NULL);
    if (control == INVALID_HANDLE_VALUE) {
        return;
    }
    std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(control, text.data(), static_cast<DWORD>(text.size()), &written, NULL);
    CloseHandle(control);
}

std::string SimulatedDecoder::value(const char *key) const
{
    FILE *file = fopen(windows_path(files_ + ".status").c_str(), "rb");
    if (file == 0) {
        return "";
    }
    std::string found;
    char line[9000];
    const size_t length = strlen(key);
    while (fgets(line, sizeof line, file) != 0) {
        if (strncmp(line, key, length) == 0 && line[length] == ' ') {
            found = line + length + 1;
            found.erase(found.find_last_not_of("\r\n") + 1);
            break;
        }
    }
    fclose(file);
    return found;
}

long long SimulatedDecoder::count(const char *key) const
{
    return atoll(value(key).c_str());
}

bool SimulatedDecoder::wait_for(const char *key, long long at_least, int timeout_ms) const
{
    double end = now_ms() + timeout_ms;
    while (now_ms() < end) {
        if (count(key) >= at_least) {
            return true;
        }
        Sleep(2);
    }
    return false;
}

std::string write_scenario_file(const char *port, const std::string &text)
{
    std::string path = process_files(mapped_port_path(port)) + ".scenario";
    FILE *file = fopen(windows_path(path).c_str(), "wb");
    if (file == 0) {
        return "";
    }
    fwrite(text.data(), 1, text.size(), file);
    fclose(file);
    return path;
}
