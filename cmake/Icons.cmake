# The icons, drawn once as vector pictures in res/icons/ and made here, at
# configure time, into .ico files in the generated folder: rsvg-convert
# renders each size Windows asks for, icotool packs them (the 256-pixel
# image as PNG, as Windows keeps it). An .ico is made again when its picture
# is newer, and a changed picture makes Ninja configure again.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(ICOTOOL icotool REQUIRED)

# orvanta_icon(NAME SIZE...): res/icons/NAME.svg to generated/NAME.ico.
function(orvanta_icon name)
    set(svg ${PROJECT_SOURCE_DIR}/res/icons/${name}.svg)
    set(ico ${PROJECT_BINARY_DIR}/generated/${name}.ico)
    set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${svg})
    set_property(GLOBAL APPEND PROPERTY ORVANTA_ICONS ${ico})
    if(EXISTS ${ico} AND NOT ${svg} IS_NEWER_THAN ${ico})
        return()
    endif()
    set(work ${PROJECT_BINARY_DIR}/icons/${name})
    file(MAKE_DIRECTORY ${work})
    set(images)
    foreach(size ${ARGN})
        execute_process(COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${work}/${size}.png ${svg}
                        COMMAND_ERROR_IS_FATAL ANY)
        if(size EQUAL 256)
            list(APPEND images -r)
        endif()
        list(APPEND images ${work}/${size}.png)
    endforeach()
    execute_process(COMMAND ${ICOTOOL} -c -o ${ico} ${images} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

# The program's icon in every size the shell, the taskbar and the title bar
# ask for between 100 and 300 % scaling; the picker's tree images from 16
# pixels at 100 % to 48 at 300 %.
orvanta_icon(orvanta 16 20 24 32 40 48 64 256)
foreach(image bookmark folder_closed folder_open)
    orvanta_icon(${image} 16 20 24 32 40 48)
endforeach()

# A resource script is compiled again when a file it takes in (an icon, the
# manifest) changes.
function(orvanta_resources target)
    get_property(icons GLOBAL PROPERTY ORVANTA_ICONS)
    set(rc ${PROJECT_SOURCE_DIR}/res/Orvanta.rc)
    set(manifest_rc ${PROJECT_SOURCE_DIR}/res/Manifest.rc)
    target_sources(${target} PRIVATE ${rc} ${manifest_rc} ${PROJECT_SOURCE_DIR}/res/Japanese.rc
                                      ${PROJECT_SOURCE_DIR}/res/English.rc)
    set_source_files_properties(${rc} TARGET_DIRECTORY ${target} PROPERTIES OBJECT_DEPENDS "${icons}")
    set_source_files_properties(${manifest_rc} TARGET_DIRECTORY ${target} PROPERTIES
                                OBJECT_DEPENDS ${PROJECT_BINARY_DIR}/generated/Orvanta.manifest)
endfunction()
