# Applies PLIVANT_SANITIZE to every target of the project.
if(PLIVANT_SANITIZE)
    list(JOIN PLIVANT_SANITIZE "," _plivant_sanitizers)
    add_compile_options(-fsanitize=${_plivant_sanitizers} -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=${_plivant_sanitizers})
    if("thread" IN_LIST PLIVANT_SANITIZE)
        add_compile_definitions(PLIVANT_TSAN=1)
    endif()
endif()

# Fuzzing builds instrument every target for coverage; the fuzz targets add libFuzzer's main.
if(PLIVANT_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
