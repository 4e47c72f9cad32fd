# Warning and sanitizer settings shared by every target of the project.
add_library(dividir_compiler_options INTERFACE)
target_compile_options(dividir_compiler_options INTERFACE -Wall -Wextra -Wpedantic)
if(DIVIDIR_WERROR)
  target_compile_options(dividir_compiler_options INTERFACE -Werror)
endif()
if(DIVIDIR_SANITIZE)
  target_compile_options(dividir_compiler_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(dividir_compiler_options INTERFACE -fsanitize=address,undefined)
endif()
