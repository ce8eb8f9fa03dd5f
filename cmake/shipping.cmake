# The version every shipped file carries (res/version.h.in) and the
# applet's manifest, made from the project's version; an .rc file that
# includes version_info.rc takes VYR_VERSION_INCLUDE_DIRS.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(VYR_MANIFEST_ARCHITECTURE x86)
else()
    set(VYR_MANIFEST_ARCHITECTURE amd64)
endif()
configure_file(res/version.h.in version/version.h @ONLY)
configure_file(res/applet.manifest.in version/applet.manifest @ONLY)
set(VYR_VERSION_INCLUDE_DIRS ${CMAKE_SOURCE_DIR}/res ${CMAKE_BINARY_DIR}/version)

# A file that ships is stripped after linking; its debug information moves
# to FILE.debug beside it, which a debugger finds through the debug link
# that the stripped file keeps. Test programs keep theirs inline.
function(vyr_ship target)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE_NAME:${target}> $<TARGET_FILE_NAME:${target}>.debug
        COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=$<TARGET_FILE_NAME:${target}>.debug
                $<TARGET_FILE_NAME:${target}>
        WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
        VERBATIM)
    install(FILES $<TARGET_FILE:${target}> DESTINATION . COMPONENT applet)
    install(FILES $<TARGET_FILE:${target}>.debug DESTINATION . COMPONENT debug)
endfunction()

# The applet and the library throw and catch nothing. Compiled without
# exception tables, the linker drops the functions that nothing calls: an
# object's one unwind table would otherwise keep every function it lists.
# A failed allocation still ends the process, as it did uncaught.
# 64-bit Windows needs every function's unwind data to walk the stack;
# 32-bit Windows does not.
function(vyr_without_exceptions target)
    target_compile_options(${target} PRIVATE -fno-exceptions)
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        target_compile_options(${target} PRIVATE -fno-asynchronous-unwind-tables)
    endif()
endfunction()

# An uncaught exception ends the process through abort(), as the C++
# library's default handler does once it has printed the exception's type
# to a standard error that a Control Panel process does not have: that
# handler's name demangler alone would be a seventh of the applet.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(VYR_SYMBOL_PREFIX _)
endif()
function(vyr_quiet_terminate target)
    target_link_options(${target} PRIVATE
        -Wl,--defsym,${VYR_SYMBOL_PREFIX}_ZN9__gnu_cxx27__verbose_terminate_handlerEv=${VYR_SYMBOL_PREFIX}abort)
endfunction()
