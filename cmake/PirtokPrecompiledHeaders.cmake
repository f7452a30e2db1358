# Precompiled Qt headers. Parsing the Qt headers is most of the work of compiling one of
# the project's small files, so two donor targets compile them once each: Qt Core for the
# pure cores, the converter and its fuzz targets; Qt Widgets for the controls, the window,
# the handlers, the programs and the window tests. Every other target reuses the donor that
# matches the Qt modules it links, so no subsystem's CMakeLists needs to know about it.
# QtTest stays out: its header depends on QT_TESTCASE_BUILDDIR, which differs per folder.
option(PIRTOK_PCH "Precompile the Qt headers (GCC)" ON)

# Reusing a donor's header makes CMake record an arrow to the donor. The viewer links the
# controls and nothing else of the project, so its four files go without.
set(PIRTOK_PCH_EXCLUDED viewer Rinvo)

set(PIRTOK_PCH_CORE_HEADERS
    <QByteArray> <QDir> <QFile> <QFileInfo> <QHash> <QList> <QObject> <QSettings>
    <QStandardPaths> <QString> <QStringList> <QStringView> <QTemporaryDir> <QTimer> <algorithm>
    <memory> <string> <vector>)
set(PIRTOK_PCH_WIDGETS_HEADERS
    ${PIRTOK_PCH_CORE_HEADERS} <QApplication> <QCheckBox> <QComboBox> <QDialog> <QKeyEvent>
    <QLabel> <QMessageBox> <QMouseEvent> <QPainter> <QPlainTextEdit> <QPushButton> <QScreen>
    <QWidget> <QWindow>)

# ccache caches a file compiled with a precompiled header only when told that the header's
# macros and time stamps may be trusted; without this every compile would bypass the cache.
macro(pirtok_let_ccache_use_pch)
  foreach(lang C CXX)
    if(CMAKE_${lang}_COMPILER_LAUNCHER MATCHES "ccache" AND NOT CMAKE_${lang}_COMPILER_LAUNCHER MATCHES
                                                             "CCACHE_SLOPPINESS")
      set(CMAKE_${lang}_COMPILER_LAUNCHER
          ${CMAKE_COMMAND} -E env
          CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
          ${CMAKE_${lang}_COMPILER_LAUNCHER})
    endif()
  endforeach()
endmacro()

# Sets <out> to TRUE when <target> links Qt6::<module>, directly or through other targets.
function(pirtok_links_qt target module out)
  set(seen "")
  set(pending ${target})
  set(found FALSE)
  while(pending AND NOT found)
    list(POP_FRONT pending current)
    if(current STREQUAL "Qt6::${module}")
      set(found TRUE)
    elseif(TARGET ${current} AND NOT current IN_LIST seen)
      list(APPEND seen ${current})
      get_target_property(type ${current} TYPE)
      set(links "")
      if(NOT type STREQUAL "INTERFACE_LIBRARY")
        get_target_property(direct ${current} LINK_LIBRARIES)
        if(direct)
          list(APPEND links ${direct})
        endif()
      endif()
      get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
      if(interface)
        list(APPEND links ${interface})
      endif()
      foreach(link IN LISTS links)
        # A private link of a static library appears as $<LINK_ONLY:target>.
        string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
        if(NOT link MATCHES "^\\$<")
          list(APPEND pending ${link})
        endif()
      endforeach()
    endif()
  endwhile()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# Appends to <out> every target defined in <dir> and the folders below it.
function(pirtok_targets_below dir out)
  get_directory_property(targets DIRECTORY ${dir} BUILDSYSTEM_TARGETS)
  get_directory_property(subdirs DIRECTORY ${dir} SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    pirtok_targets_below(${subdir} below)
    list(APPEND targets ${below})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

function(pirtok_add_pch_donor name qt_modules headers)
  set(source ${CMAKE_BINARY_DIR}/pch/${name}.cpp)
  file(CONFIGURE OUTPUT ${source} CONTENT "// Compiles the precompiled header of ${name}.\n")
  add_library(${name} OBJECT ${source})
  list(TRANSFORM qt_modules PREPEND Qt6:: OUTPUT_VARIABLE qt_targets)
  target_link_libraries(${name} PRIVATE ${qt_targets} pirtok_warnings)
  target_precompile_headers(${name} PRIVATE ${headers})
endfunction()

# Gives every compiled target below the top folder the Qt headers precompiled.
function(pirtok_precompile_qt_headers)
  if(NOT PIRTOK_PCH OR NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    return()
  endif()
  pirtok_targets_below(${PROJECT_SOURCE_DIR} targets)

  pirtok_add_pch_donor(pirtok_pch_core "Core" "${PIRTOK_PCH_CORE_HEADERS}")
  pirtok_add_pch_donor(pirtok_pch_widgets "Core;Gui;Widgets" "${PIRTOK_PCH_WIDGETS_HEADERS}")

  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(NOT type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|OBJECT_LIBRARY)$"
       OR target IN_LIST PIRTOK_PCH_EXCLUDED)
      continue()
    endif()
    pirtok_links_qt(${target} Widgets widgets)
    pirtok_links_qt(${target} Core core)
    if(widgets)
      target_precompile_headers(${target} REUSE_FROM pirtok_pch_widgets)
    elseif(core)
      target_precompile_headers(${target} REUSE_FROM pirtok_pch_core)
    endif()
  endforeach()
endfunction()
