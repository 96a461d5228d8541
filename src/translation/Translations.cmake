# Translations: every .ts here becomes build/bin/translation/<name>.qm, and the language
# list Language.trs is laid out beside them, where the client looks for both.
find_package(Qt5LinguistTools REQUIRED)

set(QEL_TRANSLATION_DIR ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/translation)
file(GLOB QEL_TS_FILES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.ts)

set(QEL_TRANSLATION_FILES ${QEL_TRANSLATION_DIR}/Language.trs)
add_custom_command(OUTPUT ${QEL_TRANSLATION_DIR}/Language.trs
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QEL_TRANSLATION_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
            ${CMAKE_CURRENT_LIST_DIR}/Language.trs ${QEL_TRANSLATION_DIR}/Language.trs
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/Language.trs
    VERBATIM)

foreach(ts ${QEL_TS_FILES})
    get_filename_component(name ${ts} NAME_WE)
    set(qm ${QEL_TRANSLATION_DIR}/${name}.qm)
    add_custom_command(OUTPUT ${qm}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${QEL_TRANSLATION_DIR}
        COMMAND Qt5::lrelease -silent ${ts} -qm ${qm}
        DEPENDS ${ts}
        VERBATIM)
    list(APPEND QEL_TRANSLATION_FILES ${qm})
endforeach()

add_custom_target(qel_translations ALL DEPENDS ${QEL_TRANSLATION_FILES})
add_dependencies(QelProxy qel_translations)
