// A screen reader's view from outside: reads the accessible names of a window's children in
// another process, as screen readers do, and writes them to a file.
//   read_accessible_names.exe WINDOW-HANDLE OUTPUT-FILE
#include "tests/app/AccessibleNames.h"
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: read_accessible_names WINDOW-HANDLE OUTPUT-FILE\n");
        return 2;
    }
    HWND window = reinterpret_cast<HWND>(static_cast<INT_PTR>(std::strtoll(argv[1], nullptr, 0)));
    if (!::IsWindow(window))
    {
        std::fprintf(stderr, "read_accessible_names: %s is no window\n", argv[1]);
        return 1;
    }
    ::CoInitialize(nullptr);
    const std::string lines = FormatAccessibleControls(ReadAccessibleControls(window));
    ::CoUninitialize();
    FILE* output = std::fopen(argv[2], "wb");
    if (!output || std::fwrite(lines.data(), 1, lines.size(), output) != lines.size() || std::fclose(output) != 0)
    {
        std::fprintf(stderr, "read_accessible_names: could not write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
