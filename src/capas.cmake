# Run by the build (cmake -DRAIZ=src -DSELLO=file -P capas.cmake): every
# "#include" of a file under RAIZ must name its own layer or one below it.
#   data/      data/ (data/qt/ only from data/qt/)
#   ui/        data/, ui/
#   hall/      data/, ui/, hall/
#   sections/X data/, ui/, sections/X/ (never another section)
#   app/       data/, ui/, hall/, sections/, app/
# Domain files (outside every qt/ folder and ui/) include no qt/ folder and
# nothing of ui/.
# An include is followed the way the compiler finds it: "..." first beside
# the including file, then from RAIZ; <...> from RAIZ. Paths are normalised
# first, so "data/../sections/x.h" counts as sections/x.h. Includes that lead
# outside the layers (the system's, Qt's, generated files) are not checked.
cmake_minimum_required(VERSION 3.25)
file(GLOB_RECURSE ficheros RELATIVE ${RAIZ} ${RAIZ}/*.h ${RAIZ}/*.cpp)
set(capas data ui hall sections app)
set(faltas "")
foreach(fichero ${ficheros})
  if(fichero MATCHES "^sections/([^/]+)/")
    set(permitidas "data/" "ui/" "sections/${CMAKE_MATCH_1}/")
  elseif(fichero MATCHES "^hall/")
    set(permitidas "data/" "ui/" "hall/")
  elseif(fichero MATCHES "^ui/")
    set(permitidas "data/" "ui/")
  elseif(fichero MATCHES "^app/")
    set(permitidas "data/" "ui/" "hall/" "sections/" "app/")
  else()
    set(permitidas "data/")
  endif()
  set(dominio FALSE)
  if(NOT fichero MATCHES "(^|/)qt/" AND NOT fichero MATCHES "^ui/")
    set(dominio TRUE)
  endif()
  get_filename_component(carpeta "${fichero}" DIRECTORY)
  file(STRINGS ${RAIZ}/${fichero} lineas REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
  foreach(linea ${lineas})
    if(linea MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\"")
      set(escrito "\"${CMAKE_MATCH_1}\"")
      set(incluido "${CMAKE_MATCH_1}")
      # Beside the including file when it is there.
      cmake_path(SET junto NORMALIZE "${carpeta}/${incluido}")
      if(carpeta AND EXISTS "${RAIZ}/${junto}" AND NOT junto MATCHES "^\\.\\./")
        set(incluido "${junto}")
      endif()
    elseif(linea MATCHES "^[ \t]*#[ \t]*include[ \t]*<([^>]*)>")
      set(escrito "<${CMAKE_MATCH_1}>")
      set(incluido "${CMAKE_MATCH_1}")
    else()
      continue()
    endif()
    cmake_path(SET incluido NORMALIZE "${incluido}")
    string(REGEX MATCH "^[^/]+" primera "${incluido}")
    if(NOT incluido MATCHES "/" OR NOT primera IN_LIST capas)
      continue()  # outside the layers
    endif()
    set(bien FALSE)
    foreach(p ${permitidas})
      string(FIND "${incluido}" "${p}" donde)
      if(donde EQUAL 0)
        set(bien TRUE)
      endif()
    endforeach()
    if(bien AND dominio AND (incluido MATCHES "(^|/)qt/" OR incluido MATCHES "^ui/"))
      set(bien FALSE)
    endif()
    if(bien AND fichero MATCHES "^data/" AND NOT fichero MATCHES "^data/qt/"
       AND incluido MATCHES "^data/qt/")
      set(bien FALSE)
    endif()
    if(NOT bien)
      if(escrito STREQUAL "\"${incluido}\"" OR escrito STREQUAL "<${incluido}>")
        string(APPEND faltas "  src/${fichero} includes ${escrito}\n")
      else()
        string(APPEND faltas "  src/${fichero} includes ${escrito} (src/${incluido})\n")
      endif()
    endif()
  endforeach()
endforeach()
if(faltas)
  message(FATAL_ERROR "Includes of a layer above, of another section or of Qt code from the domain"
                      " (see src/ui/navegacion.h):\n${faltas}"
                      "A screen opens another through ui/navegacion.h, never by its header.")
endif()
file(TOUCH ${SELLO})
