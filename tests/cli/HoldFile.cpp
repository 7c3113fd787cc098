// Holds a file open as another program might, reading and sharing neither writing nor deletion
// (with --share-delete sharing deletion, as viewers do), says "held" and keeps it until its
// standard input ends: hold_file [--share-delete] FILE
#include <windows.h>
#include <cstdio>
#include <memory>
#include <string>
#include <type_traits>

int main(int argc, char** argv)
{
    const bool shareDelete = argc == 3 && std::string(argv[1]) == "--share-delete";
    if (argc != 2 + shareDelete) {
        std::fputs("usage: hold_file [--share-delete] FILE\n", stderr);
        return 2;
    }
    const char* path = argv[argc - 1];
    const DWORD sharing = FILE_SHARE_READ | (shareDelete ? FILE_SHARE_DELETE : 0);
    const std::unique_ptr<std::remove_pointer_t<HANDLE>, decltype(&::CloseHandle)> file(
        ::CreateFileA(path, GENERIC_READ, sharing, nullptr, OPEN_EXISTING, 0, nullptr), &::CloseHandle);
    if (file.get() == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "hold_file: cannot open %s: error %lu\n", path, ::GetLastError());
        return 1;
    }
    std::puts("held");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}
