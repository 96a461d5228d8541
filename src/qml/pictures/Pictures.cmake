# Pictures the program carries, drawn by us as SVG and rendered at build time: the
# language flags ("/flag/<name>.png"), the tray pictures and the logo ("/Icon/...") and the
# popups' pictures ("/Popup/...", rendered at twice the size they are shown) and the
# controls' icons ("/image/<name>.png", 24-unit drawings rendered at 48 pixels). They are
# compiled into the object library qelpictures, which the program (and any test that
# shows them) links.
add_executable(RenderPictures ${CMAKE_CURRENT_LIST_DIR}/RenderPictures.cpp)
target_compile_options(RenderPictures PRIVATE -Wall -Wextra)
target_link_libraries(RenderPictures PRIVATE Qt5::Gui Qt5::Svg)
set_target_properties(RenderPictures PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools AUTOMOC OFF)

set(QEL_PICTURE_DIR ${CMAKE_CURRENT_BINARY_DIR}/pictures)
set(QEL_PICTURE_FILES)
set(QEL_PICTURE_QRC_ENTRIES)

function(qel_render_picture svg resource width height)
    add_custom_command(OUTPUT ${QEL_PICTURE_DIR}/${resource}
        COMMAND RenderPictures ${svg} ${QEL_PICTURE_DIR}/${resource} ${width} ${height}
        DEPENDS RenderPictures ${svg}
        VERBATIM)
    set(QEL_PICTURE_FILES ${QEL_PICTURE_FILES} ${QEL_PICTURE_DIR}/${resource} PARENT_SCOPE)
    set(QEL_PICTURE_QRC_ENTRIES
        "${QEL_PICTURE_QRC_ENTRIES}        <file>${resource}</file>\n" PARENT_SCOPE)
endfunction()

file(MAKE_DIRECTORY ${QEL_PICTURE_DIR}/flag ${QEL_PICTURE_DIR}/Icon ${QEL_PICTURE_DIR}/Popup
    ${QEL_PICTURE_DIR}/image)
file(GLOB QEL_FLAG_SVGS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/flag/*.svg)
foreach(svg ${QEL_FLAG_SVGS})
    get_filename_component(name ${svg} NAME_WE)
    qel_render_picture(${svg} flag/${name}.png 48 32)
endforeach()
file(GLOB QEL_IMAGE_SVGS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/image/*.svg)
foreach(svg ${QEL_IMAGE_SVGS})
    get_filename_component(name ${svg} NAME_WE)
    qel_render_picture(${svg} image/${name}.png 48 48)
endforeach()
qel_render_picture(${CMAKE_CURRENT_LIST_DIR}/Icon/small.svg Icon/small.ico 32 32)
qel_render_picture(${CMAKE_CURRENT_LIST_DIR}/Icon/tray_main_logo.svg Icon/tray_main_logo.png 32 32)
qel_render_picture(${CMAKE_CURRENT_LIST_DIR}/Icon/tray_escape_logo.svg Icon/tray_escape_logo.png 32 32)
qel_render_picture(${CMAKE_CURRENT_LIST_DIR}/Icon/small.svg Icon/logo.png 48 48)
qel_render_picture(${CMAKE_CURRENT_LIST_DIR}/Popup/close.svg Popup/close.png 32 32)
qel_render_picture(${CMAKE_CURRENT_LIST_DIR}/Popup/notice_empty.svg Popup/notice_empty.png 240 192)
qel_render_picture(${CMAKE_CURRENT_LIST_DIR}/Popup/add_picture.svg Popup/add_picture.png 48 48)
qel_render_picture(${CMAKE_CURRENT_LIST_DIR}/Popup/delete_picture.svg Popup/delete_picture.png 32 32)
qel_render_picture(${CMAKE_CURRENT_LIST_DIR}/Popup/video.svg Popup/video.png 40 40)

set(QEL_PICTURE_QRC ${QEL_PICTURE_DIR}/pictures.qrc)
file(CONFIGURE OUTPUT ${QEL_PICTURE_QRC}
    CONTENT "<RCC>\n    <qresource prefix=\"/\">\n${QEL_PICTURE_QRC_ENTRIES}    </qresource>\n</RCC>\n")
add_custom_command(OUTPUT ${QEL_PICTURE_DIR}/qrc_pictures.cpp
    COMMAND Qt5::rcc -name pictures ${QEL_PICTURE_QRC} -o ${QEL_PICTURE_DIR}/qrc_pictures.cpp
    DEPENDS ${QEL_PICTURE_QRC} ${QEL_PICTURE_FILES}
    VERBATIM)

add_library(qelpictures OBJECT ${QEL_PICTURE_DIR}/qrc_pictures.cpp)
set_target_properties(qelpictures PROPERTIES AUTOMOC OFF AUTORCC OFF)
target_link_libraries(qelpictures PRIVATE Qt5::Core)
target_link_libraries(QelProxy PRIVATE qelpictures)
