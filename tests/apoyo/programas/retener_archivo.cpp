// ph-retener-archivo RUTA exclusivo|compartido
//
// Holds a file open the way another program holding a table does, until its standard
// input closes: with an advisory lock (flock) on POSIX, with the handle's share mode on
// Windows (exclusivo shares nothing; compartido lets others read and write). Prints "S"
// once it holds the file, "N" and ends with 1 when it cannot.
#include <cstdio>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fputs("uso: ph-retener-archivo RUTA exclusivo|compartido\n", stderr);
        return 2;
    }
    const bool exclusivo = std::wcscmp(argv[2], L"exclusivo") == 0;
    HANDLE h = CreateFileW(argv[1], GENERIC_READ, exclusivo ? 0 : (FILE_SHARE_READ | FILE_SHARE_WRITE), nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        std::printf("N\n");
        return 1;
    }
#else
int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("uso: ph-retener-archivo RUTA exclusivo|compartido\n", stderr);
        return 2;
    }
    const bool exclusivo = std::strcmp(argv[2], "exclusivo") == 0;
    int fd = open(argv[1], O_RDONLY);
    if (fd < 0 || flock(fd, (exclusivo ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0) {
        std::printf("N\n");
        return 1;
    }
#endif
    std::printf("S\n");
    std::fflush(stdout);
    char buf[64];
    while (std::fread(buf, 1, sizeof buf, stdin) > 0) {
    }  // until the test lets go
    return 0;
}
