# SPDX-FileCopyrightText: 2026 The Dovrenta developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the installer OUTPUT from the files in STAGE, which holds dovrenta.wxs and the files it
# names; run as `cmake -P` with VERSION, PRODUCT_CODE, UPGRADE_CODE, HOMEPAGE, CONDITION, STAGE
# and OUTPUT defined.
# Built twice from the same files, the installer is the same bytes: the files go into its
# cabinet with the time of SOURCE_DATE_EPOCH (the commit's, from the scripts), wixl writes that
# time into the summary as its creation and save time, and the package code, which wixl would
# draw at random, is derived from the files it holds.
# string(TIMESTAMP) gives the time of SOURCE_DATE_EPOCH where it is set, else the current one.
string(TIMESTAMP epoch "%s" UTC)
string(TIMESTAMP moment "%Y-%m-%d %H:%M:%S" UTC)
file(GLOB files LIST_DIRECTORIES false ${STAGE}/*)
list(SORT files)
set(contents ${VERSION})
foreach(file IN LISTS files)
    execute_process(COMMAND touch --no-dereference --date=@${epoch} ${file}
                    COMMAND_ERROR_IS_FATAL ANY)
    file(SHA256 ${file} hash)
    string(APPEND contents " ${hash}")
endforeach()
string(UUID package_code NAMESPACE ${PRODUCT_CODE} NAME "${contents}" TYPE SHA1 UPPER)

execute_process(
    COMMAND ${CMAKE_COMMAND} -E env TZ=UTC faketime -f "@${moment}"
            wixl --arch x64 -D Version=${VERSION} -D ProductCode=${PRODUCT_CODE}
            -D UpgradeCode=${UPGRADE_CODE} -D Homepage=${HOMEPAGE} -o ${OUTPUT} dovrenta.wxs
    WORKING_DIRECTORY ${STAGE} COMMAND_ERROR_IS_FATAL ANY)
# wixl takes no Condition in a Product, so msibuild adds the launch condition, and gives the
# package its code.
execute_process(COMMAND msibuild ${OUTPUT} -q ${CONDITION} COMMAND_ERROR_IS_FATAL ANY)
execute_process(
    COMMAND msibuild ${OUTPUT} -s "Dovrenta ${VERSION}" "The Dovrenta developers" "x64;1033"
            "{${package_code}}"
    COMMAND_ERROR_IS_FATAL ANY)
