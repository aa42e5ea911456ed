# The hardening that Debian's own packages are built with: checked buffer functions, stack
# protector and stack clash protection, a read-only relocation table bound at start-up, and
# a position-independent executable.
if(CADDORA_HARDEN)
    include(CheckPIESupported)
    check_pie_supported(LANGUAGES CXX)
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    add_compile_definitions(_FORTIFY_SOURCE=2)
    add_compile_options(-fstack-protector-strong -fstack-clash-protection)
    add_link_options(LINKER:-z,relro,-z,now)
endif()
