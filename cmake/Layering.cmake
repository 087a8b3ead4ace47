# The layers of the project, checked when it is configured: the calculation (core/) links
# nothing of the catalogue or above; the catalogue nothing of the comparison (compare/) or
# above; the comparison nothing of json/, locale/, the screens or the programs; the screens
# (ui/) never the programs (app/); the calculation, the catalogue and the comparison, and
# their tests, link nothing of Qt, which proves that none of them needs it.

# The names a link item stands for: the item itself, nothing for the marker CMake puts around
# links made from another folder ("::@(...)"), and for a generator expression such as
# $<LINK_ONLY:Qt6::Core> every target named in it, whatever its condition, so that a link that
# only some configurations make is found too.
function(_pagaluz_link_names item out)
  if(item MATCHES "^::@")
    set(${out} "" PARENT_SCOPE)
  elseif(NOT item MATCHES "\\$<")
    set(${out} "${item}" PARENT_SCOPE)
  else()
    string(REGEX MATCHALL "[A-Za-z0-9_.+-]+(::[A-Za-z0-9_.+-]+)*" tokens "${item}")
    set(names "")
    foreach(token IN LISTS tokens)
      if(TARGET ${token})
        list(APPEND names ${token})
      endif()
    endforeach()
    set(${out} "${names}" PARENT_SCOPE)
  endif()
endfunction()

# Everything `target` links, directly or through the targets it links (their LINK_LIBRARIES
# and INTERFACE_LINK_LIBRARIES), into `out_items`; into `out_chains`, for each item in the
# same place, the links that lead to it ("pagaluz_ui -> pagaluz_locale -> Qt6::Core").
function(pagaluz_linked target out_items out_chains)
  set(items "")
  set(chains "")
  set(pending ${target})
  set(pending_chains ${target})
  while(pending)
    list(POP_FRONT pending current)
    list(POP_FRONT pending_chains chain)
    get_target_property(aliased ${current} ALIASED_TARGET)
    if(aliased)
      set(current ${aliased})
    endif()
    foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
      get_target_property(links ${current} ${property})
      if(NOT links)
        continue()
      endif()
      foreach(link IN LISTS links)
        _pagaluz_link_names("${link}" names)
        foreach(name IN LISTS names)
          if(name STREQUAL target OR name IN_LIST items)
            continue()
          endif()
          list(APPEND items ${name})
          list(APPEND chains "${chain} -> ${name}")
          if(TARGET ${name})
            list(APPEND pending ${name})
            list(APPEND pending_chains "${chain} -> ${name}")
          endif()
        endforeach()
      endforeach()
    endforeach()
  endwhile()
  set(${out_items} "${items}" PARENT_SCOPE)
  set(${out_chains} "${chains}" PARENT_SCOPE)
endfunction()

# Appends to `faults` every chain by which `target` links anything of Qt.
function(_pagaluz_find_qt target reason fault_list)
  pagaluz_linked(${target} items chains)
  set(found ${${fault_list}})
  foreach(item chain IN ZIP_LISTS items chains)
    if(item MATCHES "^Qt[0-9]*::" OR item MATCHES "(^|/|-l)(lib)?Qt[0-9]")
      list(APPEND found
           "${chain}: the calculation, the catalogue and the comparison ${reason}")
    endif()
  endforeach()
  set(${fault_list} "${found}" PARENT_SCOPE)
endfunction()

# Appends to `faults` every chain by which the layer `target` links one of `above`.
function(_pagaluz_find_above target above fault_list)
  set(found ${${fault_list}})
  if(TARGET ${target})
    pagaluz_linked(${target} items chains)
    foreach(item chain IN ZIP_LISTS items chains)
      if(item IN_LIST above)
        list(APPEND found "${chain}: ${target} must not depend on a layer above it")
      endif()
    endforeach()
  endif()
  set(${fault_list} "${found}" PARENT_SCOPE)
endfunction()

# Stops the configuration, naming every offending chain of links, when a layer links what
# is above it. Called once every folder has been added.
function(pagaluz_check_layering)
  set(faults "")

  if(TARGET pagaluz_ui AND TARGET pagaluz_cli)
    get_directory_property(screens DIRECTORY ${PROJECT_SOURCE_DIR}/ui BUILDSYSTEM_TARGETS)
    get_directory_property(programs DIRECTORY ${PROJECT_SOURCE_DIR}/app BUILDSYSTEM_TARGETS)
    foreach(screen IN LISTS screens)
      pagaluz_linked(${screen} items chains)
      foreach(item chain IN ZIP_LISTS items chains)
        if(item IN_LIST programs)
          list(APPEND faults "${chain}: the screens must not depend on the programs of app/")
        endif()
      endforeach()
    endforeach()
  endif()

  foreach(tests IN ITEMS core_tests compare_tests)
    if(TARGET ${tests})
      _pagaluz_find_qt(${tests} "are tested without anything of Qt" faults)
    endif()
  endforeach()
  foreach(library IN ITEMS pagaluz_core pagaluz_catalogue pagaluz_compare)
    _pagaluz_find_qt(${library} "use nothing of Qt" faults)
  endforeach()

  # Each layer below, with the targets above it that it must not link.
  _pagaluz_find_above(pagaluz_core "pagaluz_catalogue;pagaluz_compare;pagaluz_json;pagaluz_locale"
                      faults)
  _pagaluz_find_above(pagaluz_catalogue "pagaluz_compare;pagaluz_json;pagaluz_locale" faults)
  _pagaluz_find_above(pagaluz_compare "pagaluz_json;pagaluz_locale;pagaluz_cli;pagaluz_ui" faults)

  if(faults)
    list(JOIN faults "\n  " listed)
    message(FATAL_ERROR "A layer links what is above it:\n  ${listed}")
  endif()
endfunction()
