# The resource tree.
#
# Documents, scripts, fonts and generated artwork are compiled into the programs
# as one resource tree. Each source file exists once in the source tree; a file
# that the documents import from several places (a gauge used by several panels)
# is mounted at every one of those resource paths by alias.
#
# A folder takes part by holding a resources.cmake that calls radod_mount():
#
#   radod_mount(
#     [FILES a.qml b.js ...]            files of this folder (default: every
#                                       .qml, .js, .json, .ttf, .otf, .png, .jpg,
#                                       .svg in it)
#     [ARTWORK face.png needle.png ...] images that tools/artwork draws for this
#                                       folder (radod-artwork writes them under
#                                       <artwork dir>/<this folder's path>/)
#     [GENERATED <name>=<program> ...]  files that a program of the build writes
#                                       at build time (`<program> --out <file>`,
#                                       run again whenever the program changes),
#                                       mounted under <name> (Modules.js, the
#                                       module table for the documents)
#     [EXTRA <src>=<name> ...]          other source files mounted under a new
#                                       name in this folder (fonts), <src>
#                                       relative to the source root
#     [ALSO_AT <folder> ...]            further resource folders where the same
#                                       set is mounted (e.g. Baron/instrumentos/Vor)
#     [AT <folder>]                     resource folder of this set (default: the
#                                       folder's path in the source tree)
#   )
#
# radod_resource(<src> AS <respath> ...) mounts a single file at exact paths.
#
# radod_picture(<name> DOCUMENT <qrc url> [AT <folder>]) mounts, in this folder
# (or the resource folder given), a picture of
# a document of the tree (a panel's preview in its layout menu, say). The
# picture is drawn at build time by tools/render from the tree as built without
# the pictures (a binary resource file), and then compiled in with the rest, so
# it always shows the documents and artwork as they are. The document decides
# what is pictured and at what size (see tools/render/main.cpp).

set(RADOD_ARTWORK_DIR ${CMAKE_BINARY_DIR}/artwork)
set(RADOD_QRC ${CMAKE_BINARY_DIR}/radod.qrc)
set(RADOD_PICTURE_DIR ${CMAKE_BINARY_DIR}/pictures)
set(RADOD_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
set_property(GLOBAL PROPERTY RADOD_PICTURES "")
set_property(GLOBAL PROPERTY RADOD_QRC_ENTRIES "")
set_property(GLOBAL PROPERTY RADOD_ARTWORK_OUTPUTS "")
set_property(GLOBAL PROPERTY RADOD_GENERATED "")

function(_radod_add_entry alias file)
    string(REGEX REPLACE "^/+" "" alias "${alias}")
    set_property(GLOBAL APPEND PROPERTY RADOD_QRC_ENTRIES "${alias}|${file}")
endfunction()

function(radod_resource src)
    cmake_parse_arguments(R "" "" "AS" ${ARGN})
    if(NOT IS_ABSOLUTE "${src}")
        set(src "${CMAKE_SOURCE_DIR}/${src}")
    endif()
    foreach(path IN LISTS R_AS)
        _radod_add_entry("${path}" "${src}")
    endforeach()
endfunction()

function(radod_mount)
    cmake_parse_arguments(M "" "AT" "FILES;ARTWORK;GENERATED;EXTRA;ALSO_AT" ${ARGN})
    set(dir "${CMAKE_CURRENT_LIST_DIR}")
    file(RELATIVE_PATH here "${CMAKE_SOURCE_DIR}" "${dir}")
    if(NOT M_AT)
        set(M_AT "${here}")
    endif()
    if(NOT M_FILES)
        file(GLOB M_FILES RELATIVE "${dir}" CONFIGURE_DEPENDS
            "${dir}/*.qml" "${dir}/*.js" "${dir}/*.json" "${dir}/*.ttf" "${dir}/*.otf"
            "${dir}/*.png" "${dir}/*.jpg" "${dir}/*.svg")
    endif()
    set(targets ${M_AT} ${M_ALSO_AT})
    foreach(f IN LISTS M_FILES)
        foreach(t IN LISTS targets)
            _radod_add_entry("${t}/${f}" "${dir}/${f}")
        endforeach()
    endforeach()
    foreach(a IN LISTS M_ARTWORK)
        set(out "${RADOD_ARTWORK_DIR}/${here}/${a}")
        set_property(GLOBAL APPEND PROPERTY RADOD_ARTWORK_OUTPUTS "${out}")
        foreach(t IN LISTS targets)
            _radod_add_entry("${t}/${a}" "${out}")
        endforeach()
    endforeach()
    foreach(g IN LISTS M_GENERATED)
        string(REPLACE "=" ";" pair "${g}")
        list(GET pair 0 name)
        list(GET pair 1 program)
        set(out "${RADOD_GENERATED_DIR}/${here}/${name}")
        set_property(GLOBAL APPEND PROPERTY RADOD_GENERATED "${out}|${program}")
        foreach(t IN LISTS targets)
            _radod_add_entry("${t}/${name}" "${out}")
        endforeach()
    endforeach()
    foreach(e IN LISTS M_EXTRA)
        string(REPLACE "=" ";" pair "${e}")
        list(GET pair 0 src)
        list(GET pair 1 name)
        foreach(t IN LISTS targets)
            _radod_add_entry("${t}/${name}" "${CMAKE_SOURCE_DIR}/${src}")
        endforeach()
    endforeach()
endfunction()

function(radod_picture name)
    cmake_parse_arguments(P "" "DOCUMENT;AT" "" ${ARGN})
    file(RELATIVE_PATH here "${CMAKE_SOURCE_DIR}" "${CMAKE_CURRENT_LIST_DIR}")
    if(P_AT)
        set(here "${P_AT}")
    endif()
    set_property(GLOBAL APPEND PROPERTY RADOD_PICTURES
        "${here}/${name}|${RADOD_PICTURE_DIR}/${here}/${name}|${P_DOCUMENT}")
endfunction()

# Includes every resources.cmake of the source tree (build folders excluded).
macro(radod_collect_resource_fragments)
    file(GLOB_RECURSE _radod_fragments CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/*/resources.cmake")
    list(SORT _radod_fragments)
    foreach(_frag IN LISTS _radod_fragments)
        file(RELATIVE_PATH _rel "${CMAKE_SOURCE_DIR}" "${_frag}")
        if(_rel MATCHES "^(build|\\.|tests/|bench/|tools/)" OR _frag MATCHES "^${CMAKE_BINARY_DIR}/")
            continue()
        endif()
        include("${_frag}")
    endforeach()
endmacro()

# Writes the one qrc file, the rule that draws the artwork, and the compiled
# resource object (rcc's two-pass mode, so large images are not turned into C++).
function(radod_finish_resources)
    get_property(entries GLOBAL PROPERTY RADOD_QRC_ENTRIES)
    get_property(artwork GLOBAL PROPERTY RADOD_ARTWORK_OUTPUTS)
    list(REMOVE_DUPLICATES entries)
    list(SORT entries)
    set(xml "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n")
    set(seen "")
    foreach(e IN LISTS entries)
        string(FIND "${e}" "|" bar)
        string(SUBSTRING "${e}" 0 ${bar} alias)
        math(EXPR start "${bar} + 1")
        string(SUBSTRING "${e}" ${start} -1 file)
        if(alias IN_LIST seen)
            message(FATAL_ERROR "Resource path mounted twice: ${alias}")
        endif()
        list(APPEND seen "${alias}")
        string(REPLACE "&" "&amp;" alias_x "${alias}")
        string(REPLACE "&" "&amp;" file_x "${file}")
        string(APPEND xml "  <file alias=\"${alias_x}\">${file_x}</file>\n")
    endforeach()
    string(APPEND xml "</qresource>\n</RCC>\n")
    file(CONFIGURE OUTPUT "${RADOD_QRC}" CONTENT "${xml}" @ONLY)

    if(artwork)
        file(GLOB _artwork_inputs CONFIGURE_DEPENDS
            "${CMAKE_SOURCE_DIR}/Cessna/Instrumentos/*/*.js" "${CMAKE_SOURCE_DIR}/Classes/*.js"
            "${CMAKE_SOURCE_DIR}/Baron/instrumentos/*/*.js"
            "${CMAKE_SOURCE_DIR}/Caravan/instrumentos/*/*.js"
            "${CMAKE_SOURCE_DIR}/Caravan/G1000/*/*.js")
        # The list of images the resource tree expects: the generator draws a
        # loud stand-in for any it has no description of (and says so), so that
        # the build stays whole; tests/unit/tst_artwork fails on such gaps.
        set(expected "")
        foreach(a IN LISTS artwork)
            file(RELATIVE_PATH rel "${RADOD_ARTWORK_DIR}" "${a}")
            string(APPEND expected "${rel}\n")
        endforeach()
        file(CONFIGURE OUTPUT "${CMAKE_BINARY_DIR}/artwork-expected.txt" CONTENT "${expected}" @ONLY)
        add_custom_command(OUTPUT ${artwork}
            COMMAND radod-artwork --out "${RADOD_ARTWORK_DIR}" --source "${CMAKE_SOURCE_DIR}"
                    --expect "${CMAKE_BINARY_DIR}/artwork-expected.txt"
            DEPENDS radod-artwork ${_artwork_inputs} "${CMAKE_BINARY_DIR}/artwork-expected.txt"
            COMMENT "Drawing artwork"
            VERBATIM)
    endif()
    add_custom_target(radod_artwork DEPENDS ${artwork})

    # Files that programs of the build write (the module table's script).
    get_property(generated GLOBAL PROPERTY RADOD_GENERATED)
    set(generated_files "")
    foreach(g IN LISTS generated)
        string(REPLACE "|" ";" g "${g}")
        list(GET g 0 out)
        list(GET g 1 program)
        file(RELATIVE_PATH rel "${RADOD_GENERATED_DIR}" "${out}")
        add_custom_command(OUTPUT "${out}"
            COMMAND ${program} --out "${out}"
            DEPENDS ${program}
            COMMENT "Writing ${rel}"
            VERBATIM)
        list(APPEND generated_files "${out}")
    endforeach()
    add_custom_target(radod_generated DEPENDS ${generated_files})

    # Pictures of documents: the tree without them is packed into a binary
    # resource file, radod-render draws each picture from it, and the pictures
    # then join the tree above.
    get_property(pictures GLOBAL PROPERTY RADOD_PICTURES)
    set(picture_files "")
    if(pictures)
        set(tree_files "")
        foreach(e IN LISTS entries)
            string(FIND "${e}" "|" bar)
            math(EXPR start "${bar} + 1")
            string(SUBSTRING "${e}" ${start} -1 file)
            list(APPEND tree_files "${file}")
        endforeach()
        list(REMOVE_DUPLICATES tree_files)
        set(early_rcc "${CMAKE_BINARY_DIR}/radod-early.rcc")
        add_custom_command(OUTPUT "${early_rcc}"
            COMMAND Qt6::rcc --binary "${RADOD_QRC}" -o "${early_rcc}"
            DEPENDS "${RADOD_QRC}" ${tree_files}
            COMMENT "Packing the resource tree for the pictures"
            VERBATIM)
        set(full_xml "${xml}")
        foreach(p IN LISTS pictures)
            string(REPLACE "|" ";" p "${p}")
            list(GET p 0 alias)
            list(GET p 1 out)
            list(GET p 2 document)
            if(alias IN_LIST seen)
                message(FATAL_ERROR "Resource path mounted twice: ${alias}")
            endif()
            add_custom_command(OUTPUT "${out}"
                COMMAND radod-render --resources "${early_rcc}" --document "${document}" --out "${out}"
                DEPENDS radod-render "${early_rcc}"
                COMMENT "Drawing ${alias}"
                VERBATIM)
            list(APPEND picture_files "${out}")
            string(REPLACE "</qresource>" "  <file alias=\"${alias}\">${out}</file>\n</qresource>"
                full_xml "${full_xml}")
        endforeach()
        # The tree as compiled into the programs: everything, pictures included.
        set(RADOD_QRC "${CMAKE_BINARY_DIR}/radod-full.qrc")
        file(CONFIGURE OUTPUT "${RADOD_QRC}" CONTENT "${full_xml}" @ONLY)
    endif()
    add_custom_target(radod_pictures DEPENDS ${picture_files})

    qt_add_big_resources(_objs "${RADOD_QRC}")
    get_filename_component(_qrc_name "${RADOD_QRC}" NAME_WE)
    foreach(t big_resources_${_qrc_name} rcc_object_${_qrc_name})
        if(TARGET ${t})
            add_dependencies(${t} radod_artwork radod_generated radod_pictures)
        endif()
    endforeach()
    add_custom_target(radod_resources_object DEPENDS ${_objs})
    set_property(GLOBAL PROPERTY RADOD_RESOURCE_OBJECTS "${_objs}")
endfunction()

# Links the compiled resource tree into an executable.
function(radod_use_resources target)
    get_property(objs GLOBAL PROPERTY RADOD_RESOURCE_OBJECTS)
    set_source_files_properties(${objs} TARGET_DIRECTORY ${target}
        PROPERTIES GENERATED TRUE EXTERNAL_OBJECT TRUE)
    target_sources(${target} PRIVATE ${objs})
    add_dependencies(${target} radod_resources_object)
endfunction()
