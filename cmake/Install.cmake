# The installed layout, the same for `cmake --install` with any prefix and for
# the Debian package (prefix /usr):
#   bin/vellumar, bin/vellumar-cli        links into the program folder
#   lib/vellumar/                         the program folder: programs, bundled
#                                         dictionaries, help pages
#   share/applications, share/icons/hicolor, share/metainfo, share/man/man1,
#   share/doc/vellumar                    desktop entry, icons, AppStream data,
#                                         manual pages, copyright and changelog
# The program folder gets no portable marker: an installed program keeps the
# user's files in the user's folders and never writes into its own.

set(VELLUMAR_PROGRAM_FOLDER lib/vellumar)
# The AppStream component id, in reverse-DNS form of the product's domain.
set(VELLUMAR_APP_ID org.example.vellumar)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(installed_programs vellumar-cli)
if(TARGET vellumar)
  list(APPEND installed_programs vellumar)
endif()
install(TARGETS ${installed_programs} RUNTIME DESTINATION ${VELLUMAR_PROGRAM_FOLDER})
if(TARGET vellumar_dictionaries)
  install(FILES ${VELLUMAR_BIN_DIR}/spelling.dic ${VELLUMAR_BIN_DIR}/synonyms.dic
          DESTINATION ${VELLUMAR_PROGRAM_FOLDER})
endif()
if(TARGET vellumar_help)
  install(DIRECTORY ${VELLUMAR_BIN_DIR}/help/ DESTINATION ${VELLUMAR_PROGRAM_FOLDER}/help)
endif()

# Manual pages and the changelog, compressed as Debian wants them (no name or
# time stamp in the gzip header, so that builds are reproducible).
set(VELLUMAR_DOC_BUILD_DIR ${CMAKE_BINARY_DIR}/doc)
set(compressed_docs)
foreach(page vellumar vellumar-cli)
  configure_file(data/man/${page}.1.in ${VELLUMAR_DOC_BUILD_DIR}/${page}.1 @ONLY)
  list(APPEND compressed_docs ${page}.1)
endforeach()
configure_file(data/changelog ${VELLUMAR_DOC_BUILD_DIR}/changelog COPYONLY)
list(APPEND compressed_docs changelog)
set(compressed_outputs)
foreach(doc ${compressed_docs})
  add_custom_command(OUTPUT ${VELLUMAR_DOC_BUILD_DIR}/${doc}.gz
    COMMAND gzip -9nf -k ${doc}
    WORKING_DIRECTORY ${VELLUMAR_DOC_BUILD_DIR}
    DEPENDS ${VELLUMAR_DOC_BUILD_DIR}/${doc} VERBATIM)
  list(APPEND compressed_outputs ${VELLUMAR_DOC_BUILD_DIR}/${doc}.gz)
endforeach()
add_custom_target(vellumar_docs ALL DEPENDS ${compressed_outputs})
install(FILES ${VELLUMAR_DOC_BUILD_DIR}/vellumar.1.gz ${VELLUMAR_DOC_BUILD_DIR}/vellumar-cli.1.gz
        DESTINATION share/man/man1)
install(FILES data/copyright ${VELLUMAR_DOC_BUILD_DIR}/changelog.gz DESTINATION share/doc/vellumar)

# The AppStream metadata, with the version and web page of this build.
configure_file(data/vellumar.metainfo.xml.in ${VELLUMAR_DOC_BUILD_DIR}/${VELLUMAR_APP_ID}.metainfo.xml @ONLY)
install(FILES ${VELLUMAR_DOC_BUILD_DIR}/${VELLUMAR_APP_ID}.metainfo.xml DESTINATION share/metainfo)

# Icons: the drawing, and pictures of it for the sizes menus and docks use.
install(FILES data/vellumar.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES data/vellumar.png DESTINATION share/icons/hicolor/64x64/apps)
foreach(size 16 22 24 32 48 128 256)
  install(FILES data/icons/vellumar-${size}.png DESTINATION share/icons/hicolor/${size}x${size}/apps
          RENAME vellumar.png)
endforeach()

# The links in bin/ and the desktop entry depend on the prefix given at
# install time, so they are made then.
install(CODE "
  set(prefix \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
  file(MAKE_DIRECTORY \"\${prefix}/bin\")
  foreach(program ${installed_programs})
    file(CREATE_LINK ../${VELLUMAR_PROGRAM_FOLDER}/\${program} \"\${prefix}/bin/\${program}\" SYMBOLIC)
  endforeach()
  if(EXISTS \"\${prefix}/${VELLUMAR_PROGRAM_FOLDER}/vellumar\")
    file(READ \"${CMAKE_SOURCE_DIR}/data/vellumar.desktop.in\" entry)
    string(REPLACE \"@BINDIR@\" \"\${CMAKE_INSTALL_PREFIX}/bin\" entry \"\${entry}\")
    file(WRITE \"\${prefix}/share/applications/vellumar.desktop\" \"\${entry}\")
  endif()
")
