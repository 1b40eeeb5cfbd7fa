# Checks the shape of src/: run as `cmake -P cmake/CheckLayers.cmake`
# (ctest runs it as the test "layers").
#
#  - A file includes only headers of its own layer or of the layers below
#    (app → widgets → core). The build refuses the other direction too, since
#    a layer's include path holds only its own folder and those below; this
#    names the offending line.
#  - No include cycle between folders: the folders ordered by "includes a
#    header of" leave none over.
#
# Prints the folder graph and exits non-zero on any finding.

cmake_minimum_required(VERSION 3.25)

get_filename_component(root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(layers core widgets app)
set(core_sees core)
set(widgets_sees widgets core)
set(app_sees app widgets core)

file(GLOB_RECURSE sources RELATIVE "${root}/src" "${root}/src/*.h" "${root}/src/*.cpp")
set(findings "")
set(folders "")

foreach(source ${sources})
  string(REGEX MATCH "^([a-z]+)" layer "${source}")
  get_filename_component(folder "${source}" DIRECTORY)
  list(APPEND folders "${folder}")
  file(STRINGS "${root}/src/${source}" includes REGEX "^#include \"")
  foreach(line ${includes})
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
    # Where the compiler finds it: the file's own folder first, then each
    # layer's root from the top down.
    set(found "")
    if(EXISTS "${root}/src/${folder}/${header}")
      set(found "${folder}/${header}")
    else()
      foreach(candidate ${layers})
        if(EXISTS "${root}/src/${candidate}/${header}")
          set(found "${candidate}/${header}")
        endif()
      endforeach()
    endif()
    if(found STREQUAL "")
      continue() # a header of the build (moc, ui) or of a test library
    endif()
    string(REGEX MATCH "^([a-z]+)" found_layer "${found}")
    if(NOT found_layer IN_LIST ${layer}_sees)
      list(APPEND findings "src/${source}: a ${layer} file includes ${found} of the ${found_layer} layer")
    endif()
    get_filename_component(found_folder "${found}" DIRECTORY)
    if(NOT found_folder STREQUAL folder)
      string(REPLACE "/" "_" key "${folder}")
      list(APPEND edges_${key} "${found_folder}")
    endif()
  endforeach()
endforeach()

list(REMOVE_DUPLICATES folders)
list(SORT folders)
message("Folders and the folders whose headers they include:")
foreach(folder ${folders})
  string(REPLACE "/" "_" key "${folder}")
  if(DEFINED edges_${key})
    list(REMOVE_DUPLICATES edges_${key})
    list(SORT edges_${key})
  endif()
  string(REPLACE ";" ", " shown "${edges_${key}}")
  message("  ${folder} -> ${shown}")
endforeach()

# Take away, again and again, every folder that includes none of the folders
# still left; whatever stays lies on a cycle or leads into one.
set(left ${folders})
set(progress TRUE)
while(progress)
  set(progress FALSE)
  foreach(folder ${left})
    string(REPLACE "/" "_" key "${folder}")
    set(blocked FALSE)
    foreach(target ${edges_${key}})
      if(target IN_LIST left)
        set(blocked TRUE)
      endif()
    endforeach()
    if(NOT blocked)
      list(REMOVE_ITEM left "${folder}")
      set(progress TRUE)
    endif()
  endforeach()
endwhile()
# Then every folder that none of those left includes: it only leads into a
# cycle.
set(progress TRUE)
while(progress)
  set(progress FALSE)
  foreach(folder ${left})
    set(included FALSE)
    foreach(other ${left})
      string(REPLACE "/" "_" key "${other}")
      if(folder IN_LIST edges_${key})
        set(included TRUE)
      endif()
    endforeach()
    if(NOT included)
      list(REMOVE_ITEM left "${folder}")
      set(progress TRUE)
    endif()
  endforeach()
endwhile()
if(left)
  string(REPLACE ";" ", " shown "${left}")
  list(APPEND findings "include cycle among the folders ${shown}")
endif()

if(findings)
  foreach(finding ${findings})
    message("${finding}")
  endforeach()
  message(FATAL_ERROR "The layers are broken.")
endif()
message("Layers and folders: no finding.")
