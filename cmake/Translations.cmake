# The program's translations: translations/kvelli99_<lang>.ts, kept in the repository and made
# from the sources by scripts/translations.py (lupdate), are compiled by lrelease and embedded
# in the widget kit under :/i18n (kv::ui::kTranslationsDir). The Russian source texts need none.
find_program(KV_LRELEASE NAMES lrelease
  PATHS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} /usr/lib/qt6/bin NO_DEFAULT_PATH)
find_program(KV_LUPDATE NAMES lupdate
  PATHS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} /usr/lib/qt6/bin NO_DEFAULT_PATH)
if(NOT KV_LRELEASE OR NOT KV_LUPDATE)
  message(FATAL_ERROR "Qt 6's lrelease and lupdate not found: install qt6-l10n-tools (scripts/install-deps.sh).")
endif()

file(GLOB KV_TS_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/translations/kvelli99_*.ts)
set(KV_QM_DIR ${CMAKE_BINARY_DIR}/i18n)
set(KV_QM_FILES)
foreach(ts ${KV_TS_FILES})
  get_filename_component(name ${ts} NAME_WE)
  set(qm ${KV_QM_DIR}/${name}.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KV_QM_DIR}
    COMMAND ${KV_LRELEASE} -silent ${ts} -qm ${qm}
    DEPENDS ${ts}
    COMMENT "Compiling the translation ${name}"
    VERBATIM)
  list(APPEND KV_QM_FILES ${qm})
endforeach()
if(KV_QM_FILES)
  qt_add_resources(kv_ui kv_translations PREFIX /i18n BASE ${KV_QM_DIR} FILES ${KV_QM_FILES})
endif()

# The header picture drawn with a translation's words (scripts/make-assets.py), beside the
# Russian one in :/kvelli.
file(GLOB KV_HEADER_PICTURES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/header-*.gif)
if(KV_HEADER_PICTURES)
  qt_add_resources(kv_app kv_header_pictures PREFIX /kvelli BASE ${CMAKE_SOURCE_DIR}/assets
    FILES ${KV_HEADER_PICTURES})
endif()

# Refreshes the .ts files from the sources (new texts come in unfinished, gone ones leave).
add_custom_target(update_translations
  COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/scripts/translations.py update --lupdate ${KV_LUPDATE}
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
  VERBATIM)
