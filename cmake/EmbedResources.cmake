# Embedded resources: files compiled into a target and found at run time by (type, name).
#
#   olva_embed_resources(<target> <type> [GENERATED_BY <maker>] <name>=<file> [<name>=<file> ...])
#
# Relative files are taken from the calling folder. Files that exist only once the build has made them
# are named with GENERATED_BY: <maker> is the target whose custom command writes them; it runs before
# the embedding, and a file it rewrites is embedded again. The target may live in another folder than
# the call. Every call adds its files to the target; the target then has a function
#
#   void OlvaRegisterResources_<target>();   // <target> made a C identifier
#
# which registers all of them (see platform/rtl/Resources.h). Nothing registers itself during static
# initialisation: the program, or the test, calls that function in its start-up sequence. The bytes are
# converted at build time, so a changed file is picked up by the next build.
#
# This file is also the generator: the build runs it in script mode (cmake -P) for each call's manifest.

if(CMAKE_SCRIPT_MODE_FILE)
    # ---- script mode: OLVA_MANIFEST names the manifest, OLVA_OUTPUT the .cpp to write
    include(${OLVA_MANIFEST})
    set(body "")
    set(calls "")
    list(LENGTH OLVA_RES_NAMES count)
    if(count GREATER 0)
        math(EXPR last "${count} - 1")
        foreach(i RANGE ${last})
            list(GET OLVA_RES_NAMES ${i} name)
            list(GET OLVA_RES_FILES ${i} path)
            file(READ ${path} hex HEX)
            string(LENGTH "${hex}" hexLength)
            math(EXPR size "${hexLength} / 2")
            # Sixteen bytes a line; a trailing zero keeps empty files legal and text NUL-terminated.
            string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
            string(REPEAT "0x..," 16 line) # CMake's regular expressions have no {n}
            string(REGEX REPLACE "(${line})" "\\1\n    " bytes "${bytes}")
            string(APPEND body "alignas(16) const unsigned char ${OLVA_RES_FUNC}_${i}[] = {\n    ${bytes}0x00};\n")
            string(REPLACE "\\" "\\\\" cname "${name}")
            string(REPLACE "\"" "\\\"" cname "${cname}")
            string(REPLACE "\\" "\\\\" ctype "${OLVA_RES_TYPE}")
            string(REPLACE "\"" "\\\"" ctype "${ctype}")
            string(APPEND calls "    RegisterResource(\"${ctype}\", \"${cname}\", ${OLVA_RES_FUNC}_${i}, ${size});\n")
        endforeach()
    endif()
    get_filename_component(manifestName ${OLVA_MANIFEST} NAME) # no absolute path in what is compiled
    set(text "// Generated from ${manifestName}; do not edit.\n#include \"platform/rtl/Resources.h\"\n\n")
    string(APPEND text "namespace {\n${body}} // namespace\n\nvoid ${OLVA_RES_FUNC}() {\n${calls}}\n")
    # Rewrite only on change, so that dependants do not rebuild for nothing.
    if(EXISTS ${OLVA_OUTPUT})
        file(READ ${OLVA_OUTPUT} old)
        if(old STREQUAL text)
            return()
        endif()
    endif()
    file(WRITE ${OLVA_OUTPUT} "${text}")
    return()
endif()

set(OLVA_EMBED_RESOURCES_SCRIPT ${CMAKE_CURRENT_LIST_FILE})

function(olva_embed_resources target type)
    if(NOT TARGET ${target})
        message(FATAL_ERROR "olva_embed_resources: no target named ${target}")
    endif()
    cmake_parse_arguments(ARG "" "GENERATED_BY" "" ${ARGN})
    set(maker ${ARG_GENERATED_BY})
    if(maker AND NOT TARGET ${maker})
        message(FATAL_ERROR "olva_embed_resources: no target named ${maker} makes the files")
    endif()
    string(MAKE_C_IDENTIFIER "${target}" ident)
    get_target_property(part ${target} OLVA_RESOURCE_PART_COUNT)
    if(NOT part)
        set(part 0)
    endif()
    math(EXPR next "${part} + 1")
    set_target_properties(${target} PROPERTIES OLVA_RESOURCE_PART_COUNT ${next})

    set(dir ${CMAKE_CURRENT_BINARY_DIR}/olva_resources/${ident})
    set(func OlvaRegisterResources_${ident}_part${part})
    set(names "")
    set(files "")
    foreach(entry IN LISTS ARG_UNPARSED_ARGUMENTS)
        if(NOT entry MATCHES "^([^=]+)=(.+)$")
            message(FATAL_ERROR "olva_embed_resources: '${entry}' is not <name>=<file>")
        endif()
        set(name ${CMAKE_MATCH_1})
        get_filename_component(path "${CMAKE_MATCH_2}" ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
        if(NOT maker AND NOT EXISTS ${path})
            message(FATAL_ERROR "olva_embed_resources: resource file ${path} does not exist")
        endif()
        list(APPEND names ${name})
        list(APPEND files ${path})
    endforeach()

    set(manifest ${dir}/part${part}.cmake)
    set(content "set(OLVA_RES_FUNC [==[${func}]==])\nset(OLVA_RES_TYPE [==[${type}]==])\n")
    string(APPEND content "set(OLVA_RES_NAMES [==[${names}]==])\nset(OLVA_RES_FILES [==[${files}]==])\n")
    set(old "")
    if(EXISTS ${manifest})
        file(READ ${manifest} old)
    endif()
    if(NOT old STREQUAL content)
        file(WRITE ${manifest} "${content}")
    endif()
    set(output ${dir}/part${part}.cpp)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -DOLVA_MANIFEST=${manifest} -DOLVA_OUTPUT=${output} -P ${OLVA_EMBED_RESOURCES_SCRIPT}
        DEPENDS ${files} ${manifest} ${OLVA_EMBED_RESOURCES_SCRIPT} ${maker}
        COMMENT "Embedding ${type} resources into ${target}"
        VERBATIM)
    set_source_files_properties(${output} TARGET_DIRECTORY ${target}
                                PROPERTIES GENERATED TRUE SKIP_UNITY_BUILD_INCLUSION TRUE)
    target_sources(${target} PRIVATE ${output})
    # A custom command's rule goes only to targets of its own folder: a target elsewhere gets the
    # generated source through a helper target of this folder.
    get_target_property(targetDir ${target} SOURCE_DIR)
    if(NOT targetDir STREQUAL CMAKE_CURRENT_SOURCE_DIR)
        add_custom_target(${ident}_resources_part${part} DEPENDS ${output})
        add_dependencies(${target} ${ident}_resources_part${part})
    endif()
    set_property(TARGET ${target} APPEND PROPERTY OLVA_RESOURCE_PARTS ${func})

    # One registration function per target, calling every part (the list is complete at generation).
    if(part EQUAL 0)
        set(parts "$<TARGET_PROPERTY:${target},OLVA_RESOURCE_PARTS>")
        set(master ${dir}/register.cpp)
        file(GENERATE OUTPUT ${master} CONTENT
             "// Generated; do not edit.\nvoid $<JOIN:${parts},();\nvoid >();\n\nvoid OlvaRegisterResources_${ident}() {\n    $<JOIN:${parts},();\n    >();\n}\n")
        set_source_files_properties(${master} TARGET_DIRECTORY ${target}
                                    PROPERTIES GENERATED TRUE SKIP_UNITY_BUILD_INCLUSION TRUE)
        target_sources(${target} PRIVATE ${master})
    endif()
endfunction()
