# One interface target carries the language standard, the warnings and the Qt
# definitions that every target of the project shares.
add_library(vantor_options INTERFACE)
target_compile_features(vantor_options INTERFACE cxx_std_20)
target_compile_options(vantor_options INTERFACE -Wall -Wextra -Wpedantic)
if(VANTOR_WERROR)
    target_compile_options(vantor_options INTERFACE -Werror)
endif()
target_compile_definitions(vantor_options INTERFACE
    QT_NO_CAST_TO_ASCII
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_URL_CAST_FROM_STRING
    QT_USE_QSTRINGBUILDER
    QT_DISABLE_DEPRECATED_UP_TO=0x060000
    VANTOR_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
    VANTOR_VERSION_MINOR=${PROJECT_VERSION_MINOR}
    VANTOR_VERSION_PATCH=${PROJECT_VERSION_PATCH})
if(VANTOR_SANITIZE)
    target_compile_options(vantor_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(vantor_options INTERFACE -fsanitize=address,undefined)
endif()
target_include_directories(vantor_options INTERFACE ${PROJECT_SOURCE_DIR})

# vantor_test(NAME SOURCES... LIBS ...): one Qt Test executable per test file,
# registered with CTest and run on the offscreen platform.
function(vantor_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE vantor_options vantor_testsupport Qt6::Test ${ARG_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        # The user's desktop folders point into the build tree, so that a test
        # registering the file type or saving settings leaves the real ones alone.
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;ASAN_OPTIONS=detect_leaks=0;XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-home/share;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-home/config"
        TIMEOUT 300)
endfunction()

# Installed folders are rwxr-xr-x whatever the umask of the build.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# vantor_install_program(TARGET): installs a program into the program folder
# beside its data files and links it from bin/. The link is relative
# (../lib/vantor/TARGET), so it holds under any --prefix, DESTDIR and in a package.
function(vantor_install_program target)
    install(TARGETS ${target} RUNTIME DESTINATION ${VANTOR_INSTALL_DIR})
    file(RELATIVE_PATH link /${CMAKE_INSTALL_BINDIR} /${VANTOR_INSTALL_DIR}/${target})
    install(CODE "set(bindir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
        file(MAKE_DIRECTORY \"\${bindir}\")
        file(CREATE_LINK \"${link}\" \"\${bindir}/${target}\" SYMBOLIC)")
endfunction()
