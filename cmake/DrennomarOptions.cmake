# Compiler settings shared by every target of the project.

# drennomar_target_defaults(<target>): warnings, sanitizers and the project's
# include root for one target.
function(drennomar_target_defaults target)
  target_include_directories(${target} PUBLIC "${PROJECT_SOURCE_DIR}")
  if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    # g++ 12 at -O2 sees an overlapping copy in std::string's operator+ that
    # is not there (GCC bug 105329); later compilers keep the check.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
      target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
    if(DRENNOMAR_WARNINGS_AS_ERRORS)
      target_compile_options(${target} PRIVATE -Werror)
    endif()
  endif()
  if(DRENNOMAR_SANITIZE)
    # g++'s "undefined" leaves out the float-cast check; name it explicitly.
    set(_sanitize -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all
                  -fno-omit-frame-pointer)
    target_compile_options(${target} PRIVATE ${_sanitize})
    target_link_options(${target} PRIVATE ${_sanitize})
  endif()
  if(DRENNOMAR_BUILD_FUZZERS)
    # Coverage for the fuzzing engine everywhere; the engine's own main is
    # linked only into the fuzz programs (fuzz/CMakeLists.txt).
    set(_fuzz -fsanitize=fuzzer-no-link,address,undefined,float-cast-overflow
              -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_compile_options(${target} PRIVATE ${_fuzz}
      "-fsanitize-coverage-ignorelist=${PROJECT_SOURCE_DIR}/fuzz/coverage_ignore.txt")
    target_link_options(${target} PRIVATE ${_fuzz})
  endif()
endfunction()

if(DRENNOMAR_BUILD_FUZZERS AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "DRENNOMAR_BUILD_FUZZERS needs clang (the fuzz preset sets it)")
endif()
