# Writes the site's service worker (site/sw.js) from browser/sw.js: the list
# of the site's files and the site's version, a hash of their contents, so
# that every build that changes a file is a new worker with a new cache.
#   cmake -DSITE=<site folder> -DTEMPLATE=<browser/sw.js> -P Worker.cmake
# The file is rewritten only when it changes.
file(GLOB names RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM names sw.js)
list(SORT names)
set(contents "")
set(SITE_FILES "")
foreach(name ${names})
  if(IS_DIRECTORY ${SITE}/${name})
    continue()
  endif()
  file(SHA256 ${SITE}/${name} hash)
  string(APPEND contents "${name} ${hash}\n")
  string(APPEND SITE_FILES "  '${name}',\n")
endforeach()
string(SHA256 version "${contents}")
string(SUBSTRING ${version} 0 16 SITE_VERSION)
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
