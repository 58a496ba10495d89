# make install: the game, its generated data, the icon, the desktop entry and the AppStream
# metadata, in the usual places under the prefix (DESTDIR honoured by cmake --install).
install(TARGETS zem RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(ZEM_ASSETS)
  # The stage compiler, for players' own stages.
  install(TARGETS zem-stage RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${ZEM_RUN_DIR}/TitleMap.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/zem)
  install(DIRECTORY ${ZEM_RUN_DIR}/Resource DESTINATION ${CMAKE_INSTALL_DATADIR}/zem
          PATTERN .generated EXCLUDE)
endif()

set(ZEM_METAINFO ${CMAKE_BINARY_DIR}/packaging/${ZEM_APP_ID}.metainfo.xml)
configure_file(${CMAKE_CURRENT_LIST_DIR}/${ZEM_APP_ID}.metainfo.xml.in ${ZEM_METAINFO} @ONLY)
install(FILES ${ZEM_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${ZEM_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/zem.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${ZEM_APP_ID}.svg)
