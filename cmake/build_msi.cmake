# cmake -D SOURCE_DIR=... -D PROGRAM=Quorlane.exe -D VERSION=1.0.0 -D MANUFACTURER=...
#       -D EPOCH=seconds -D WORK=dir -D OUTPUT=X.msi -P build_msi.cmake
# Builds the MSI with wixl, then sets with msibuild what wixl does not know. Every date in it,
# those of the files in its cabinet and of its summary, is EPOCH, so that the bytes depend only on
# the inputs.
find_program(wixl wixl REQUIRED)
find_program(msibuild msibuild REQUIRED)
find_program(faketime faketime REQUIRED)

# The same for every version, so that each replaces the one before (a major upgrade); the product
# and package codes follow from it and the version (and commit), never at random.
set(MSI_UPGRADE_CODE CFB0FBEA-C46A-478F-B650-A00D29AC9803)
string(UUID MSI_PRODUCT_CODE NAMESPACE ${MSI_UPGRADE_CODE} NAME "product ${VERSION}" TYPE SHA1 UPPER)
string(UUID MSI_PACKAGE_CODE NAMESPACE ${MSI_UPGRADE_CODE} NAME "package ${VERSION} ${EPOCH}"
       TYPE SHA1 UPPER)
set(MSI_VERSION ${VERSION})
set(MSI_MANUFACTURER ${MANUFACTURER})

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(windows ${SOURCE_DIR}/resources/windows)
file(COPY ${PROGRAM} ${SOURCE_DIR}/resources/Quorlane.ini ${windows}/Readme.txt
          ${windows}/ThirdPartyNotices.txt ${SOURCE_DIR}/resources/quorlane.ico DESTINATION ${WORK})
file(COPY_FILE ${SOURCE_DIR}/LICENSE ${WORK}/License.txt)
configure_file(${windows}/Quorlane.wxs.in ${WORK}/Quorlane.wxs @ONLY)
# Japanese text in the tables needs the database's code page (932), which wixl leaves neutral.
file(WRITE ${WORK}/_ForceCodepage.idt "\r\n\r\n932\t_ForceCodepage\r\n")

# Component attributes: 64-bit 256 (wixl's Win64), Permanent 16, NeverOverwrite 128. An upgrade
# removes the old version before installing the new one; Permanent keeps the administrator's
# Quorlane.ini through that, NeverOverwrite keeps the new sample from replacing it.
set(queries
  "UPDATE Component SET Attributes = 400 WHERE Component = 'Settings'"
  "UPDATE Shortcut SET Description = '会議の経過時間と発生費用を毎秒表示します' WHERE Shortcut = 'StartMenu'"
  "UPDATE LaunchCondition SET Description = 'Quorlane の新しいバージョンがインストールされています。'
   WHERE Condition = 'NOT WIX_DOWNGRADE_DETECTED'")
set(query_options)
foreach(query IN LISTS queries)
  list(APPEND query_options -q "${query}")
endforeach()

file(GLOB staged ${WORK}/*)
execute_process(COMMAND touch -d @${EPOCH} ${staged} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND date -u -d @${EPOCH} "+%Y-%m-%d %H:%M:%S"
                OUTPUT_VARIABLE date OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
# The summary's dates are the clock's: faketime -f holds it at EPOCH for the two tools (without
# -f it would start there and run on, and a build that crosses a second would differ).
set(at_epoch ${CMAKE_COMMAND} -E env TZ=UTC DONT_FAKE_MONOTONIC=1 ${faketime} -f ${date})
file(REMOVE ${OUTPUT})
# wixl notes every attribute it passes over on standard error: shown only when it fails.
execute_process(COMMAND ${at_epoch} ${wixl} -a x64 -o ${OUTPUT} Quorlane.wxs
                WORKING_DIRECTORY ${WORK} OUTPUT_VARIABLE wixl_output ERROR_VARIABLE wixl_output
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "wixl failed:\n${wixl_output}")
endif()
execute_process(COMMAND ${at_epoch} ${msibuild} ${OUTPUT} -i _ForceCodepage.idt ${query_options}
                        -s "Quorlane ${VERSION}" "${MANUFACTURER}" "x64;1041" "{${MSI_PACKAGE_CODE}}"
                WORKING_DIRECTORY ${WORK} COMMAND_ERROR_IS_FATAL ANY)
