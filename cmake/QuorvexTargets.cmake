# Compile options of our own targets: strict warnings as errors, UTF-8 sources whose narrow
# literals become Shift-JIS bytes (the system's texts are code page 932 byte strings).
function(qx_target target)
  target_compile_options(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:CXX,C>:-Wall -Wextra -Werror -finput-charset=UTF-8 -fexec-charset=CP932>
    # GCC 12 reports std::string concatenations inlined at -O2 and above as overlapping
    # copies (a known false positive of -Wrestrict and -Wstringop-overflow).
    $<$<COMPILE_LANGUAGE:CXX>:-Wno-restrict -Wno-stringop-overflow>)
  if(WIN32)
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                                 _WIN32_WINNT=0x0601 WINVER=0x0601)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE" OR type STREQUAL "SHARED_LIBRARY")
      target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
    endif()
  endif()
endfunction()

# A test program, always with a time limit: on the host each of its tests is a ctest entry
# "<program>.<suite>.<test>"; in the Windows builds the program is one entry, run under Wine
# (the toolchain's emulator). WEB_FILES (URLPATH=LOCALPATH items, may be empty) runs
# it beside the local test web server (tests/tools/http_test_server.py), which serves those
# files besides its own answers and stops with the test; WEB_ROOT names a folder whose files it
# serves as well, under their paths in it, so a test can change them as it runs.
include(GoogleTest)
function(qx_add_test name)
  cmake_parse_arguments(T "WEB_SERVER" "TIMEOUT;WEB_ROOT" "SOURCES;LIBS;WEB_FILES" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  qx_target(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  if(T_WEB_SERVER)
    find_package(Python3 REQUIRED COMPONENTS Interpreter)
    set(files)
    foreach(item ${T_WEB_FILES})
      list(APPEND files --file ${item})
    endforeach()
    if(T_WEB_ROOT)
      list(APPEND files --root ${T_WEB_ROOT})
    endif()
    math(EXPR lifetime "${T_TIMEOUT} - 10")
    add_test(NAME ${name}
             COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tests/tools/http_test_server.py
                     --lifetime ${lifetime} ${files} -- ${CMAKE_CROSSCOMPILING_EMULATOR}
                     $<TARGET_FILE:${name}> --gtest_brief=1)
  elseif(NOT CMAKE_CROSSCOMPILING)
    # On the host every test is a ctest entry of its own, named after its program.
    gtest_discover_tests(${name} TEST_PREFIX "${name}." DISCOVERY_TIMEOUT 60
                         PROPERTIES TIMEOUT ${T_TIMEOUT})
    return()
  else()
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
endfunction()

# A program's version resource. VERSION is the dotted file version, e.g. 1.0.8.0.
function(qx_version_resource target version description)
  string(REPLACE "." "," version_commas ${version})
  set(QX_FILE_VERSION ${version})
  set(QX_FILE_VERSION_COMMAS ${version_commas})
  set(QX_DESCRIPTION ${description})
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/common/win/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()

# The list of every program the Windows builds make, one path a line, relative to the list's
# own folder (written by qx_manifest_every_program).
set(QX_PROGRAM_LIST ${CMAKE_BINARY_DIR}/built_programs.txt)

# The executables declared in DIR and in the folders below it, into OUT.
function(qx_executables_below out dir)
  set(found)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(t ${targets})
    get_target_property(type ${t} TYPE)
    if(type STREQUAL "EXECUTABLE")
      list(APPEND found ${t})
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub ${subdirs})
    qx_executables_below(below ${sub})
    list(APPEND found ${below})
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# Every program the build makes, test programs, their helper processes and the stand-ins
# included, carries the shared manifest: common controls 6, DPI awareness, and the rights of
# whoever starts it (without that Windows takes a program named like "..setup.." for an
# installer and asks for an administrator). Called once every folder has declared its
# targets, so that no program can miss it; the programs are listed in QX_PROGRAM_LIST.
function(qx_manifest_every_program)
  set(QX_MANIFEST ${PROJECT_SOURCE_DIR}/common/win/app.manifest)
  set(rc ${CMAKE_BINARY_DIR}/app_manifest.rc)
  configure_file(${PROJECT_SOURCE_DIR}/common/win/manifest.rc.in ${rc} @ONLY)
  # The resource compiler reads the manifest through the .rc file, which the build does not
  # scan: without this a changed manifest would not reach the programs until a clean build.
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${QX_MANIFEST})
  add_library(qx_manifest OBJECT ${rc})
  get_filename_component(list_folder ${QX_PROGRAM_LIST} DIRECTORY)
  qx_executables_below(programs ${PROJECT_SOURCE_DIR})
  set(lines)
  foreach(t ${programs})
    target_link_libraries(${t} PRIVATE qx_manifest)
    list(APPEND lines "$<PATH:RELATIVE_PATH,$<TARGET_FILE:${t}>,${list_folder}>")
  endforeach()
  list(JOIN lines "\n" text)
  file(GENERATE OUTPUT ${QX_PROGRAM_LIST} CONTENT "${text}\n")
endfunction()

# qx_copy_beside(TARGET [FOLDER sub] built...): copies the files of the built targets
# (programs, libraries) beside TARGET, again whenever one of them is rebuilt, before TARGET is
# built: into the current binary folder, or its subfolder FOLDER. A library beside a program is
# where the system's search for a library by its bare name looks first.
function(qx_copy_beside target)
  cmake_parse_arguments(C "" "FOLDER" "" ${ARGN})
  set(folder ${CMAKE_CURRENT_BINARY_DIR})
  if(C_FOLDER)
    set(folder ${folder}/${C_FOLDER})
  endif()
  set(files)
  foreach(t ${C_UNPARSED_ARGUMENTS})
    list(APPEND files $<TARGET_FILE:${t}>)
  endforeach()
  string(MAKE_C_IDENTIFIER "${target}_copies_${C_FOLDER}" name)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${name}.stamp)
  add_custom_command(OUTPUT ${stamp}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
                     COMMAND ${CMAKE_COMMAND} -E copy_if_different ${files} ${folder}
                     COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
                     DEPENDS ${C_UNPARSED_ARGUMENTS})
  add_custom_target(${name} ALL DEPENDS ${stamp})
  add_dependencies(${target} ${name})
endfunction()

# The .def file a DLL of stdcall exports links with, in OUT. It maps each plain name to the
# decorated 32-bit __stdcall symbol (Name = Name@N); a 64-bit build has one calling convention
# and undecorated symbols, so it gets a copy that exports the same names as they are.
function(qx_stdcall_def out def)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    file(READ ${def} text)
    string(REGEX REPLACE " = [A-Za-z_0-9]+@[0-9]+" "" text "${text}")
    get_filename_component(name ${def} NAME_WE)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${def})
    set(def ${CMAKE_CURRENT_BINARY_DIR}/${name}_64.def)
    file(WRITE ${def} "${text}")
  endif()
  set(${out} ${def} PARENT_SCOPE)
endfunction()
