cmake_minimum_required(VERSION 3.25)
# cmake -DOBJDUMP=... -DFORMAT=pei-i386 -DPROGRAM=Locatrix.exe -DBINARIES="a.exe;b.exe" -P CheckShipped.cmake
# What ships, checked without running it: every binary is built for the expected processor
# and imports only DLLs that come with every Windows (the C++ runtime, libgcc and winpthread
# are linked in statically); the window program carries its version block and manifest.
set(system_dlls kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll comctl32.dll msvcrt.dll
                ole32.dll oleaut32.dll shlwapi.dll comdlg32.dll version.dll ws2_32.dll)
foreach(binary IN LISTS PROGRAM BINARIES)
    execute_process(COMMAND ${OBJDUMP} -p ${binary} OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
    if(NOT dump MATCHES "file format ${FORMAT}\n")
        message(FATAL_ERROR "${binary} is not in the ${FORMAT} format")
    endif()
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
    if(binary STREQUAL PROGRAM)
        # Resource types at the top of the resource tree: 16 the version block, 24 the manifest.
        foreach(type 000010 000018)
            if(NOT dump MATCHES "\n[0-9a-f]+   Entry: ID: 0x${type},")
                message(FATAL_ERROR "${binary} has no resource of type 0x${type} (version block or manifest)")
            endif()
        endforeach()
    endif()
endforeach()
