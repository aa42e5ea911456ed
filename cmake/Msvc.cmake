# Visual C++ (a native Windows build) takes options of its own in place of GCC's and Clang's:
# sources are UTF-8, and the standard conformance those compilers give by default.
if(MSVC)
    set_property(DIRECTORY PROPERTY COMPILE_OPTIONS /W4 /permissive- /utf-8 /Zc:__cplusplus)
    set_property(DIRECTORY PROPERTY LINK_OPTIONS "")
    if(CADDORA_WERROR)
        add_compile_options(/WX)
    endif()
    if(CADDORA_SANITIZE)
        add_compile_options(/fsanitize=address)
    endif()
endif()
