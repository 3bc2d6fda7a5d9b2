# The Windows zip: `cpack -G ZIP` in a Windows build folder writes
# dovrenta-<version>-win64.zip with the program and a short read-me.
configure_file(${CMAKE_CURRENT_LIST_DIR}/readme.txt.in readme.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/readme.txt DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME dovrenta-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
include(CPack)
