# Installation: the program keeps its data beside its executable, so both go into one folder of
# their own, <prefix>/lib/zuzazizo, and <prefix>/bin gets a symbolic link to the executable. The
# program finds its folder through the resolved path of the running executable, not through
# the link. The desktop entry, the icons and the AppStream metainfo go where desktops look.
# Installing needs only the program and its data built, not the tests (cmake --build with
# --target zuzazizo skin_data, as scripts/run.sh does).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(ZUZAZIZO_INSTALL_DIR lib/zuzazizo)
set(ZUZAZIZO_APP_ID net.tessaron.zuzazizo)
set(ZUZAZIZO_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS zuzazizo RUNTIME DESTINATION ${ZUZAZIZO_INSTALL_DIR})
install(FILES ${ZUZAZIZO_BIN_DIR}/Config.ini ${ZUZAZIZO_BIN_DIR}/Readme.txt
        ${ZUZAZIZO_BIN_DIR}/Whatsnew.txt DESTINATION ${ZUZAZIZO_INSTALL_DIR})
install(DIRECTORY ${ZUZAZIZO_BIN_DIR}/Graphics ${ZUZAZIZO_BIN_DIR}/Sound
        DESTINATION ${ZUZAZIZO_INSTALL_DIR})

# A relative link, so that the installed tree still works when it is moved or packaged.
set(ZUZAZIZO_COMMAND_LINK ${CMAKE_BINARY_DIR}/packaging/zuzazizo)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
file(CREATE_LINK ../${ZUZAZIZO_INSTALL_DIR}/zuzazizo ${ZUZAZIZO_COMMAND_LINK} SYMBOLIC)
install(FILES ${ZUZAZIZO_COMMAND_LINK} DESTINATION bin)

install(FILES ${ZUZAZIZO_PACKAGING_DIR}/${ZUZAZIZO_APP_ID}.desktop
        DESTINATION share/applications)
install(FILES ${ZUZAZIZO_PACKAGING_DIR}/${ZUZAZIZO_APP_ID}.metainfo.xml
        DESTINATION share/metainfo)
install(DIRECTORY ${CMAKE_BINARY_DIR}/generated/icons/hicolor DESTINATION share/icons)

# The change log and the manual page are installed compressed, as Debian's tools expect.
foreach(doc changelog zuzazizo.6)
  configure_file(${ZUZAZIZO_PACKAGING_DIR}/${doc} ${CMAKE_BINARY_DIR}/packaging/${doc} COPYONLY)
  execute_process(COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/packaging/${doc})
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz ${ZUZAZIZO_PACKAGING_DIR}/copyright
        DESTINATION share/doc/zuzazizo)
install(FILES ${CMAKE_BINARY_DIR}/packaging/zuzazizo.6.gz DESTINATION share/man/man6)

include(cmake/package.cmake)
