# Installing, and the packages made from it: a Debian package with the
# program, its man page, its copyright and changelog, or for Windows a .zip
# of the program with a short text on its use and the licence.
include(GNUInstallDirs)

# Compresses `source` into `target` as Debian wants its documents: at the
# highest level, without the file's name or time in the header, so that
# every build makes the same bytes. Without gzip the plain file is used.
find_program(MEAL_GZIP gzip)
function(meal_gzip source target result)
  if(MEAL_GZIP)
    execute_process(COMMAND "${MEAL_GZIP}" -n -9 -c "${source}" OUTPUT_FILE "${target}"
                    COMMAND_ERROR_IS_FATAL ANY)
    set(${result} "${target}" PARENT_SCOPE)
  else()
    set(${result} "${source}" PARENT_SCOPE)
  endif()
endfunction()

if(WIN32)
  install(TARGETS meal-recommender RUNTIME DESTINATION .)
  # Notepad shows LF-only text as one long line.
  configure_file(packaging/README-windows.txt.in README.txt @ONLY NEWLINE_STYLE CRLF)
  configure_file(LICENSE LICENSE.txt COPYONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt
          DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(CPACK_SYSTEM_NAME win64)
  else()
    set(CPACK_SYSTEM_NAME win32)
  endif()
else()
  install(TARGETS meal-recommender RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # A stripped install also drops the sections that only name the compiler,
  # as Debian's own packaging tools do.
  if(CMAKE_OBJCOPY AND NOT APPLE)
    install(CODE "
      if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
          --remove-section=.note
          \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/meal-recommender\"
          COMMAND_ERROR_IS_FATAL ANY)
      endif()")
  endif()
  configure_file(man/meal-recommender.1.in meal-recommender.1 @ONLY)
  meal_gzip(${CMAKE_CURRENT_BINARY_DIR}/meal-recommender.1
            ${CMAKE_CURRENT_BINARY_DIR}/meal-recommender.1.gz man_page)
  install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  configure_file(packaging/changelog.in changelog @ONLY)
  meal_gzip(${CMAKE_CURRENT_BINARY_DIR}/changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
            changelog)
  install(FILES packaging/copyright ${changelog} DESTINATION ${CMAKE_INSTALL_DOCDIR})
  set(CPACK_GENERATOR DEB)
endif()

set(CPACK_PACKAGE_NAME meal-recommender)
set(CPACK_PACKAGE_CONTACT
    "meal-recommender maintainers <maintainers@users.noreply.c-seed-03cc55aa.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "recommends one dish for today's meal")
set(CPACK_PACKAGE_DESCRIPTION "An interactive console program in Korean that asks where you are
(Seoul, Busan or Incheon) and which kind of food you want (Western, Chinese
or Korean), then names one dish of that kind, drawn at random.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
if(CMAKE_CROSSCOMPILING)
  # The package is for the target's Debian architecture, not the build
  # machine's, which is what CPack would ask dpkg for.
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -dumpmachine
                  OUTPUT_VARIABLE target_triple OUTPUT_STRIP_TRAILING_WHITESPACE)
  execute_process(COMMAND dpkg-architecture -t${target_triple} -qDEB_HOST_ARCH
                  OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE
                  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  # dpkg-shlibdeps knows only the build machine's own libraries. Every
  # glibc program needs 2.34 for its start-up code, and the 64-bit time
  # functions of the 32-bit systems arrived in the same release.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6 (>= 2.34)")
else()
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
include(CPack)
