# SPDX-FileCopyrightText: 2026 The Dovrenta developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds every target with Debian's hardening flags, as dpkg-buildflags gives them with every
# hardening feature on, and with the two that Debian 13 adds and Debian 12 does not: stack clash
# protection and control-flow protection (-fcf-protection on amd64, branch protection on arm64).
# The build type keeps choosing the optimisation and the debug information, and the top
# CMakeLists.txt maps the build paths itself.
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                            "DEB_CXXFLAGS_MAINT_STRIP=-g -O2" dpkg-buildflags --get ${kind}
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(value UNIX_COMMAND "${value}")
    list(FILTER value EXCLUDE REGEX "^-ffile-prefix-map=")
    set(hardening_${kind} ${value})
endforeach()
execute_process(COMMAND dpkg-architecture -qDEB_HOST_ARCH_CPU
                OUTPUT_VARIABLE cpu OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(extra -fstack-clash-protection)
if(cpu STREQUAL "amd64")
    list(APPEND extra -fcf-protection)
elseif(cpu STREQUAL "arm64")
    list(APPEND extra -mbranch-protection=standard)
endif()
foreach(flag IN LISTS extra)
    if(NOT flag IN_LIST hardening_CXXFLAGS)
        list(APPEND hardening_CXXFLAGS ${flag})
    endif()
endforeach()
add_compile_options(${hardening_CPPFLAGS} ${hardening_CXXFLAGS})
add_link_options(${hardening_LDFLAGS})
