# SPDX-FileCopyrightText: 2026 The Dovrenta developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows downloads: `cpack -G ZIP` in a Windows build folder writes
# dovrenta-<version>-win64.zip, and the target `installer` writes the per-user installer
# dovrenta-<version>-win64.msi beside it. Both hold the program, a short read-me, the program's
# licence, Qt's licence and the notices of the third-party software built into the program.
# The read-me names the Debian source package that the static Qt was built from.
file(STRINGS ${QT6_INSTALL_PREFIX}/share/attributions/source.txt DOVRENTA_QT_SOURCE LIMIT_COUNT 1)
configure_file(${CMAKE_CURRENT_LIST_DIR}/readme.txt.in readme.txt @ONLY NEWLINE_STYLE CRLF)

# The notices are made from the link map: exactly the libraries that the linker took into the
# program, with what the static Qt kept of its components' attribution files.
set(DOVRENTA_LINK_MAP ${CMAKE_BINARY_DIR}/dovrenta.map)
target_link_options(dovrenta PRIVATE -Wl,-Map=${DOVRENTA_LINK_MAP})
set(DOVRENTA_NOTICES ${CMAKE_BINARY_DIR}/NOTICES.txt)
# The preset names Debian's Python, which the build's record lists, so that no other python3
# first on the PATH writes the notices.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(OUTPUT ${DOVRENTA_NOTICES}
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/notices/notices.py
            ${DOVRENTA_LINK_MAP} ${QT6_INSTALL_PREFIX} ${Qt6_VERSION} dovrenta.exe
            ${DOVRENTA_NOTICES} ${PROJECT_BINARY_DIR}
    DEPENDS dovrenta ${PROJECT_SOURCE_DIR}/tools/notices/notices.py
    VERBATIM)
add_custom_target(notices ALL DEPENDS ${DOVRENTA_NOTICES})
file(GLOB DOVRENTA_QT_LICENCE ${QT6_INSTALL_PREFIX}/share/attributions/licenses/LGPL-3.0*)
set(DOVRENTA_TEXTS ${CMAKE_CURRENT_BINARY_DIR}/readme.txt ${DOVRENTA_NOTICES})
install(FILES ${DOVRENTA_TEXTS} DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/COPYING DESTINATION . RENAME COPYING.txt)
install(FILES ${DOVRENTA_QT_LICENCE} DESTINATION . RENAME LGPL-3.0.txt)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME dovrenta-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
include(CPack)

# Names every version of the installed program as the same product, so that a newer installer
# replaces an older one: it must never change. Each version gets its own product code, derived
# from this one, so that another build of an installed version is refused instead of being
# installed beside it.
set(DOVRENTA_UPGRADE_CODE CC783FC5-FCF9-4337-AB33-2E677265EE3F)

# The launch condition that refuses a Windows older than Windows 10, version 1809, on the build
# number that dovrenta.wxs reads; wixl takes no Condition in a Product, so msibuild adds it. A
# product already installed can always be removed.
set(DOVRENTA_WINDOWS_CONDITION "INSERT INTO `LaunchCondition` (`Condition`, `Description`) \
VALUES ('Installed OR WINDOWSBUILDNUMBER >= 17763', \
'Dovrenta needs Windows 10, version 1809, or later.')")

# wixl finds the files the installer holds only by names relative to its working folder, so
# they are copied into one folder first.
function(dovrenta_add_installer target version output)
    string(UUID product_code NAMESPACE ${DOVRENTA_UPGRADE_CODE} NAME ${version} TYPE SHA1 UPPER)
    set(stage ${CMAKE_CURRENT_BINARY_DIR}/${target})
    set(wxs ${CMAKE_CURRENT_LIST_DIR}/dovrenta.wxs)
    set(icon ${PROJECT_SOURCE_DIR}/resources/icon.ico)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}
        COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:dovrenta> ${icon} ${wxs}
                ${DOVRENTA_TEXTS} ${stage}
        COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/COPYING ${stage}/COPYING.txt
        COMMAND ${CMAKE_COMMAND} -E copy ${DOVRENTA_QT_LICENCE} ${stage}/LGPL-3.0.txt
        COMMAND ${CMAKE_COMMAND} -DVERSION=${version} -DPRODUCT_CODE=${product_code}
                -DUPGRADE_CODE=${DOVRENTA_UPGRADE_CODE} -DHOMEPAGE=${PROJECT_HOMEPAGE_URL}
                -DCONDITION=${DOVRENTA_WINDOWS_CONDITION} -DSTAGE=${stage} -DOUTPUT=${output}
                -P ${CMAKE_CURRENT_LIST_DIR}/installer.cmake
        DEPENDS dovrenta notices ${wxs} ${icon} ${CMAKE_CURRENT_LIST_DIR}/installer.cmake
                ${DOVRENTA_TEXTS}
        VERBATIM)
    add_custom_target(${target} DEPENDS ${output})
endfunction()
dovrenta_add_installer(installer ${PROJECT_VERSION}
                       ${CMAKE_BINARY_DIR}/dovrenta-${PROJECT_VERSION}-win64.msi)
if(BUILD_TESTING)
    # The same program as a later version, for the test that an upgrade replaces it.
    dovrenta_add_installer(installer_newer ${PROJECT_VERSION}.1
                           ${CMAKE_BINARY_DIR}/tests/smoke/dovrenta-newer.msi)
endif()
