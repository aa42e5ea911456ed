# The Windows program for the player: a ZIP archive with caddora.exe, which needs no DLL beside
# it, the licence and a short read-me; and, where NSIS is installed (Debian's nsis), an
# installer that puts Caddora in the Start menu and can take it away again.
#   cmake --build --preset windows --target package
#     ->  build/windows/Caddora-<version>-win64.zip (and Caddora-<version>-win64.exe)
install(TARGETS caddora RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${PROJECT_SOURCE_DIR}/dist/windows/README.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
find_program(CADDORA_MAKENSIS makensis)
if(CADDORA_MAKENSIS)
    list(APPEND CPACK_GENERATOR NSIS)
endif()
set(CPACK_PACKAGE_NAME Caddora)
set(CPACK_PACKAGE_VENDOR Holverra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME win64)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "golf club advisor for the distance to the target")
set(CPACK_STRIP_FILES ON)

# The installer: into Program Files\Caddora, a Start menu entry named Caddora, the licence to
# accept, and an entry under the installed programs that removes it again. The player's
# table and settings stay (they are in the roaming folder and the registry).
set(CPACK_PACKAGE_INSTALL_DIRECTORY Caddora)
set(CPACK_PACKAGE_EXECUTABLES caddora Caddora)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_NSIS_DISPLAY_NAME Caddora)
set(CPACK_NSIS_PACKAGE_NAME Caddora)
set(CPACK_NSIS_INSTALLED_ICON_NAME caddora.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/src/res/images/icon128.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/src/res/images/icon128.ico)
set(CPACK_NSIS_URL_INFO_ABOUT https://www.holverra.example/)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
include(CPack)
