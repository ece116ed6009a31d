# `cmake --install build --prefix DIR`: the usual Linux desktop layout.
#   bin/                          the workstation, twdata and TarnwickDiff.exe
#   lib/tarnwick/                 the module plug-in and the libraries it shares
#                                 with the programs (private to them, so not in
#                                 the system's library folder), and
#                                 twdata-session, which twdata runs project
#                                 commands in
#   share/tarnwick/conf/          the shared rule files
#   share/tarnwick/samples/       the sample project a first start copies
#   share/applications/           the desktop entry
#   share/icons/hicolor/          the program's icon
# The programs find all of it relative to their own folder, so the tree can be
# installed under any prefix and moved.
include(GNUInstallDirs)

set(TW_INSTALL_PRIVATE_LIBDIR lib/tarnwick)

install(TARGETS tarnwick-workstation twdata tarnwickdiff RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# twdata becomes this program for the commands on a project.
install(TARGETS twdata-session RUNTIME DESTINATION ${TW_INSTALL_PRIVATE_LIBDIR})
install(TARGETS twplatform twhost guidataset LIBRARY DESTINATION ${TW_INSTALL_PRIVATE_LIBDIR})
install(FILES ${PROJECT_SOURCE_DIR}/host/netutil/conf/fix_CliShowIfCmdRule.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/tarnwick/conf)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/samples/sample-project
        DESTINATION ${CMAKE_INSTALL_DATADIR}/tarnwick/samples)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/tarnwick-workstation.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/tarnwick-workstation.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
