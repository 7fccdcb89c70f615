# The six programs and their program folders. Each program is winmain.cpp,
# the shared libraries, its language's texts unit and the one resource script
# compiled with its language's headers. The folder of each language, ready to
# install, is assembled at ${RACETIMER_DIST_DIR}/<lang>/Zelquan Orla Sequent.
enable_language(RC)

set(RACETIMER_DIST_DIR ${CMAKE_BINARY_DIR}/../dist CACHE PATH "Where the program folders are assembled")
set(GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
set(GENERATED_STAMP ${GENERATED_DIR}/.generated)
set(DATAGEN ${RACETIMER_ROOT}/tools/datagen)
set(RESOURCE_SCRIPT ${RACETIMER_ROOT}/resources/racetimer.rc)

# Sounds, images and the bitmaps compiled into the resources.
file(GLOB DATAGEN_SOURCES CONFIGURE_DEPENDS ${DATAGEN}/gen_* ${DATAGEN}/generate)
add_custom_command(OUTPUT ${GENERATED_STAMP}
                   COMMAND ${DATAGEN}/generate ${GENERATED_DIR}
                   COMMAND ${CMAKE_COMMAND} -E touch ${GENERATED_STAMP}
                   DEPENDS ${DATAGEN_SOURCES}
                   COMMENT "Generating sounds, images and resource bitmaps" VERBATIM)
add_custom_target(generated_data DEPENDS ${GENERATED_STAMP})
set_source_files_properties(${RESOURCE_SCRIPT} PROPERTIES OBJECT_DEPENDS ${GENERATED_STAMP})

file(GLOB_RECURSE PROGRAM_DATA CONFIGURE_DEPENDS ${RACETIMER_ROOT}/data/*)
set(ENGLISH_VOICE_DEFAULTS ${RACETIMER_ROOT}/resources/defaults/english-voice)
file(GLOB ENGLISH_VOICE_FILES CONFIGURE_DEPENDS ${ENGLISH_VOICE_DEFAULTS}/*)
add_custom_target(dist ALL)

foreach(lang IN LISTS RACETIMER_LANGUAGES)
  set(program racetimer-${lang})
  add_executable(${program} WIN32 ${CMAKE_CURRENT_SOURCE_DIR}/winmain.cpp ${RESOURCE_SCRIPT})
  target_include_directories(${program} PRIVATE ${RACETIMER_ROOT}/resources
                             ${RACETIMER_ROOT}/resources/lang/${lang}
                             ${GENERATED_DIR}/resource-bitmaps)
  # The script is UTF-8 and its texts go out as Windows-1252.
  target_compile_options(${program} PRIVATE $<$<COMPILE_LANGUAGE:RC>:--codepage=65001>
                         $<$<COMPILE_LANGUAGE:CXX>:${RACETIMER_CP1252}>)
  target_link_libraries(${program} PRIVATE race_window race_model texts_${lang})
  add_dependencies(${program} generated_data)

  set(folder "${RACETIMER_DIST_DIR}/${lang}/Zelquan Orla Sequent")
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/dist-${lang}.stamp)
  # The French voice is the French build's default; the other builds start
  # with the English one, the only other voice there is.
  set(voice_default)
  if(NOT lang STREQUAL "fr")
    set(voice_default COMMAND ${CMAKE_COMMAND} -E copy_directory ${ENGLISH_VOICE_DEFAULTS} ${folder})
  endif()
  add_custom_command(OUTPUT ${stamp}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
                     COMMAND ${CMAKE_COMMAND} -E copy_directory ${RACETIMER_ROOT}/data ${folder}
                     COMMAND ${CMAKE_COMMAND} -E copy_directory ${GENERATED_DIR}/sons ${folder}/sons
                     COMMAND ${CMAKE_COMMAND} -E copy_directory ${GENERATED_DIR}/images ${folder}/images
                     ${voice_default}
                     COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${program}> ${folder}
                     COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
                     DEPENDS ${program} ${PROGRAM_DATA} ${ENGLISH_VOICE_FILES} ${GENERATED_STAMP}
                     COMMENT "Assembling the ${lang} program folder" VERBATIM)
  add_custom_target(dist-${lang} DEPENDS ${stamp})
  add_dependencies(dist dist-${lang})
endforeach()

# The help documents, French from the French build and English from the
# English one, each typeset with screenshots that the build takes of its
# program in a meeting played under Xvfb (tools/datagen/help_document); every
# program folder gets both, as it always had. One target owns these rules, so
# that no two builds of a document run at once.
set(HELP_DIR ${CMAKE_BINARY_DIR}/guides)
set(RACETIMER_NATIVE_DIR ${CMAKE_BINARY_DIR}/../native CACHE PATH "The native build tree (decoder-sim)")
file(GLOB HELP_SESSION_SOURCES CONFIGURE_DEPENDS ${DATAGEN}/help_document ${RACETIMER_ROOT}/tools/demo/*
     ${RACETIMER_ROOT}/tests/e2e/program_session.py ${RACETIMER_ROOT}/tools/wine/*)
set(HELP_DOCUMENTS)
foreach(help IN ITEMS fr:aide-fr.ms:HelpOrlaSequentFR.pdf en:help-en.ms:HelpOrlaSequentGB.pdf)
  string(REPLACE ":" ";" help ${help})
  list(GET help 0 lang)
  list(GET help 1 source)
  list(GET help 2 document)
  add_custom_command(OUTPUT ${HELP_DIR}/${document}
                     COMMAND xvfb-run -a -s "-screen 0 1600x900x24" ${DATAGEN}/help_document ${lang}
                             "${RACETIMER_DIST_DIR}/${lang}/Zelquan Orla Sequent" $<TARGET_FILE:race-driver>
                             ${RACETIMER_NATIVE_DIR} ${HELP_DIR}/${lang} ${RACETIMER_ROOT}/guides/${source}
                             ${HELP_DIR}/${document}
                     DEPENDS racetimer-${lang} dist-${lang} race-driver ${RACETIMER_ROOT}/guides/${source}
                             ${HELP_SESSION_SOURCES}
                     COMMENT "Help document ${document}: screenshots of racetimer-${lang} and groff"
                     VERBATIM)
  list(APPEND HELP_DOCUMENTS ${HELP_DIR}/${document})
endforeach()
set(HELP_COPIES)
set(HELP_COPY_COMMANDS)
foreach(lang IN LISTS RACETIMER_LANGUAGES)
  set(guides "${RACETIMER_DIST_DIR}/${lang}/Zelquan Orla Sequent/guides")
  list(APPEND HELP_COPY_COMMANDS COMMAND ${CMAKE_COMMAND} -E make_directory ${guides}
       COMMAND ${CMAKE_COMMAND} -E copy ${HELP_DOCUMENTS} ${guides})
  list(APPEND HELP_COPIES ${guides}/HelpOrlaSequentFR.pdf ${guides}/HelpOrlaSequentGB.pdf)
endforeach()
add_custom_command(OUTPUT ${HELP_COPIES} ${HELP_COPY_COMMANDS}
                   DEPENDS ${HELP_DOCUMENTS} dist
                   COMMENT "Copying the help documents into the program folders" VERBATIM)
add_custom_target(help_documents ALL DEPENDS ${HELP_COPIES})
