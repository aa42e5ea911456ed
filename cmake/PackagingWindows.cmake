# The Windows program as a ZIP archive for the player: caddora.exe, which needs no DLL beside
# it, the licence and a short read-me.
#   cmake --build --preset windows --target package  ->  build/windows/Caddora-<version>-win64.zip
install(TARGETS caddora RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${PROJECT_SOURCE_DIR}/dist/windows/README.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Caddora)
set(CPACK_PACKAGE_VENDOR Holverra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME win64)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "golf club advisor for the distance to the target")
set(CPACK_STRIP_FILES ON)
include(CPack)
