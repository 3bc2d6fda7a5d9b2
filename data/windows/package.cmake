# SPDX-FileCopyrightText: 2026 The Dovrenta developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows downloads: `cpack -G ZIP` in a Windows build folder writes
# dovrenta-<version>-win64.zip with the program and a short read-me, and the target `installer`
# writes the per-user installer dovrenta-<version>-win64.msi beside it.
configure_file(${CMAKE_CURRENT_LIST_DIR}/readme.txt.in readme.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/readme.txt DESTINATION .)
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
    file(MAKE_DIRECTORY ${stage})
    set(wxs ${CMAKE_CURRENT_LIST_DIR}/dovrenta.wxs)
    set(icon ${PROJECT_SOURCE_DIR}/resources/icon.ico)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:dovrenta> ${icon} ${wxs} ${stage}
        COMMAND wixl --arch x64 -D Version=${version} -D ProductCode=${product_code}
                -D UpgradeCode=${DOVRENTA_UPGRADE_CODE} -D Homepage=${PROJECT_HOMEPAGE_URL}
                -o ${output} dovrenta.wxs
        COMMAND msibuild ${output} -q ${DOVRENTA_WINDOWS_CONDITION}
        WORKING_DIRECTORY ${stage}
        DEPENDS dovrenta ${wxs} ${icon}
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
