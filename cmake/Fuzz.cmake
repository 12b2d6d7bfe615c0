# libFuzzer build: every library and target is instrumented for coverage and checked by
# AddressSanitizer and UndefinedBehaviorSanitizer; only the fuzz executables link the
# fuzzer's main (fuzz/CMakeLists.txt). Needs clang: CXX=clang++.
if(QUILBEX_BUILD_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "QUILBEX_BUILD_FUZZ needs clang (configure with CXX=clang++)")
    endif()
    if(QUILBEX_SANITIZE)
        message(FATAL_ERROR "QUILBEX_BUILD_FUZZ brings its own sanitizers; leave QUILBEX_SANITIZE empty")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
