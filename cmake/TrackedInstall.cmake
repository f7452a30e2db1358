# Installs a build and takes it away again, keeping the lists that the taking away needs.
#   cmake -DMODE=install -DBUILD=<folder> -DPREFIX=<dir> -P TrackedInstall.cmake
#   cmake -DMODE=uninstall -DBUILD=<folder> -P TrackedInstall.cmake
# Installing records every file it wrote and every folder it had to make; uninstalling
# removes those files, then those folders once they are empty, deepest first. A folder that
# was there before, or that still holds anything, is left alone. -DRECORD=<dir> keeps the
# two lists there instead of in the build folder.
cmake_minimum_required(VERSION 3.25)

if(NOT RECORD)
  set(RECORD "${BUILD}")
endif()
set(files_list "${RECORD}/installed-files.txt")
set(folders_list "${RECORD}/installed-folders.txt")
set(mode "${MODE}")

if(mode STREQUAL "install")
  # A first install into a scratch folder tells which folders the real one will make.
  string(RANDOM LENGTH 12 tag)
  set(staging "${RECORD}/install-staging-${tag}")
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${staging} ${CMAKE_COMMAND} --install ${BUILD}
                          --prefix ${PREFIX} OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(STRINGS "${BUILD}/install_manifest.txt" staged)
  file(REMOVE_RECURSE "${staging}")
  get_filename_component(prefix "${PREFIX}" ABSOLUTE)
  set(new_folders "")
  foreach(path IN LISTS staged)
    string(REPLACE "${staging}" "" path "${path}")
    get_filename_component(folder "${path}" DIRECTORY)
    while(NOT EXISTS "${folder}" AND NOT folder STREQUAL prefix AND NOT folder STREQUAL "/")
      list(APPEND new_folders "${folder}")
      get_filename_component(folder "${folder}" DIRECTORY)
    endwhile()
  endforeach()
  list(REMOVE_DUPLICATES new_folders)

  execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} COMMAND_ERROR_IS_FATAL ANY)
  # The install test installs into prefixes of its own and overwrites CMake's list: keep a copy.
  file(COPY_FILE "${BUILD}/install_manifest.txt" "${files_list}")
  # Folders that were there before this install but not before the previous one stay listed.
  if(EXISTS "${folders_list}")
    file(STRINGS "${folders_list}" earlier)
    list(APPEND new_folders ${earlier})
    list(REMOVE_DUPLICATES new_folders)
  endif()
  list(JOIN new_folders "\n" text)
  file(WRITE "${folders_list}" "${text}\n")
elseif(mode STREQUAL "uninstall")
  if(NOT EXISTS "${files_list}")
    message(FATAL_ERROR "Nothing installed from ${BUILD}")
  endif()
  file(STRINGS "${files_list}" files)
  foreach(path IN LISTS files)
    if(EXISTS "${path}" OR IS_SYMLINK "${path}")
      message(STATUS "Removing ${path}")
      file(REMOVE "${path}")
    endif()
  endforeach()
  set(folders "")
  if(EXISTS "${folders_list}")
    file(STRINGS "${folders_list}" folders)
  endif()
  # Deepest first, so that a folder's own folders are gone before it is looked at.
  list(SORT folders ORDER DESCENDING)
  foreach(folder IN LISTS folders)
    if(IS_DIRECTORY "${folder}" AND NOT IS_SYMLINK "${folder}")
      file(GLOB left LIST_DIRECTORIES true "${folder}/*" "${folder}/.*")
      if(NOT left)
        message(STATUS "Removing ${folder}/")
        file(REMOVE_RECURSE "${folder}")
      endif()
    endif()
  endforeach()
  file(REMOVE "${files_list}" "${folders_list}")
else()
  message(FATAL_ERROR "usage: cmake -DMODE=install|uninstall -DBUILD=<folder> [-DPREFIX=<dir>] -P TrackedInstall.cmake")
endif()
