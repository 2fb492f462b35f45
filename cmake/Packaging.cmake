# The two desktop programs installed as desktop software, and the Debian package of them
# (tools/package.sh). `cmake --install build --prefix DIR` gives the package's layout under DIR:
#   bin/velquinlan, bin/velquinlan-teacher
#   share/velquinlan/classroom/            the sample classroom folder (its data/ as vqdata builds it)
#   share/applications/*.desktop, share/metainfo/*.metainfo.xml, share/icons/hicolor/*/apps/*
#   share/man/man1/*.1.gz, share/doc/velquinlan/{copyright,changelog.gz}, share/lintian/overrides/velquinlan
# The programs find the sample as ../share/velquinlan/classroom from their own folder, which holds
# for every prefix and, through build/share/velquinlan/classroom, in the build tree too.
include(GNUInstallDirs)

set(VQ_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)

# A sample classroom that no station has run on: build/classroom/ is the developers' playground.
set(VQ_BUNDLED ${CMAKE_BINARY_DIR}/share/velquinlan)
add_custom_command(
  OUTPUT ${VQ_BUNDLED}/classroom.built
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${VQ_BUNDLED}/classroom
  COMMAND vqdata ${CMAKE_SOURCE_DIR}/content ${VQ_BUNDLED}/classroom/data
  COMMAND ${CMAKE_COMMAND} -E touch ${VQ_BUNDLED}/classroom.built
  DEPENDS vqdata ${VQ_CONTENT_FILES}
  COMMENT "Building the sample classroom that comes with the programs")
add_custom_target(bundled_classroom ALL DEPENDS ${VQ_BUNDLED}/classroom.built)

# The desktop icons of both programs, drawn by vqdata in the hicolor theme's layout.
set(VQ_ICONS ${CMAKE_BINARY_DIR}/icons)
add_custom_command(
  OUTPUT ${VQ_ICONS}/icons.drawn
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${VQ_ICONS}
  COMMAND vqdata --icons ${VQ_ICONS}
  COMMAND ${CMAKE_COMMAND} -E touch ${VQ_ICONS}/icons.drawn
  DEPENDS vqdata
  COMMENT "Drawing the desktop icons")
add_custom_target(icons ALL DEPENDS ${VQ_ICONS}/icons.drawn)

# Manual pages are installed compressed, without a time stamp in the gzip header.
set(VQ_MAN ${CMAKE_BINARY_DIR}/man)
set(VQ_DOC ${CMAKE_BINARY_DIR}/doc)
function(vq_gzip source target)
  add_custom_command(
    OUTPUT ${target}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VQ_MAN} ${VQ_DOC}
    COMMAND gzip -9 -n -c ${source} > ${target}
    DEPENDS ${source})
endfunction()
vq_gzip(${VQ_PACKAGING}/velquinlan.1 ${VQ_MAN}/velquinlan.1.gz)
vq_gzip(${VQ_PACKAGING}/velquinlan-teacher.1 ${VQ_MAN}/velquinlan-teacher.1.gz)
vq_gzip(${VQ_PACKAGING}/changelog ${VQ_DOC}/changelog.gz)
add_custom_target(compressed_docs ALL
  DEPENDS ${VQ_MAN}/velquinlan.1.gz ${VQ_MAN}/velquinlan-teacher.1.gz ${VQ_DOC}/changelog.gz)

set(VQ_FILE_MODE OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
set(VQ_FOLDER_MODE OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# One desktop program: the binary, its menu entry, metainfo, icons and manual page. It is linked as
# Debian links its programs, with every symbol bound at start and the relocations made read-only.
function(vq_install_program program metainfo)
  target_link_options(${program} PRIVATE -Wl,-z,relro,-z,now)
  install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${VQ_PACKAGING}/${program}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications PERMISSIONS ${VQ_FILE_MODE})
  install(FILES ${VQ_PACKAGING}/${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo PERMISSIONS ${VQ_FILE_MODE})
  install(DIRECTORY ${VQ_ICONS}/${program}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons
          FILE_PERMISSIONS ${VQ_FILE_MODE} DIRECTORY_PERMISSIONS ${VQ_FOLDER_MODE})
  install(FILES ${VQ_MAN}/${program}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 PERMISSIONS ${VQ_FILE_MODE})
endfunction()

if(VELQUINLAN_WITH_QT)
  vq_install_program(velquinlan invalid.velquinlan.Phone.metainfo.xml)
  vq_install_program(velquinlan-teacher invalid.velquinlan.TeachersConsole.metainfo.xml)
endif()
install(DIRECTORY ${VQ_BUNDLED}/classroom DESTINATION ${CMAKE_INSTALL_DATADIR}/velquinlan
        FILE_PERMISSIONS ${VQ_FILE_MODE} DIRECTORY_PERMISSIONS ${VQ_FOLDER_MODE})
install(FILES ${VQ_PACKAGING}/copyright ${VQ_DOC}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velquinlan PERMISSIONS ${VQ_FILE_MODE})
# What lintian reports of the sample classroom that is meant so.
install(FILES ${VQ_PACKAGING}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME velquinlan
        PERMISSIONS ${VQ_FILE_MODE})

# The Debian package: velquinlan_<version>_<arch>.deb in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velquinlan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "VelquinLAN developers <dev@velquinlan.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "classroom smartphone simulator for teaching safe phone use")
# The lines of the long description, each under 80 columns as Debian asks.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Every pupil's PC runs one phone, and all phones of a computer room share"
  "one classroom folder on the school's network. The pupils mail each other,"
  "write on a bulletin board and a timeline and publish profile pages, while"
  "the teaching pages show the risks of phone use: charges that add up, sites"
  "that show the visitor's address, fortune sites that collect personal data"
  "and spam after a free sign-up. Nothing is fetched from the internet."
  ""
  "The teacher's console watches the class, debriefs what the fake sites"
  "collected and archives the lesson. The package holds both programs and a"
  "sample classroom folder.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the shared libraries do not name: the browser engine's helper process and Japanese glyphs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6webenginecore6-bin, fonts-noto-cjk | fonts-japanese-gothic")
# The camera goes through GStreamer's video sources; Qt's own texts (the folder dialog) in Japanese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-good, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
include(CPack)
