cmake_minimum_required(VERSION 3.25)
# cmake -DOBJDUMP=... -DBINARIES="a.exe;b.exe" -P CheckImports.cmake
# Every DLL a shipped program imports must come with every Windows: the C++ runtime, libgcc
# and winpthread are linked in statically, never imported.
set(system_dlls kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll comctl32.dll msvcrt.dll
                ole32.dll oleaut32.dll shlwapi.dll comdlg32.dll version.dll ws2_32.dll)
foreach(binary IN LISTS BINARIES)
    execute_process(COMMAND ${OBJDUMP} -p ${binary} OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${dump}")
    if(NOT imports)
        message(FATAL_ERROR "${binary}: no imports found")
    endif()
    foreach(line IN LISTS imports)
        string(REGEX REPLACE "^DLL Name: *([^ ]+) *$" "\\1" dll "${line}")
        string(TOLOWER "${dll}" dll)
        if(NOT dll IN_LIST system_dlls)
            message(FATAL_ERROR "${binary} imports ${dll}, which not every Windows has")
        endif()
    endforeach()
endforeach()
