#include <winsock2.h>
#include <ws2tcpip.h>

#include <map>
#include <mutex>

#include "testing/wine/site_standin_win32.h"

namespace {

const std::string kNotFound = "<html><head><title>404 Not Found</title></head><body><h1>Not Found</h1></body></html>";

SOCKET g_listener = INVALID_SOCKET;
HANDLE g_thread = nullptr;
unsigned short g_port = 0;
std::mutex g_lock;
std::map<std::string, std::string> g_files;
std::vector<std::string> g_requests;

void Answer(SOCKET client) {
    std::string request;
    char buffer[2048];
    for (int got = 0; request.find("\r\n\r\n") == std::string::npos; request.append(buffer, static_cast<size_t>(got)))
        if ((got = recv(client, buffer, sizeof buffer, 0)) <= 0) break;
    const size_t start = request.find(' ') + 1, end = request.find(' ', start);
    const std::string path = start > 0 && end != std::string::npos ? request.substr(start, end - start) : "";
    std::string body = kNotFound, status = "404 Not Found";
    {
        const std::lock_guard<std::mutex> hold(g_lock);
        g_requests.push_back(path);
        if (const auto file = g_files.find(path); file != g_files.end()) body = file->second, status = "200 OK";
    }
    const std::string response = "HTTP/1.1 " + status + "\r\nContent-Length: " + std::to_string(body.size()) +
                                 "\r\nCache-Control: no-store\r\nConnection: close\r\n\r\n" + body;
    for (size_t sent = 0; sent < response.size();) {
        const int now = send(client, response.data() + sent, static_cast<int>(response.size() - sent), 0);
        if (now <= 0) break;
        sent += static_cast<size_t>(now);
    }
    shutdown(client, SD_SEND);
    closesocket(client);
}

DWORD WINAPI Serve(void*) {
    for (SOCKET client; (client = accept(g_listener, nullptr, nullptr)) != INVALID_SOCKET;) Answer(client);
    return 0;
}

}  // namespace

bool SiteStart() {
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return false;
    g_listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof address;
    if (g_listener == INVALID_SOCKET || bind(g_listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(g_listener, 8) != 0 || getsockname(g_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return false;
    g_port = ntohs(address.sin_port);
    g_thread = CreateThread(nullptr, 0, Serve, nullptr, 0, nullptr);
    return g_thread != nullptr;
}

void SiteStop() {
    closesocket(g_listener);
    g_listener = INVALID_SOCKET;
    if (g_thread != nullptr) WaitForSingleObject(g_thread, 5000), CloseHandle(g_thread);
    g_thread = nullptr;
    WSACleanup();
}

std::wstring SiteAddress() { return L"http://127.0.0.1:" + std::to_wstring(g_port); }

void SiteServe(const std::string& path, const std::string& bytes) {
    const std::lock_guard<std::mutex> hold(g_lock);
    if (bytes.empty()) g_files.erase(path);
    else g_files[path] = bytes;
}

std::vector<std::string> SiteRequests() {
    const std::lock_guard<std::mutex> hold(g_lock);
    return g_requests;
}
